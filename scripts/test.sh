#!/usr/bin/env bash
# Sets everything up, builds and runs every test through CTest (the
# formatting check included): the Linux edition's in build/, then the
# Windows edition's, cross-built and run under Wine (scripts/test-windows.sh),
# then the web edition's, built with Emscripten and run under node and in a
# headless Chromium (scripts/test-web.sh).
#
# With VENTIL_SANITIZE_TESTS=1, as CI runs it, every test then runs once more
# in a build with AddressSanitizer and UndefinedBehaviorSanitizer, in
# build-asan/ (or $VENTIL_ASAN_BUILD). That more than doubles a first run and
# makes a run with nothing changed about five times longer, so a plain run
# leaves it out.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/common.sh
bash scripts/setup.sh
(cd "${VENTIL_BUILD:-build}" && ctest --output-on-failure --no-tests=error -j"$(nproc)")
bash scripts/test-windows.sh
bash scripts/test-web.sh

if [ "${VENTIL_SANITIZE_TESTS:-0}" = 1 ]; then
    asan=${VENTIL_ASAN_BUILD:-build-asan}
    # Configured again unless its cache holds both the sanitizers and
    # warnings as errors: a folder of that name made otherwise would run the
    # suite a second time with no sanitizer at all.
    { grep -qx 'VENTIL_SANITIZE:BOOL=ON' "$asan/CMakeCache.txt" &&
        grep -qx 'VENTIL_WERROR:BOOL=ON' "$asan/CMakeCache.txt"; } 2>/dev/null ||
        konfiguruj "$asan" -DCMAKE_BUILD_TYPE=Debug -DVENTIL_SANITIZE=ON
    cmake --build "$asan"
    cd "$asan"
    # Any report fails its test at once, with the stack; leaks count too (a
    # test run under strace turns leak checking off for itself).
    ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:print_stacktrace=1:detect_stack_use_after_return=1 \
        UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
        ctest --output-on-failure --no-tests=error -j"$(nproc)"
fi
