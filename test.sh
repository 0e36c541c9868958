#!/usr/bin/env bash
# Installs, builds and runs every test (window tests on the offscreen platform).
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j "$(nproc)"
