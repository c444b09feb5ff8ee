#!/usr/bin/env bash
# Sets everything up, builds and opens the window.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
exec "${VENTIL_BUILD:-build}/form/ventil"
