#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (address and undefined-behaviour
# sanitizers) and runs each one for a bounded time, starting from its seed
# corpus in fuzz/corpus. Fails when a target crashes, reports a sanitizer
# error or a leak, or times out on one input. New inputs it finds go to
# build-fuzz/corpus (the seeds in the repository are left alone); an input
# that made a target fail is kept under build-fuzz/artifacts.
#   FUZZ_SECONDS  time per target (default 20)
#   FUZZ_JOBS     targets run at once (default: half the processors, at most 4)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-20}
jobs=${FUZZ_JOBS:-$(( $(nproc) / 2 > 4 ? 4 : ($(nproc) / 2 > 0 ? $(nproc) / 2 : 1) ))}
out=build-fuzz

CXX=clang++ cmake -S . -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAP_FUZZ=ON \
    -DTAP_BUILD_GUI=OFF -DTAP_BUILD_TESTS=OFF -DTAP_BUILD_BENCH=OFF >/dev/null
cmake --build "$out" -j "$(nproc)"

mkdir -p "$out/artifacts" "$out/logs"
targets=()
for seeds in fuzz/corpus/*/; do
    targets+=("$(basename "$seeds")")
done

run_one() {
    local name=$1 out=$2 seconds=$3 max_len=()
    # Packages take inputs of up to 64 KB: long enough for a central
    # directory behind entries and an end record behind a long comment.
    if [[ $name == package_walk ]]; then
        max_len=(-max_len=65536)
    fi
    mkdir -p "$out/corpus/$name"
    "$out/fuzz/${name}_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        "${max_len[@]}" \
        -artifact_prefix="$out/artifacts/$name-" -print_final_stats=1 \
        "$out/corpus/$name" "fuzz/corpus/$name" >"$out/logs/$name.log" 2>&1
}
export -f run_one

status=0
printf '%s\n' "${targets[@]}" |
    xargs -P "$jobs" -I{} bash -c 'run_one "$1" "$2" "$3"' _ {} "$out" "$seconds" || status=1

for name in "${targets[@]}"; do
    log="$out/logs/$name.log"
    runs=$(sed -n 's/^Done \([0-9]*\) runs.*/\1/p' "$log")
    if [[ -z $runs ]] || grep -qE 'ERROR: |runtime error:|SUMMARY: ' "$log"; then
        echo "fuzz $name: FAILED (see $log)"
        grep -E 'ERROR: |runtime error:|SUMMARY: |Test unit written' "$log" | head -5
        status=1
    else
        echo "fuzz $name: $runs runs in ${seconds}s, no finding"
    fi
done
exit $status
