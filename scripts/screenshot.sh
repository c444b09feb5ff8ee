#!/usr/bin/env bash
# Screenshots of the real window under Xvfb at 96 dpi: the start view, a
# steam calculation, and the same under a dark desktop theme (GNOME's
# Adwaita-dark through Qt's gtk3 platform theme), into docs/. Builds first;
# installs Xvfb, xdotool and ImageMagick when missing.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh >/dev/null

bash scripts/install-missing.sh xvfb xdotool imagemagick x11-utils qt6-gtk-platformtheme gnome-themes-extra

export DISPLAY=:${VENTIL_DISPLAY:-93}
Xvfb "$DISPLAY" -screen 0 1024x768x24 -dpi 96 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $app $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

start() {
    LC_ALL=cs_CZ.UTF-8 LOCPATH="$PWD/build/locale" "$@" "${VENTIL_BUILD:-build}/form/ventil" &
    app=$!
    okno=$(timeout 20 xdotool search --sync --onlyvisible --name '^Ventil$' | head -1)
    sleep 0.5
}
# Client-area coordinates of the controls clicked.
click() { xdotool mousemove --window "$okno" "$1" "$2" click 1; sleep 0.3; }
steam() {
    click 195 163 # "Pára"
    click 524 444 # "Spočítej"
}

start env
import -window "$okno" docs/okno.png
steam
import -window "$okno" docs/okno-para.png
kill "$app"
wait "$app" || true

start env QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark
steam
import -window "$okno" docs/okno-tmave.png
kill "$app"
echo "docs/okno.png docs/okno-para.png docs/okno-tmave.png"
