#!/bin/sh
# Runs every benchmark of a build one after another and ends with their summary lines.
#   bench/run_benchmarks.sh [BUILD_DIR] [RUNS]
# BUILD_DIR defaults to build; RUNS (default 1) repeats the set, for figures on a busy machine.
set -e
build=${1:-build}
runs=${2:-1}
log=$(mktemp)
trap 'rm -f "$log"' EXIT
i=0
while [ "$i" -lt "$runs" ]; do
    for name in forward_run delisting_run startup run_to_windows open_analysis; do
        "$build/bench/$name" >>"$log" 2>&1
    done
    i=$((i + 1))
done
grep -E '^[a-z_]+: [0-9.]+ ms' "$log"
