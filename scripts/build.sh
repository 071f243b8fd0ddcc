#!/usr/bin/env bash
# Configures and builds Torvane and its tests for 32-bit Windows in build/ (or $TORVANE_BUILD_DIR).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TORVANE_BUILD_DIR:-$root/build}
launcher=()
if command -v ccache >/dev/null; then
    # A compiler cache keyed on paths relative to the source tree, so that other checkouts and
    # build folders of the same sources share it.
    export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
          -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" >/dev/null
fi
cmake --build "$build" -j"$(nproc)" "$@"
