#!/usr/bin/env bash
# Builds the fuzz targets with clang in build/fuzz (the one fuzz
# configuration: -O1, line tables only, ASan+UBSan, only the libraries the
# targets link) and runs each for the given number of minutes, one after the
# other, printing for each the executions, the coverage reached and the
# findings. Each grows its own working corpus in build/fuzz/work/NAME from
# the seeds and writes crashing inputs to build/fuzz/findings/NAME/.
# With 0 minutes it only replays every seed corpus once (what the test run
# does). Exits non-zero on a finding.
#
#   scripts/fuzz.sh [MINUTES] [TARGET...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
minutes=${1:-10}
[ $# -gt 0 ] && shift
case $minutes in
    '' | *[!0-9]*) echo "usage: scripts/fuzz.sh [MINUTES] [TARGET...]" >&2; exit 64 ;;
esac
"$root/scripts/install-deps.sh"
build="$root/build/fuzz"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE= \
      -DCMAKE_CXX_FLAGS="-O1 -gline-tables-only" -DRQ_BUILD_FUZZ=ON -DRQ_BUILD_GUI=OFF \
      -DRQ_BUILD_BENCH=OFF -DRQ_WERROR=ON >/dev/null
cmake --build "$build" --target rq_fuzz

if [ "$minutes" -eq 0 ]; then
    # Every seed once, no mutation: the CTest tests labelled "fuzz".
    cd "$build" && exec ctest -L fuzz --output-on-failure --timeout 300 -j "$(nproc)"
fi

# Every fuzz target registers a replay test named replay_<target>.
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    mapfile -t targets < <(cd "$build" && ctest -N -L fuzz | sed -n 's/.*replay_\(fuzz_[A-Za-z0-9_]*\)$/\1/p')
fi

status=0
printf '%-22s %12s %8s %8s %9s\n' target executions cov ft findings
for target in "${targets[@]}"; do
    name=${target#fuzz_}
    work="$build/work/$name" findings="$build/findings/$name" log="$build/logs/$target.log"
    mkdir -p "$work" "$findings" "$(dirname "$log")"
    seeds=("$root/fuzz/corpus/$name")
    [ -d "$build/fuzz/long_seeds/$name" ] && seeds+=("$build/fuzz/long_seeds/$name")
    before=$(find "$findings" -maxdepth 1 -type f | wc -l)
    "$build/fuzz/$target" -max_total_time=$((minutes * 60)) -print_final_stats=1 -timeout=30 \
        -artifact_prefix="$findings/" "$work" "${seeds[@]}" >"$log" 2>&1 || true
    # libFuzzer times an input by the clock, waiting for the processor
    # included: a slow input is a finding only when it is slow on its own
    # too; one that was only slow on a busy machine goes to under-load/.
    for unit in "$findings"/slow-unit-*; do
        [ -e "$unit" ] || continue
        start=$(date +%s)
        timeout 120 "$build/fuzz/$target" "$unit" >/dev/null 2>&1 || true
        if [ $(($(date +%s) - start)) -lt 10 ]; then
            mkdir -p "$findings/under-load"
            mv "$unit" "$findings/under-load/"
        fi
    done
    found=$(($(find "$findings" -maxdepth 1 -type f | wc -l) - before))
    # A run stopped at its first input (a timeout) has no coverage lines.
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2 || true)
    ft=$(grep -o 'ft: [0-9]*' "$log" | tail -1 | cut -d' ' -f2 || true)
    printf '%-22s %12s %8s %8s %9s\n' "$target" "${execs:-?}" "${cov:-?}" "${ft:-?}" "$found"
    [ "$found" -eq 0 ] || status=1
done
[ $status -eq 0 ] || echo "Findings are in $build/findings; logs in $build/logs." >&2
exit $status
