#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each for a bounded time
# (FUZZ_SECONDS, default 30) over its seed corpus in tests/fuzz/corpus/. Inputs that find new
# coverage collect in build-fuzz/corpus/; an input that breaks a property is kept in
# build-fuzz/artifacts/ and fails the run. Without clang and its fuzzer runtime it says so and
# does nothing.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-30}
if [ "$seconds" = 0 ]; then
    echo "fuzz: FUZZ_SECONDS=0; fuzz targets skipped" >&2
    exit 0
fi
if ! command -v clang++ >/dev/null ||
    [ ! -e "$(clang++ -print-runtime-dir 2>/dev/null)/libclang_rt.fuzzer-x86_64.a" ]; then
    echo "fuzz: clang++ with its libFuzzer runtime not found; fuzz targets skipped" >&2
    exit 0
fi
export CMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER-ccache}
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDPMR_SANITIZE=ON -DDPMR_BUILD_FUZZ=ON \
    -DDPMR_BUILD_UI=OFF -DDPMR_BUILD_TESTS=OFF -DDPMR_WERROR=ON >/dev/null
cmake --build build-fuzz -j"$(nproc)" -t fuzz_targets
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
mkdir -p build-fuzz/artifacts
status=0
for target in csv_import_fuzz toml_apply_fuzz set_fuzz image_fuzz; do
    corpus=build-fuzz/corpus/$target
    mkdir -p "$corpus"
    dict=()
    [ -e "tests/fuzz/$target.dict" ] && dict=(-dict="tests/fuzz/$target.dict")
    log=build-fuzz/$target.log
    if build-fuzz/bin/$target -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix=build-fuzz/artifacts/$target- "${dict[@]}" \
        "$corpus" "tests/fuzz/corpus/$target" >"$log" 2>&1; then
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
        cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1)
        echo "fuzz: $target passed: $runs runs, $cov, corpus $(ls "$corpus" | wc -l) inputs"
    else
        echo "fuzz: $target FAILED; see $log and build-fuzz/artifacts/" >&2
        tail -n 30 "$log" >&2
        status=1
    fi
done
exit $status
