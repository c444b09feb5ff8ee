#!/usr/bin/env bash
# Cross-builds the Windows edition with MinGW-w64 and runs its tests under
# Wine through CTest: in build-windows-tests/ (or $VENTIL_WINDOWS_TESTS_BUILD), in a
# fresh Wine prefix of its own and on a virtual display, both removed at the
# end however the run ends. With nothing changed it only starts the prefix
# and the tests again.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/common.sh
bash scripts/install-missing.sh "${baliky_windows[@]}"

# Its own folder: scripts/windows.sh makes the deliverables from scratch in
# build-windows/.
build=${VENTIL_WINDOWS_TESTS_BUILD:-build-windows-tests}
[ -f "$build/build.ninja" ] ||
    konfiguruj "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/MinGW-w64.cmake -DVENTIL_QT=OFF
cmake --build "$build"

wineserver=$(program_wine wineserver)
tmp=$(mktemp -d "${TMPDIR:-/tmp}/ventil-wine.XXXXXX")
xvfb_pid=
uklid() {
    local status=$?
    trap - EXIT INT TERM
    [ -d "$tmp/prefix" ] && WINEPREFIX=$tmp/prefix "$wineserver" -k 2>/dev/null || true
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$tmp"
    exit "$status"
}
trap uklid EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# tise LOG CMD...: runs CMD with its output in LOG, shown when it fails.
tise() {
    local log=$1
    shift
    "$@" >"$log" 2>&1 || {
        local status=$?
        echo "$* failed ($status):" >&2
        cat "$log" >&2
        return "$status"
    }
}

# A display of its own, numbered by the server: read as it writes the
# number, or at the end of the pipe when it could not start.
mkfifo "$tmp/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$tmp/display" 2>"$tmp/xvfb.log" &
xvfb_pid=$!
read -r displej <"$tmp/display" || { echo "Xvfb did not start:" >&2; cat "$tmp/xvfb.log" >&2; exit 1; }
export DISPLAY=:$displej

# No Mono or Gecko dialog; no window manager, so windows are not managed
# (else Wine waits 2 s whenever a window hides). One server for the run.
export WINEPREFIX=$tmp/prefix WINEDLLOVERRIDES="mscoree,mshtml=" WINEDEBUG=-all
mkdir -p "$WINEPREFIX"
"$wineserver" -p
tise "$tmp/wineboot.log" wineboot -i
tise "$tmp/reg.log" wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f

cd "$build"
# The tests that share the prefix take turns (RESOURCE_LOCK wine_prefix).
ctest --output-on-failure --no-tests=error -j"$(nproc)"
