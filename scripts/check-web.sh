#!/usr/bin/env bash
# Checks that the web edition builds reproducibly: scripts/web.sh runs in
# two clones of this commit at different paths, and every file of both
# build-web/ folders is the same bytes. Prints the sha256 of each folder
# (of the sorted list of its files' sha256).
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/common.sh
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
ve_dvou_klonech "$tmp" web.sh
diff -r "$tmp/a/build-web" "$tmp/one-path/b/build-web"
for clone in "$tmp/a" "$tmp/one-path/b"; do
    echo "$(cd "$clone/build-web" && find . -type f | LC_ALL=C sort | xargs sha256sum | sha256sum | cut -d' ' -f1)  $clone/build-web"
done
