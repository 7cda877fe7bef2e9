#!/usr/bin/env bash
# Runs each fuzz target of a fuzz build for SECONDS, starting from its seed corpus, and prints
# how many inputs each ran and what it covered. New inputs go to BUILD/corpus/, so that the
# committed seeds stay as they are; an input that breaks an invariant goes to BUILD/crashes/.
# Usage: scripts/fuzz.sh BUILD SECONDS
set -euo pipefail

build=$1
seconds=$2
seeds=fuzz/corpus
# The targets' scratch folders, left behind when libFuzzer ends a run abruptly.
export TMPDIR="$build/tmp"
mkdir -p "$TMPDIR" "$build/crashes"

failed=()
summary=()
for target_seeds in "$seeds"/*/; do
    target=$(basename "$target_seeds")
    corpus="$build/corpus/$target"
    log="$build/fuzz-$target.log"
    mkdir -p "$corpus"
    echo "== $target: $seconds s"
    if ! "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$build/crashes/$target-" "$corpus" "$target_seeds" >"$log" 2>&1; then
        failed+=("$target")
        tail -n 30 "$log"
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    coverage=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$log" | tail -n 1)
    summary+=("$(printf '%-14s %10s runs   %s' "$target" "${runs:-?}" "${coverage:-?}")")
done
rm -rf "$TMPDIR"

printf '%s\n' "${summary[@]}"
if [ ${#failed[@]} -gt 0 ]; then
    echo "Broken invariants or crashes in: ${failed[*]} (inputs in $build/crashes/)" >&2
    exit 1
fi
