#!/usr/bin/env bash
# Shows the memory status page and its two dialogs on a virtual display inside Wine's virtual
# desktop and writes docs/screenshots/status-page.png, status-options.png and status-report.png.
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
shots_prefix status-shots
find "$WINEPREFIX/drive_c/users" -name status-shot.txt -delete 2>/dev/null || true
wine explorer /desktop=StatusShots,800x600 "$tests" \
    --gtest_filter='MemoryStatusShots.*' </dev/null >/dev/null 2>&1 &
runner=$!

taken=0
for _ in $(seq 1 600); do
    marker=$(find "$WINEPREFIX/drive_c/users" -name status-shot.txt 2>/dev/null | head -1)
    if [ -n "$marker" ] && [ -s "$marker" ]; then
        phase=$(cat "$marker")
        sleep 0.5
        if [ "$phase" = page ]; then
            # The plain window sits at 20,20 and is as large as the main window.
            xwd -root -silent | convert xwd:- -crop 442x490+20+20 +repage "$out/status-$phase.png"
        else
            xwd -root -silent | convert xwd:- -crop 800x600+0+0 +repage "$out/status-$phase.png"
        fi
        echo "$out/status-$phase.png"
        rm -f "$marker"
        taken=$((taken + 1))
        [ "$taken" -eq 3 ] && break
    fi
    sleep 0.1
done
wait "$runner" || true
wineserver -k </dev/null >/dev/null 2>&1 || true
