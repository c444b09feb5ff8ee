#!/usr/bin/env bash
# Checks that the Windows edition builds reproducibly: scripts/windows.sh
# runs in two clones of this commit at different paths, and ventil.exe and
# the MSI of both are the same bytes. Prints their sha256.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/common.sh
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
ve_dvou_klonech "$tmp" windows.sh
for f in ventil.exe "ventil-$(sed -n '1s/^ventil (\([^)]*\)).*/\1/p' packaging/changelog)-x64.msi"; do
    cmp "$tmp/a/build-windows/$f" "$tmp/one-path/b/build-windows/$f"
    sha256sum "$tmp/a/build-windows/$f" "$tmp/one-path/b/build-windows/$f"
done
