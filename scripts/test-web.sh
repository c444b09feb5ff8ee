#!/usr/bin/env bash
# Builds the web edition's computation and window logic with Debian's
# Emscripten and runs their tests through CTest: the suites and the golden
# replay under node, the page in a headless Chromium. In build-web-tests/ (or
# $VENTIL_WEB_BUILD); with nothing changed it only runs the tests again. The
# page the browser test loads is the one scripts/web.sh makes, in build-web/
# (or $VENTIL_WEB_PAGE).
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/common.sh
bash scripts/install-missing.sh "${baliky_web[@]}" "${baliky_web_testu[@]}"
command -v npm >/dev/null || bash scripts/install-missing.sh npm
build=${VENTIL_WEB_BUILD:-build-web-tests}
strana=$(realpath -m "${VENTIL_WEB_PAGE:-build-web}")

priprav_emscripten "$build"

VENTIL_WEB_BUILD=$strana bash scripts/web.sh >/dev/null
[ -f "$build/build.ninja" ] && grep -qxF "VENTIL_WEB_STRANA:PATH=$strana" "$build/CMakeCache.txt" ||
    konfiguruj "$build" -DVENTIL_QT=OFF -DVENTIL_WEB_STRANA="$strana" \
        -DCMAKE_TOOLCHAIN_FILE="$(em-config EMSCRIPTEN_ROOT)/cmake/Modules/Platform/Emscripten.cmake"
cmake --build "$build"
cd "$build"
ctest --output-on-failure --no-tests=error
