#!/usr/bin/env bash
# Sets everything up for building Ventil on Debian 13 or 12: installs the
# Debian packages that are missing (through sudo when not root), configures
# and builds. Quick when nothing changed. The build directory is build/, or
# $VENTIL_BUILD. Warnings are errors here, as they are for developers.
#
#   bash scripts/setup.sh             # everything, and what the tests need
#   bash scripts/setup.sh TARGET...   # only these targets, and only what building needs
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev libgl-dev        # Qt 6 Widgets and Test
)
(($#)) || packages+=(
    clang-format                  # the formatting check
    doctest-dev                   # the computation's tests, header only
    locales                       # localedef, for the tests under Czech settings
    xvfb xauth xdotool strace     # the real program clicked and looked at from outside, its system calls watched
    appstream desktop-file-utils  # checks of the desktop entry and the metainfo
    dbus-daemon at-spi2-core python3-pyatspi  # the program driven through the accessibility bus
    qt6-translations-l10n xclip   # Qt's menus in Czech, results copied to the clipboard
    qt6-gtk-platformtheme gnome-themes-extra python3-pil  # desktop themes, contrast measured
    orca speech-dispatcher        # what a screen reader speaks, heard from the real one
)
bash scripts/install-missing.sh "${packages[@]}"

build=${VENTIL_BUILD:-build}
# A build first set up for one target was configured without the test tools
# (clang-format, the Czech locale); configuring again picks them up.
if [ ! -f "$build/build.ninja" ] || { (($# == 0)) && [ ! -f "$build/.setup-full" ]; }; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVENTIL_WERROR=ON
    (($#)) || touch "$build/.setup-full"
fi
if (($#)); then
    cmake --build "$build" --target "$@"
else
    cmake --build "$build"
fi
