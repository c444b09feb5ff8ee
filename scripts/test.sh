#!/usr/bin/env bash
# Sets everything up, builds and runs every test through CTest (the
# formatting check included).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cd "${VENTIL_BUILD:-build}"
ctest --output-on-failure --no-tests=error -j"$(nproc)"
