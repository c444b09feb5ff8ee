#!/usr/bin/env bash
# Sets everything up for building Ventil on Debian 12 or Ubuntu 24.04+ (Qt 6.4): installs the
# Debian packages that are missing (through sudo when not root), configures
# and builds. Quick when nothing changed. The build directory is build/, or
# $VENTIL_BUILD.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev libgl-dev        # Qt 6 Widgets and Test
    clang-format                  # the formatting check
    locales                       # localedef, for the tests under Czech settings
    xvfb xauth xdotool strace     # the real program clicked from outside, its system calls watched
    appstream desktop-file-utils  # checks of the desktop entry and the metainfo
    dbus-daemon at-spi2-core python3-pyatspi  # the program driven through the accessibility bus
    qt6-gtk-platformtheme gnome-themes-extra python3-pil  # desktop themes, contrast measured
)
bash scripts/install-missing.sh "${packages[@]}"

build=${VENTIL_BUILD:-build}
[ -f "$build/build.ninja" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@"
cmake --build "$build"
