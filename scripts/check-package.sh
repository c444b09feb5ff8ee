#!/usr/bin/env bash
# Makes the Debian package as the README says and checks it: lintian finds
# no error and no warning, and a second package, built from scratch in
# another directory, is the same bytes. Prints both packages' sha256.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/package.sh
bash scripts/install-missing.sh lintian
lintian --version
lintian --fail-on error,warning --display-info build-deb/ventil_*.deb

VENTIL_DEB_BUILD=build-deb2 bash scripts/package.sh >/dev/null
cmp build-deb/ventil_*.deb build-deb2/ventil_*.deb
sha256sum build-deb/ventil_*.deb build-deb2/ventil_*.deb
