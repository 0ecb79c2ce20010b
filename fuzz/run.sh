#!/usr/bin/env bash
# Builds the file-reader fuzz targets with clang (libraries instrumented too) and runs the three
# side by side for TIME_SECONDS each from the small seeds of the tree, inputs up to 4 kB, so that
# every execution is short. Then a run a tenth as long starts from inputs at each reader's limits
# (the most rows, and one more) and lets them grow to 4 MB. Prints executions and crashes per target.
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

# Seeds at the readers' limits (the most rows, and one more), made here rather than kept in the tree.
large="$build/fuzz-seeds-large"
mkdir -p "${targets[@]/#/$large/}"
v2_seed() {   # empty site values, a landfill, $1 rows of empty values
    printf 'Version 2.0'; head -c 30 /dev/zero; printf '\x08\x00\x02\x00LF'; head -c 14 /dev/zero
    printf "$(printf '\\x%02x\\x%02x\\x%02x\\x00' $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)))"
    head -c $((64 * $1)) /dev/zero
}
v1_seed() {   # $1 constituent records
    printf 'Pet,Addr,Suite,User,1,none\r\n0.1,1E-5,5000,20,0\r\n%d\r\n' "$1"; printf 'x,0,0,71432,1,1\r\n%.0s' $(seq "$1")
}
for rows in 32767 32768; do
    v2_seed $rows >"$large/v2_reader/rows-$rows"
    v1_seed $rows >"$large/v1_reader/rows-$rows"
    head -c $((56 * rows)) /dev/zero >"$large/tvx_reader/rows-$rows"
done

# fuzz TARGET SECONDS MAX_LEN LOG CORPUS...: one target in the background; new inputs go to the
# first corpus folder.
fuzz() {
    local t=$1 time=$2 len=$3 log=$4
    shift 4
    mkdir -p "$1" "$build/fuzz-crashes/$t"
    "$build/fuzz/fuzz_$t" -max_total_time="$time" -max_len="$len" -print_final_stats=1 -rss_limit_mb=4096 \
        -artifact_prefix="$build/fuzz-crashes/$t/" "$@" >"$log" 2>&1 &
}
executions() { grep -o 'stat::number_of_executed_units: [0-9]*' "$1" | awk '{print $2}' | tail -1; }

for t in "${targets[@]}"; do
    fuzz "$t" "$seconds" 4096 "$build/fuzz-$t.log" "$build/fuzz-corpus/$t" "$top/fuzz/seeds/$t"
done
wait
for t in "${targets[@]}"; do
    fuzz "$t" $(((seconds + 9) / 10)) 4194304 "$build/fuzz-$t-large.log" "$build/fuzz-corpus-large/$t" "$large/$t"
done
wait
status=0

for t in "${targets[@]}"; do
    runs=$(executions "$build/fuzz-$t.log")
    large_runs=$(executions "$build/fuzz-$t-large.log")
    crashes=$(find "$build/fuzz-crashes/$t" -type f ! -name 'slow-unit-*' | wc -l)
    slow=$(find "$build/fuzz-crashes/$t" -type f -name 'slow-unit-*' | wc -l)
    echo "$t: ${runs:-?} executions, ${large_runs:-?} more from the inputs at the limits, $crashes crashes," \
        "$slow slow inputs (logs: $build/fuzz-$t.log, $build/fuzz-$t-large.log)"
    [ "$crashes" -eq 0 ] || status=1
done
exit $status
