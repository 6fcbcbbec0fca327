#!/usr/bin/env bash
# Installs what is missing, builds (incrementally) and starts the program.
# Arguments go to the program, for example a .dat file to open.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# Rebuilds in another clone or worktree reuse compiled objects.
export CMAKE_CXX_COMPILER_LAUNCHER=ccache CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
exec build/bin/dpmr-cps "$@"
