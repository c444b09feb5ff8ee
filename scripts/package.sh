#!/usr/bin/env bash
# Makes the Debian package: installs what building and packing need (through
# sudo when not root), builds the program alone, without the tests, with
# Debian's compiler flags into build-deb/ (or $VENTIL_DEB_BUILD) and writes
# build-deb/ventil_<version>_<arch>.deb. Two runs from the same commit give
# the same bytes.
set -euo pipefail
cd "$(dirname "$0")/.."

# What the build needs, then dpkg-shlibdeps and file(1) for the package's
# dependencies.
. scripts/common.sh
bash scripts/install-missing.sh "${baliky_sestaveni[@]}" dpkg-dev file

# From scratch each time: a file built for an earlier commit would keep that
# commit's time.
build=${VENTIL_DEB_BUILD:-build-deb}
rm -rf "$build"
# Every time in the package is the last commit's: file times and archive
# headers (CPack), and those of the resources compiled into the program.
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
export SOURCE_DATE_EPOCH
# Hardening as Debian builds its packages; the flags map the source path
# away. No debug information: the package is stripped anyway, and without it
# the build directory's name does not reach the binary's build id either.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
flag() { dpkg-buildflags --get "$1"; }
cxxflags=" $(flag CPPFLAGS) $(flag CXXFLAGS) "
cxxflags=${cxxflags// -g / }
# Warnings do not stop it: a newer compiler's new warning is no reason to
# refuse a package.
konfiguruj "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DVENTIL_WERROR=OFF \
    -DCMAKE_CXX_FLAGS="$cxxflags" \
    -DCMAKE_EXE_LINKER_FLAGS="$(flag LDFLAGS)" >/dev/null
cmake --build "$build"
(cd "$build" && cpack -G DEB >/dev/null)
ls "$build"/*.deb
