#!/usr/bin/env bash
# Runs the skin demo on a virtual display inside Wine's virtual desktop and writes a screenshot.
#   skin-demo.sh [OUTPUT.png]     (default: docs/screenshots/skin-demo.png)
# Needs the build (TORVANE_BUILD_DIR, default build/) to hold tests/skin_demo.exe.
set -euo pipefail
root=$(cd "$(dirname "$0")/../../.." && pwd)
build=${TORVANE_BUILD_DIR:-$root/build}
out=${1:-$root/docs/screenshots/skin-demo.png}
demo=$build/tests/skin_demo.exe
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
wine explorer /desktop=SkinDemo,800x560 "$demo" 6 </dev/null >/dev/null 2>&1 &
runner=$!
# The demo points at a button after 1.5 s; the picture is taken with the hover shown, before
# that button's tooltip comes up.
sleep 3
# The demo's window sits at 20,20 with the help panel to its right.
xwd -root -silent | convert xwd:- -crop 756x530+0+0 +repage "$out"
wait "$runner" || true
wineserver -k </dev/null >/dev/null 2>&1 || true
echo "$out"
