#!/usr/bin/env bash
# The main window at 256 colours. Wine 8.0 cannot show it on an 8-bit display: its client-side
# window surfaces show only the 20 static colours whatever palette a program realises
# (main-256-wine.png, from main-shots.sh --depth 8), and with ClientSideGraphics=N it paints no
# child window at all, not even its own taskbar's buttons. So this script maps the 24-bit
# pictures of main-shots.sh onto exactly the colours a 256-colour Windows display holds while
# Torvane's main window is in the foreground: the 20 static colours and the skin palette the
# program realises, built by the program's own code from the program file (palette_dump). Each
# pixel takes the nearest of those colours, as Windows maps a colour on a palette display.
#   main-256.sh [SCREENSHOT_DIR]
# Needs the build (TORVANE_BUILD_DIR, default build/) and main-*.png from main-shots.sh.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${TORVANE_BUILD_DIR:-$root/build}
dir=${1:-$root/docs/screenshots}
. "$root/tools/shots/shots.sh"
shots_prefix main-256
palette=$(mktemp --suffix=.ppm)
trap 'rm -f "$palette"' EXIT
cp "$build/Torvane.exe" "$WINEPREFIX/drive_c/Torvane.exe"
wine "$build/shots/palette_dump.exe" 'C:\Torvane.exe' | tr -d '\r' >"$palette"
for pair in autotune:colours manual:manual system-tweaks:system-tweaks cpu-test:cpu-test; do
    from=$dir/main-${pair%%:*}.png
    to=$dir/main-256-${pair#*:}.png
    convert "$from" -dither None -remap "$palette" "$to"
    # How much of the window (at 50,50, 442 x 490) changed: anti-aliased text edges, mostly.
    changed=$(compare -metric AE "$from[430x490+50+50]" "$to[430x490+50+50]" null: 2>&1 || true)
    echo "$to: $changed of 210700 window pixels changed"
done
