#!/usr/bin/env bash
# Installs, builds and runs every test (window tests on the offscreen platform), then the
# window tests again under the Italian locale.
# BOLV_BUILD names another build folder than build/.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "${BOLV_BUILD:-build}" --output-on-failure -j "$(nproc)"
# The window tests again under an Italian system locale: no text may depend on it.
LC_ALL=it_IT.UTF-8 ctest --test-dir "${BOLV_BUILD:-build}" --output-on-failure -j "$(nproc)" \
    -L finestre
