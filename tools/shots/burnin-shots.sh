#!/usr/bin/env bash
# Shows the CPU test page on a virtual display inside Wine's virtual desktop and writes two
# pictures: a run in progress and the completed test.
#   burnin-shots.sh [OUTPUT-FOLDER]     (default: docs/screenshots)
# Needs the build (TORVANE_BUILD_DIR, default build/) to hold shots/page_shots.exe.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${TORVANE_BUILD_DIR:-$root/build}
out=${1:-$root/docs/screenshots}
tests=$build/shots/page_shots.exe
[ -f "$tests" ] || { echo "no $tests: build first" >&2; exit 1; }

mkdir -p "$out"
. "$root/tools/shots/shots.sh"
shots_on_display 24 "$out"
shots_prefix burnin-shots
drive=$WINEPREFIX/drive_c
rm -f "$drive"/burnin-*.ready
wine explorer /desktop=Burnin,800x600 "$tests" \
    --gtest_filter='CpuTestPageShots.Screenshots' </dev/null >/dev/null 2>&1 &
runner=$!

# The harness creates a flag file when the window shows a state and waits until it is gone.
shoot() {
    local flag=$drive/burnin-$1.ready
    for _ in $(seq 600); do [ -f "$flag" ] && break; sleep 0.1; done
    [ -f "$flag" ] || { echo "no $1 state" >&2; return 1; }
    sleep 0.5
    # The harness window sits at 20,20 with its frame around the 442 x 490 client area.
    xwd -root -silent | convert xwd:- -crop 480x540+0+0 +repage "$out/burnin-$1.png"
    rm -f "$flag"
    echo "$out/burnin-$1.png"
}
shoot running
shoot completed
wait "$runner" || true
wineserver -k </dev/null >/dev/null 2>&1 || true
