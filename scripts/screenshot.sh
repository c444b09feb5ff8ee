#!/usr/bin/env bash
# Screenshots of the real window under Xvfb at 96 dpi: the start view and a
# steam calculation, into docs/. Builds first; installs Xvfb, xdotool and
# ImageMagick when missing.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh >/dev/null

bash scripts/install-missing.sh xvfb xdotool imagemagick x11-utils

export DISPLAY=:${VENTIL_DISPLAY:-93}
Xvfb "$DISPLAY" -screen 0 1024x768x24 -dpi 96 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $app $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

LC_ALL=cs_CZ.UTF-8 LOCPATH="$PWD/build/locale" "${VENTIL_BUILD:-build}/form/ventil" &
app=$!
okno=$(timeout 20 xdotool search --sync --onlyvisible --name '^Ventil$' | head -1)
sleep 0.5
import -window "$okno" docs/okno.png

# Client-area coordinates of the controls clicked.
click() { xdotool mousemove --window "$okno" "$1" "$2" click 1; sleep 0.3; }
click 195 163 # "Pára"
click 524 444 # "Spočítej"
import -window "$okno" docs/okno-para.png

kill "$app"
echo "docs/okno.png docs/okno-para.png"
