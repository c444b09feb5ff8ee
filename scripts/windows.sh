#!/usr/bin/env bash
# Makes the Windows edition: installs what cross-building and packing need
# (through sudo when not root), cross-builds ventil.exe with MinGW-w64
# (Release, no tests) into build-windows/ (or $VENTIL_WINDOWS_BUILD) and
# packs it into build-windows/ventil-<version>-x64.msi. Two runs from the
# same commit give the same bytes, wherever the clone is.
set -euo pipefail
cd "$(dirname "$0")/.."

. scripts/common.sh
bash scripts/install-missing.sh "${baliky_windows[@]}" git

# From scratch each time: a file built for an earlier commit would keep
# that commit's time.
build=${VENTIL_WINDOWS_BUILD:-build-windows}
rm -rf "$build"
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
export SOURCE_DATE_EPOCH
# The clone's path stays out of the code of every library too, not only
# ventil's own sources (Windows.cmake maps those for any build).
src=$(pwd)
konfiguruj "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/MinGW-w64.cmake \
    -DVENTIL_QT=OFF -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CXX_FLAGS="-ffile-prefix-map=$src=." >/dev/null
# Windows.cmake builds the exe beside the MSI.
cmake --build "$build"
ls -l "$build/ventil.exe" "$build"/ventil-*-x64.msi
