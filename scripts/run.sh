#!/usr/bin/env bash
# Sets up what building needs, builds the program alone and opens the window.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh ventil
exec "${VENTIL_BUILD:-build}/form/qt/ventil"
