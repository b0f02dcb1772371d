#!/usr/bin/env bash
# Builds every libFuzzer target with clang (in build-fuzz/, or $FUZZ_BUILD_DIR)
# and runs each for a bounded time over its seed corpus in fuzz/corpus/<target>.
# Usage: scripts/fuzz.sh [seconds per target, default 30]. Exits non-zero when
# any target finds a crash, a leak, undefined behaviour, an allocation above
# 256 MB or a process above 512 MB.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-30}"
build="${FUZZ_BUILD_DIR:-build-fuzz}"

cmake -S . -B "$build" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVALDMOOR_FUZZ=ON -DVALDMOOR_TESTS=OFF -DVALDMOOR_BENCH=OFF >/dev/null
cmake --build "$build" --target fuzzers -j 2

# The targets run side by side, so the whole run takes about the time of one.
targets=()
while read -r target; do
    [ -n "$target" ] || continue
    targets+=("$target")
    # New inputs go to a scratch corpus in the build tree; the committed seeds
    # are only read.
    work="$build/fuzz/work/$target"
    artifacts="$build/fuzz/artifacts/$target"
    mkdir -p "$work" "$artifacts"
    echo "== $target: ${seconds} s =="
    # A decoder must stay within these bounds whatever a file claims; inputs
    # may be large enough to reach the decoders' own ceilings.
    ( status=0
      "$build/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
          -rss_limit_mb=512 -malloc_limit_mb=256 -max_len=65536 \
          -artifact_prefix="$artifacts/" "$work" "fuzz/corpus/$target" >"$build/fuzz/$target.log" 2>&1 || status=$?
      echo "$status" >"$build/fuzz/$target.status" ) &
done <"$build/fuzz/fuzzers.txt"
wait

failed=()
summary=()
for target in "${targets[@]}"; do
    log="$build/fuzz/$target.log"
    if [ "$(cat "$build/fuzz/$target.status")" = 0 ]; then
        status=ok
    else
        status=FAILED
        failed+=("$target")
        tail -n 40 "$log"
    fi
    runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
    speed="$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")"
    summary+=("$target: $status, ${runs:-?} runs, ${speed:-?} exec/s (log: $log)")
done

printf '%s\n' "${summary[@]}"
if [ "${#failed[@]}" -gt 0 ]; then
    echo "Findings in: ${failed[*]}; inputs under $build/fuzz/artifacts/" >&2
    exit 1
fi
