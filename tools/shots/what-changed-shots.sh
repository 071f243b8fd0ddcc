#!/usr/bin/env bash
# Shows "What Changed" with three settings changed since the backup on a virtual display inside
# Wine's virtual desktop and writes docs/screenshots/what-changed.png.
# Needs the build (TORVANE_BUILD_DIR, default build/) to hold shots/page_shots-winxp.exe.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${TORVANE_BUILD_DIR:-$root/build}
out=${1:-$root/docs/screenshots}
tests=$build/shots/page_shots-winxp.exe
[ -f "$tests" ] || { echo "no $tests: build first" >&2; exit 1; }

mkdir -p "$out"
. "$root/tools/shots/shots.sh"
shots_on_display 24 "$out"
fresh=0
[ -f "$build/what-changed-shots-prefix/system.reg" ] || fresh=1
shots_prefix what-changed-shots
if [ "$fresh" = 1 ]; then
    # The emulated versions of the test programs.
    wine regedit /S "$(winepath -w "$build/test-versions.reg" 2>/dev/null)" </dev/null >/dev/null 2>&1
fi
find "$WINEPREFIX/drive_c/users" -name what-changed-shot.txt -delete 2>/dev/null || true
wine explorer /desktop=WhatChangedShots,800x600 "$tests" \
    --gtest_filter='WhatChangedShots.*' </dev/null >/dev/null 2>&1 &
runner=$!

for _ in $(seq 1 600); do
    marker=$(find "$WINEPREFIX/drive_c/users" -name what-changed-shot.txt 2>/dev/null | head -1)
    if [ -n "$marker" ] && [ -s "$marker" ]; then
        place=$(cat "$marker")
        sleep 0.5
        # The picture holds the dialog alone, at the place it wrote.
        xwd -root -silent | convert xwd:- -crop "$place" +repage \
            "$out/what-changed.png"
        echo "$out/what-changed.png"
        rm -f "$marker"
        break
    fi
    sleep 0.1
done
wait "$runner" || true
wineserver -k </dev/null >/dev/null 2>&1 || true
