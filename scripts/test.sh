#!/usr/bin/env bash
# Builds and runs every test:
#   1. the normal build with all tests (core, start-up, translations, installation data);
#   2. the core tests again under AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer;
#   3. a short run of each fuzz target (HESTIVA_FUZZ_SECONDS, default 30 s each).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh

jobs=$(nproc)
echo "== Build and test"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"
(cd build && ctest --output-on-failure -j "$jobs")

echo "== Core tests under the sanitizers, and the fuzz targets"
# A debug build (Qt's own checks stay on) optimised with -O1, as fuzzing is usually built: the
# fuzz targets run about three times as many inputs a second as at -O0.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-g -O1" \
    -DCMAKE_CXX_COMPILER=clang++ -DHESTIVA_BUILD_GUI=OFF -DHESTIVA_BUILD_BENCH=OFF -DHESTIVA_FUZZ=ON \
    -DHESTIVA_SANITIZE=address,undefined >/dev/null
cmake --build build-asan -j "$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd build-asan && ctest --output-on-failure -j "$jobs")

seconds=${HESTIVA_FUZZ_SECONDS:-30}
for target in database lookuplist locationupdate csv; do
    echo "== fuzz_$target for ${seconds} s"
    # New inputs go to a scratch folder; the committed seed corpus is only read.
    scratch=$(mktemp -d)
    build-asan/fuzz/fuzz_$target -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix=build-asan/fuzz/ "$scratch" "fuzz/corpus/$target" 2>&1 \
        | grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|Done|==[0-9]+==ERROR|SUMMARY)' || true
    rm -rf "$scratch"
    if ls build-asan/fuzz/crash-* build-asan/fuzz/leak-* build-asan/fuzz/timeout-* >/dev/null 2>&1; then
        echo "fuzz_$target found a failing input:"; ls build-asan/fuzz/crash-* build-asan/fuzz/leak-* build-asan/fuzz/timeout-* 2>/dev/null
        exit 1
    fi
done
echo "== All tests passed"
