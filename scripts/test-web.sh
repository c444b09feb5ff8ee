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
bash scripts/install-missing.sh "${baliky_web[@]}"
command -v npm >/dev/null || bash scripts/install-missing.sh npm
build=${VENTIL_WEB_BUILD:-build-web-tests}
strana=$(realpath -m "${VENTIL_WEB_PAGE:-build-web}")

# Emscripten keeps the C and C++ libraries it builds for WebAssembly in a
# cache, on Debian /usr/share/emscripten/cache (em-config CACHE). Debian 12
# ships it filled and frozen, so any user compiles at once. Where a first
# compile cannot use it (not filled, and not writable by this user), the
# libraries are built, once and for some minutes, into a cache of the user's
# own.
zkouska=$(mktemp -d "${TMPDIR:-/tmp}/ventil-em.XXXXXX")
trap 'rm -rf "$zkouska"' EXIT
printf '#include <string>\nint main(int n, char **) { return std::string(n, 0).size() > 9; }\n' \
    >"$zkouska/zkouska.cpp"
if ! NODE_PATH=/usr/share/nodejs em++ -fexceptions -sNODERAWFS=1 "$zkouska/zkouska.cpp" \
        -o "$zkouska/zkouska.js" >"$zkouska/vystup" 2>&1; then
    cache=${XDG_CACHE_HOME:-$HOME/.cache}/ventil-emscripten
    mkdir -p "$cache" 2>/dev/null || cache=$PWD/$build/.emscripten-cache
    mkdir -p "$cache"
    echo "Emscripten's own cache is not usable here ($(tail -n1 "$zkouska/vystup")):" \
         "building its libraries into $cache"
    export EM_CACHE=$cache EM_FROZEN_CACHE=
fi

VENTIL_WEB_BUILD=$strana bash scripts/web.sh >/dev/null
[ -f "$build/build.ninja" ] && grep -qxF "VENTIL_WEB_STRANA:PATH=$strana" "$build/CMakeCache.txt" ||
    konfiguruj "$build" -DVENTIL_QT=OFF -DVENTIL_WEB_STRANA="$strana" \
        -DCMAKE_TOOLCHAIN_FILE="$(em-config EMSCRIPTEN_ROOT)/cmake/Modules/Platform/Emscripten.cmake"
cmake --build "$build"
cd "$build"
ctest --output-on-failure --no-tests=error
