#!/usr/bin/env bash
# Builds the file-reader fuzz targets with clang (libraries instrumented too) and runs the three
# side by side for TIME_SECONDS each, then prints executions and crashes per target. Inputs may
# grow to 4 MB, past the most rows each reader accepts.
# Usage: fuzz/run.sh TIME_SECONDS
set -euo pipefail
seconds=${1:?usage: fuzz/run.sh TIME_SECONDS}
top="$(cd "$(dirname "$0")/.." && pwd)"
build="${TOVI_FUZZ_BUILD_DIR:-$top/build-fuzz}"
flags="-fsanitize=address,undefined -fsanitize=fuzzer-no-link -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
targets=(v2_reader v1_reader tvx_reader)

if [ ! -f "$build/build.ninja" ]; then
    CC=clang CXX=clang++ cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags"
fi
cmake --build "$build" --target "${targets[@]/#/fuzz_}"

for t in "${targets[@]}"; do
    mkdir -p "$build/fuzz-corpus/$t" "$build/fuzz-crashes/$t"
    "$build/fuzz/fuzz_$t" -max_total_time="$seconds" -print_final_stats=1 -rss_limit_mb=4096 -max_len=4194304 \
        -artifact_prefix="$build/fuzz-crashes/$t/" "$build/fuzz-corpus/$t" "$top/fuzz/seeds/$t" \
        >"$build/fuzz-$t.log" 2>&1 &
done
wait
status=0

for t in "${targets[@]}"; do
    runs=$(grep -o 'stat::number_of_executed_units: [0-9]*' "$build/fuzz-$t.log" | awk '{print $2}' | tail -1)
    crashes=$(find "$build/fuzz-crashes/$t" -type f | wc -l)
    echo "$t: ${runs:-?} executions, $crashes crashes (log: $build/fuzz-$t.log)"
    [ "$crashes" -eq 0 ] || status=1
done
exit $status
