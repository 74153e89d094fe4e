#!/usr/bin/env bash
# Fuzzes each reader harness with libFuzzer for the given number of seconds,
# built with clang, AddressSanitizer and UndefinedBehaviorSanitizer in
# build-fuzz/.
#   tests/fuzz/fuzz.sh [seconds, default 60] [harness ... (default: all)]
# Inputs that reach new code are kept in build-fuzz/corpus/<harness>/,
# seeded from tests/fuzz/corpus/<harness>/. An input that crashes, leaks,
# runs out of memory or takes too long is written to
# tests/fuzz/crashes/<harness>/, where the fuzz_replay_<harness> test runs it
# from then on: commit it with the fix. Exit status 1 when anything was found.
set -euo pipefail
cd "$(dirname "$0")/../.."
source .ci/common.sh
zarvo_install clang libclang-rt-dev

seconds=${1:-60}
shift || true
harnesses=("$@")
if [ ${#harnesses[@]} -eq 0 ]; then
    harnesses=()
    for d in tests/fuzz/corpus/*/; do harnesses+=("$(basename "$d")"); done
fi

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DZARVO_SANITIZE=address,undefined -DZARVO_FUZZ=ON \
    -DZARVO_BUILD_APP=OFF -DZARVO_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz --parallel "$(nproc)" --target zarvo_fuzzers

# The readers do not limit the size of what they read yet: inputs are kept
# to 64 KiB and a run may take 2 GiB before it counts as out of memory.
found=0
for h in "${harnesses[@]}"; do
    corpus=build-fuzz/corpus/$h
    crashes=tests/fuzz/crashes/$h
    log=build-fuzz/fuzz-$h.log
    mkdir -p "$corpus" "$crashes"
    echo "== fuzzing $h for $seconds s (log: $log)"
    status=0
    build-fuzz/bin/zarvo_fuzz_"$h" "$corpus" "tests/fuzz/corpus/$h" \
        -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=2048 -timeout=25 \
        -artifact_prefix="$crashes/" -print_final_stats=1 >"$log" 2>&1 || status=$?
    grep -E "^(stat::number_of_executed_units|stat::peak_rss_mb|Done )|ERROR|SUMMARY|Test unit written" "$log" || true
    if [ "$status" -ne 0 ]; then
        echo "== $h: FINDING (status $status), see $log"
        found=1
    fi
done
exit "$found"
