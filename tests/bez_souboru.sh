#!/usr/bin/env bash
# Runs the real program as a user would, on an X server of its own and under
# strace: a compute with the start texts, one with a number out of range typed
# into "Výkon", then "Ukonči". Fails when the program (or anything it starts)
# opens a file for writing outside /dev and /proc, creates, renames or removes
# one, opens a socket that is not the connection to the X server, starts
# another program, leaves anything in its home or runtime directory, or does
# not end with status 0.
#
#   bash tests/bez_souboru.sh build/form/ventil
set -euo pipefail
program=$(realpath "${1:?usage: bez_souboru.sh PATH_TO_VENTIL}")
for nastroj in Xvfb xdotool strace; do
    command -v "$nastroj" >/dev/null || {
        echo "$nastroj is missing (scripts/setup.sh installs it)"
        exit 1
    }
done

prac=$(mktemp -d)
xvfb=
konec() {
    if [ -n "$xvfb" ]; then
        kill "$xvfb" 2>/dev/null || true
        wait "$xvfb" 2>/dev/null || true
    fi
    rm -rf "$prac"
}
trap konec EXIT
mkdir -m 700 "$prac/home" "$prac/run" "$prac/strace"

# An X server on a display nobody uses, which it reports itself.
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$prac/displej" 2>"$prac/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$prac/displej" ] && break
    sleep 0.1
done
displej=:$(tr -d '[:space:]' <"$prac/displej")
[ "$displej" != ":" ] || {
    cat "$prac/xvfb.log"
    echo "Xvfb did not start"
    exit 1
}

# A clean environment as a login session has it: an empty home and runtime
# directory of the user's own, nothing else set.
# Sanitizer settings pass through; LeakSanitizer cannot run under ptrace.
env -i PATH=/usr/bin:/bin HOME="$prac/home" XDG_RUNTIME_DIR="$prac/run" LANG=C.UTF-8 \
    DISPLAY="$displej" QT_QPA_PLATFORM=xcb UBSAN_OPTIONS="${UBSAN_OPTIONS:-}" \
    ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
    timeout 60 strace -ff -qq -o "$prac/strace/s" \
    -e trace=open,openat,openat2,creat,mkdir,mkdirat,rename,renameat,renameat2,unlink,unlinkat,rmdir,link,linkat,symlink,symlinkat,socket,connect,bind,execve,execveat \
    "$program" &
ventil=$!

xdo() { DISPLAY="$displej" xdotool "$@"; }
okno=$(DISPLAY="$displej" timeout 20 xdotool search --sync --onlyvisible --name '^Ventil$' | head -n 1)
sleep 0.5
# Client-area pixels of the window as designed: the centres of "Spočítej",
# "Ukonči" and the "Výkon" field.
pocitej=(524 444)
konci=(620 444)
vykon=(376 161)
xdo mousemove --window "$okno" "${pocitej[@]}" click 1
sleep 0.3
xdo mousemove --window "$okno" "${vykon[@]}" click 1 key ctrl+a type 1e999
xdo mousemove --window "$okno" "${pocitej[@]}" click 1
sleep 0.3
xdo mousemove --window "$okno" "${konci[@]}" click 1

stav=0
wait "$ventil" || stav=$?
chyby=()
[ "$stav" -eq 0 ] || chyby+=("exit status $stav (124: still running after 60 s)")

# One pass over every process's log; the first execve is the program itself.
while IFS= read -r radek; do
    chyby+=("$radek")
done < <(cat "$prac"/strace/s.* | awk -v x11="/tmp/.X11-unix/X${displej#:}" '
    /^(\+\+\+|---)/ { next }
    { volani = $0; sub(/\(.*/, "", volani); cesta = $0; sub(/^[^"]*"/, "", cesta); sub(/".*/, "", cesta) }
    volani ~ /^execve/ { if (prvni++) print; next }
    volani ~ /^(open|openat|openat2)$/ {
        if ($0 ~ /O_WRONLY|O_RDWR|O_CREAT|O_TRUNC/ && cesta !~ /^\/(dev|proc)\//) print
        next
    }
    # Qt makes sure the runtime directory exists; it does.
    volani ~ /^mkdir/ && / = -1 EEXIST/ { next }
    volani == "socket" && /AF_UNIX/ { next }
    # The X server, the windowing system itself, is the one peer allowed.
    volani == "connect" && index($0, "sun_path=\"" x11 "\"") + index($0, "sun_path=@\"" x11 "\"") { next }
    { print }')

for adresar in home run; do
    zbylo=$(find "$prac/$adresar" -mindepth 1)
    [ -z "$zbylo" ] || chyby+=("left in $adresar: $zbylo")
done

if ((${#chyby[@]})); then
    printf '%s\n' "${chyby[@]}"
    exit 1
fi
echo "no file written, no socket but the X server's, exit status 0"
