#!/usr/bin/env bash
# Installs what is missing, builds every test with the address and undefined-behaviour
# sanitizers (any report fails) and runs them all, then runs each fuzz target for a while.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# Rebuilds in another clone or worktree reuse compiled objects.
export CMAKE_CXX_COMPILER_LAUNCHER=ccache CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DDPMR_SANITIZE=ON -DDPMR_BUILD_TESTS=ON \
    -DDPMR_WERROR=ON >/dev/null
cmake --build build-test -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-test --output-on-failure -j"$(nproc)" "$@"
# The libFuzzer targets, about 30 s each, when clang is there.
scripts/fuzz.sh
