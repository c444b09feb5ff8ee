#!/usr/bin/env bash
# Installs the built program into a scratch prefix and checks that a desktop
# finds everything: binary, desktop entry, icons, metainfo, manual page,
# changelog and copyright, and that the validators of freedesktop and
# AppStream accept the two files.
# Usage: instalace.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

id=cz.ventil.Ventil
for f in bin/ventil \
    share/applications/$id.desktop \
    share/metainfo/$id.metainfo.xml \
    share/icons/hicolor/32x32/apps/$id.png \
    share/icons/hicolor/64x64/apps/$id.png \
    share/icons/hicolor/scalable/apps/$id.svg \
    share/doc/ventil/OFL.txt \
    share/doc/ventil/copyright \
    share/doc/ventil/changelog.gz \
    share/man/man1/ventil.1.gz; do
    [ -s "$prefix/$f" ] || { echo "missing: $f"; exit 1; }
done
[ -x "$prefix/bin/ventil" ] || { echo "bin/ventil is not executable"; exit 1; }
desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null
echo "installed and valid"
