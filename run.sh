#!/usr/bin/env bash
# Installs, builds and starts Bolv on the shipped data; "./run.sh cruciverba" starts cruciverba.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
program="${1:-Bolv}"
case "$program" in
    Bolv|bolv) exec build/bin/Bolv ;;
    cruciverba) exec build/bin/cruciverba ;;
    *) echo "usage: ./run.sh [cruciverba]" >&2; exit 2 ;;
esac
