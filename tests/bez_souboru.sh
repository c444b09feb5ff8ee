#!/usr/bin/env bash
# Runs the real program as a user would, on an X server of its own and under
# strace: a compute with the start texts, one with a number out of range typed
# into "Výkon", then "Ukonči". Fails when the program (or anything it starts)
# opens a file for writing outside /dev and /proc, creates, renames or removes
# one, opens a socket that is not the connection to the X server, starts
# another program, leaves anything in its home or runtime directory, or does
# not end with status 0.
#
# The program takes no command line, so it is started with Qt's generic
# options for a style sheet and a mirrored layout: it must not open that
# file, and the window must look as designed (a pixel of it is checked).
#
#   bash tests/bez_souboru.sh build/form/ventil
set -euo pipefail
program=$(realpath "${1:?usage: bez_souboru.sh PATH_TO_VENTIL}")
for nastroj in Xvfb xdotool xwd strace; do
    command -v "$nastroj" >/dev/null || {
        echo "$nastroj is missing (scripts/setup.sh installs it)"
        exit 1
    }
done

prac=$(mktemp -d)
xvfb=
ventil=
konec() {
    [ -z "$ventil" ] || kill "$ventil" 2>/dev/null || true
    if [ -n "$xvfb" ]; then
        kill "$xvfb" 2>/dev/null || true
        wait "$xvfb" 2>/dev/null || true
    fi
    rm -rf "$prac"
}
trap konec EXIT
mkdir -m 700 "$prac/home" "$prac/run" "$prac/strace"
styl=$prac/styl.qss
echo '* { background: red; }' >"$styl"

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
    "$program" -stylesheet "$styl" -reverse &
ventil=$!

xdo() { DISPLAY="$displej" xdotool "$@"; }
okno=$(DISPLAY="$displej" timeout 20 xdotool search --sync --onlyvisible --name '^Ventil$' | head -n 1) || {
    echo "no window within 20 s"
    exit 1
}
sleep 0.5

# The colour of a client-area pixel, as rrggbb; for the 32-bit pixels Xvfb
# serves at depth 24, least significant byte first.
pixel() {
    DISPLAY="$displej" xwd -silent -id "$okno" >"$prac/okno.xwd"
    local h
    read -r -a h < <(od -A n -t u4 --endian=big -N 100 "$prac/okno.xwd" | tr '\n' ' ')
    ((h[11] == 32 && h[7] == 0)) || {
        echo "unexpected window image: ${h[11]} bits per pixel, byte order ${h[7]}"
        return 1
    }
    # Header, colour map (12 bytes an entry), then the rows.
    od -A n -t x1 -j $((h[0] + h[19] * 12 + $2 * h[12] + $1 * 4)) -N 3 "$prac/okno.xwd" |
        awk '{ print $3 $2 $1 }'
}
# The dot of the chosen "Voda" sits left of its text; mirrored, it would be
# on the right and this pixel the window's grey.
tecka=$(pixel 181 140)
[ "$tecka" = 000000 ] || {
    echo "the window is mirrored: pixel 181,140 is #$tecka, not the black dot of \"Voda\""
    exit 1
}
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
ventil=
chyby=()
[ "$stav" -eq 0 ] || chyby+=("exit status $stav (124: still running after 60 s)")
# The program's own execve names the file; nothing else may.
if grep -h -F "$styl" "$prac"/strace/s.* | grep -v -q '^execve('; then
    chyby+=("the style sheet named on the command line was opened")
fi

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
