#!/usr/bin/env bash
# Installs, builds and runs every test (window tests on the offscreen platform).
# BOLV_BUILD names another build folder than build/.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "${BOLV_BUILD:-build}" --output-on-failure -j "$(nproc)"
