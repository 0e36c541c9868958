#!/usr/bin/env bash
# Runs every fuzz target of a build for a few seconds from its committed seeds.
# Usage: scripts/fuzz.sh BUILD-FOLDER [SECONDS]   (default 5 seconds each)
# New inputs go to BUILD-FOLDER/fuzz-corpus/, an input that breaks a target to
# BUILD-FOLDER/fuzz-crash-*; the first failing target ends the run.
set -euo pipefail
cd "$(dirname "$0")/.."
build="$1"
seconds="${2:-5}"
[ -s "$build/fuzz-targets.txt" ] || { echo "no fuzz targets in $build (clang only)" >&2; exit 1; }
while IFS=: read -r target seeds; do
    [ -n "$target" ] || continue
    corpus="$build/fuzz-corpus/$target"
    mkdir -p "$corpus"
    echo "fuzz: $target for $seconds s from fuzz/semi/$seeds"
    "$build/bin/$target" -max_total_time="$seconds" -print_final_stats=0 \
        -artifact_prefix="$build/fuzz-crash-$target-" "$corpus" "fuzz/semi/$seeds" \
        > "$build/fuzz-$target.log" 2>&1 || { tail -n 60 "$build/fuzz-$target.log"; exit 1; }
    tail -n 1 "$build/fuzz-$target.log"
done < "$build/fuzz-targets.txt"
