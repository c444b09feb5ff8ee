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

. scripts/common.sh
packages=("${baliky_sestaveni[@]}")
(($#)) || packages+=("${baliky_testu[@]}")
bash scripts/install-missing.sh "${packages[@]}"

build=${VENTIL_BUILD:-build}
# A build first set up for one target was configured without the test tools
# (clang-format); configuring again picks them up.
if [ ! -f "$build/build.ninja" ] || { (($# == 0)) && [ ! -f "$build/.setup-full" ]; }; then
    konfiguruj "$build" -DCMAKE_BUILD_TYPE=Release
    (($#)) || touch "$build/.setup-full"
fi
if (($#)); then
    cmake --build "$build" --target "$@"
else
    cmake --build "$build"
fi
