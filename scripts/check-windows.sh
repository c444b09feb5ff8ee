#!/usr/bin/env bash
# Checks that the Windows edition builds reproducibly: scripts/windows.sh
# runs in two clones of this commit at different paths, and ventil.exe and
# the MSI of both are the same bytes. Prints their sha256.
set -euo pipefail
cd "$(dirname "$0")/.."
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for clone in "$tmp/a" "$tmp/one-path/b"; do
    git clone -q --no-hardlinks . "$clone"
    git -C "$clone" checkout -q "$(git rev-parse HEAD)"
    bash "$clone/scripts/windows.sh" >"$tmp/log" 2>&1 || { cat "$tmp/log"; exit 1; }
done
for f in ventil.exe "ventil-$(sed -n '1s/^ventil (\([^)]*\)).*/\1/p' packaging/changelog)-x64.msi"; do
    cmp "$tmp/a/build-windows/$f" "$tmp/one-path/b/build-windows/$f"
    sha256sum "$tmp/a/build-windows/$f" "$tmp/one-path/b/build-windows/$f"
done
