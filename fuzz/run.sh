#!/usr/bin/env bash
# Builds the fuzz targets with clang in build-fuzz/ and runs them, both at
# once (one core each). The corpus grows in build-fuzz/corpus/ from run to
# run; a failing input is saved in build-fuzz/artifacts/ and its message is in
# the target's log.
#
#   fuzz/run.sh              10 seconds per target
#   fuzz/run.sh --long       10 million executions per target
#   fuzz/run.sh --runs N     N executions per target
#   fuzz/run.sh --time S     S seconds per target
#
# To replay a failing input: build-fuzz/design_fuzzer build-fuzz/artifacts/design/crash-...
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="$(cd "$here/.." && pwd)/build-fuzz"

limit=(-max_total_time=10)
case "${1:-}" in
    "") ;;
    --long) limit=(-runs=10000000) ;;
    --runs) limit=(-runs="${2:?--runs needs a number}") ;;
    --time) limit=(-max_total_time="${2:?--time needs seconds}") ;;
    *) echo "usage: $0 [--long | --runs N | --time SECONDS]" >&2; exit 2 ;;
esac

cmake -S "$here/targets" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 >/dev/null

pids=()
for name in parse design; do
    mkdir -p "$build/corpus/$name" "$build/artifacts/$name"
    "$build/${name}_fuzzer" "${limit[@]}" -dict="$here/frequency.dict" -print_final_stats=1 \
        -artifact_prefix="$build/artifacts/$name/" "$build/corpus/$name" "$here/seeds/$name" \
        >"$build/$name.log" 2>&1 &
    pids+=($!)
done

status=0
for i in 0 1; do
    name=$([ $i -eq 0 ] && echo parse || echo design)
    if wait "${pids[$i]}"; then result=passed; else result=FAILED; status=1; fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$build/$name.log")
    secs=$(sed -n 's/^stat::.*//; s/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$build/$name.log")
    echo "$name: $result, ${runs:-?} executions in ${secs:-?} s (log: $build/$name.log)"
    [ "$result" = passed ] || grep -E '^(ParseLeadingNumber|Design with)|SUMMARY|ERROR' "$build/$name.log" | head -5
done
exit $status
