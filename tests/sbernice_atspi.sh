#!/usr/bin/env bash
# Runs the real program on an X server of its own, in a private session bus
# with the accessibility bus, under Czech settings, and drives it through
# AT-SPI alone (sbernice_atspi.py): what a screen reader gets.
#
#   bash tests/sbernice_atspi.sh build/form/ventil build/locale
set -euo pipefail
program=$(realpath "${1:?usage: sbernice_atspi.sh PATH_TO_VENTIL LOCPATH}")
locpath=$(realpath "${2:?usage: sbernice_atspi.sh PATH_TO_VENTIL LOCPATH}")
here=$(dirname "$(realpath "$0")")

# Second stage, inside the private session bus.
if [ -n "${VENTIL_UVNITR_SBERNICE:-}" ]; then
    pids=()
    konec() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; wait 2>/dev/null || true; }
    trap konec EXIT
    # The accessibility bus, started here rather than on demand, so it is
    # ended with the rest.
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    pids+=($!)
    # Qt exposes the window on the bus when a screen reader runs; here none
    # has told the session so.
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb LC_ALL=cs_CZ.UTF-8 LOCPATH="$locpath" \
        timeout 100 "$program" &
    pids+=($!)
    timeout 90 /usr/bin/python3 "$here/sbernice_atspi.py" ,
    exit
fi

for nastroj in Xvfb dbus-run-session /usr/libexec/at-spi-bus-launcher; do
    command -v "$nastroj" >/dev/null || {
        echo "$nastroj is missing (scripts/setup.sh installs it)"
        exit 1
    }
done
/usr/bin/python3 -c 'import pyatspi' || {
    echo "python3-pyatspi is missing (scripts/setup.sh installs it)"
    exit 1
}

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
mkdir -m 700 "$prac/run"

Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$prac/displej" 2>"$prac/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$prac/displej" ] && break
    sleep 0.1
done
[ -s "$prac/displej" ] || {
    cat "$prac/xvfb.log"
    echo "Xvfb did not start"
    exit 1
}

DISPLAY=:$(tr -d '[:space:]' <"$prac/displej") XDG_RUNTIME_DIR="$prac/run" VENTIL_UVNITR_SBERNICE=1 \
    timeout 120 dbus-run-session -- bash "$0" "$program" "$locpath" 2> >(grep -v 'fd limit' >&2)
