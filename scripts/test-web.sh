#!/usr/bin/env bash
# Builds the web edition's computation and window logic with Debian's
# Emscripten and runs their tests through CTest: the suites and the golden
# replay under node, the page in a headless Chromium. In build-web-tests/ (or
# $VENTIL_WEB_BUILD); with nothing changed it only runs the tests again.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/common.sh
bash scripts/install-missing.sh "${baliky_web[@]}"
build=${VENTIL_WEB_BUILD:-build-web-tests}

priprav_emscripten "$build"

[ -f "$build/build.ninja" ] ||
    konfiguruj "$build" -DVENTIL_QT=OFF \
        -DCMAKE_TOOLCHAIN_FILE="$(em-config EMSCRIPTEN_ROOT)/cmake/Modules/Platform/Emscripten.cmake"
cmake --build "$build"
cd "$build"
ctest --output-on-failure --no-tests=error
