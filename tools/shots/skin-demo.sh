#!/usr/bin/env bash
# Runs the skin demo on a virtual display inside Wine's virtual desktop and takes screenshots as a
# user sees them (scripts/screenshot.sh lays the tooltips and menus over the capture):
#   skin-demo.sh [OUTPUT.png]     (default: docs/screenshots/skin-demo.png)
# Beside OUTPUT it writes tooltip.png (the pointer resting on the Desktop button, its tooltip up)
# and tooltip-menu.png (the File menu dropped).
# Needs the build (TORVANE_BUILD_DIR, default build/) to hold shots/skin_demo.exe.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${TORVANE_BUILD_DIR:-$root/build}
out=${1:-$root/docs/screenshots/skin-demo.png}
demo=$build/shots/skin_demo.exe
[ -f "$demo" ] || { echo "no $demo: build first" >&2; exit 1; }

if [ -z "${SKIN_DEMO_ON_DISPLAY:-}" ]; then
    mkdir -p "$(dirname "$out")"
    exec env SKIN_DEMO_ON_DISPLAY=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$out"
fi

export WINEPREFIX=$build/skin-demo-prefix WINEARCH=win32 WINEDEBUG=${WINEDEBUG:--all}
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    wineserver -p </dev/null >/dev/null 2>&1
    wine wineboot </dev/null >/dev/null 2>&1
fi
shots=$(dirname "$out")
shoot() { # the picture of the demo's window and help panel, at 20,20 of the desktop
    "$root/scripts/screenshot.sh" "$DISPLAY" "$1"
    convert "$1" -crop 756x530+0+0 +repage "$1"
}

wine explorer /desktop=SkinDemo,800x560 "$demo" 60 </dev/null >/dev/null 2>&1 &
runner=$!
# Wait for the main window (442 x 490) to be shown.
for _ in $(seq 1 60); do
    xwininfo -root -tree 2>/dev/null | grep -q ' 442x490+20+20 ' && break
    sleep 0.5
done
sleep 1
# Tab gives the keyboard focus to a button: its dotted focus rectangle shows.
xdotool key Tab
# The window sits at 20,20; the Desktop button at 60,83 of it, the File button at 15,14.
xdotool mousemove 98 121
sleep 0.3
xdotool mousemove 100 123
sleep 0.2
shoot "$out" # the hover picture, before the tooltip comes up
# Off the button and back: its tooltip comes up again after the initial delay.
xdotool mousemove 300 300
sleep 0.3
xdotool mousemove 98 121
sleep 0.3
xdotool mousemove 100 123
sleep 1.2
shoot "$shots/tooltip.png"
xdotool mousemove 50 41 click 1
sleep 1
shoot "$shots/tooltip-menu.png"
xdotool key Escape
sleep 0.3
xdotool mousemove 396 483 click 1 # Close
wait "$runner" || true
wineserver -k </dev/null >/dev/null 2>&1 || true
echo "$out"
echo "$shots/tooltip.png"
echo "$shots/tooltip-menu.png"
