#!/usr/bin/env bash
# Sets everything up for building Ventil on Debian 12 or Ubuntu: installs the
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
    xvfb xauth                    # screenshots of the real window
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -q
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
fi

build=${VENTIL_BUILD:-build}
[ -f "$build/build.ninja" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@"
cmake --build "$build"
