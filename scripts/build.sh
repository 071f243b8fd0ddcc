#!/usr/bin/env bash
# Configures and builds Torvane and its tests for this host's mode (see arch.sh) in build/ (x86)
# or build-x64/ (x64), or in $TORVANE_BUILD_DIR.
set -euo pipefail
source "$(dirname "$0")/arch.sh"
root=$torvane_root
build=$TORVANE_BUILD_DIR
launcher=()
if command -v ccache >/dev/null; then
    # A compiler cache keyed on paths relative to the source tree, so that other checkouts and
    # build folders of the same sources share it.
    export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
if [ "$TORVANE_ARCH" = x64 ]; then toolchain=mingw-x86_64.cmake; else toolchain=mingw-i686.cmake; fi
if [ -f "$build/CMakeCache.txt" ] && ! grep -q "^CMAKE_TOOLCHAIN_FILE:.*/$toolchain\$" "$build/CMakeCache.txt"; then
    echo "$build was configured for another mode: use another TORVANE_BUILD_DIR, or remove it." >&2
    exit 2
fi
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$toolchain" \
          -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" >/dev/null ||
        { echo "Configuring $build failed (see above)." >&2; exit 1; }
fi
cmake --build "$build" -j"$(nproc)" "$@" ||
    { echo "Building in $build failed (see above)." >&2; exit 1; }
