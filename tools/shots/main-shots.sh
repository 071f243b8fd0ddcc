#!/usr/bin/env bash
# Runs Torvane.exe with its main window open on a virtual display inside Wine's virtual desktop,
# clicks through the four sections, the help panel, a drop-down menu and the About box as a user
# would, and writes one screenshot of each to docs/screenshots/main-*.png.
#   main-shots.sh [--depth 8] [OUTPUT_DIR]
# --depth 8 runs the display at 256 colours (an 8-bit PseudoColor visual) in a prefix of its
# own and keeps only the first picture, as main-256-wine.png: Wine 8.0 draws windows into
# client-side surfaces that, at 8 bits, show only the 20 static colours of the system palette
# whatever palette the program realises. main-256.sh shows the window as a 256-colour Windows
# display does.
# Needs the build (TORVANE_BUILD_DIR, default build/) to hold Torvane.exe; uses xdotool.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${TORVANE_BUILD_DIR:-$root/build}
depth=24
if [ "${1:-}" = --depth ]; then depth=$2; shift 2; fi
out=${1:-$root/docs/screenshots}
exe=$build/Torvane.exe
[ -f "$exe" ] || { echo "no $exe: build first" >&2; exit 1; }

mkdir -p "$out"
. "$root/tools/shots/shots.sh"
shots_on_display "$depth" --depth "$depth" "$out"
name=main
if [ "$depth" = 8 ]; then name=main-256; fi
shots_prefix "$name-shots"
install="$WINEPREFIX/drive_c/Program Files/Torvane"
mkdir -p "$install"
cp "$exe" "$install/Torvane.exe"
# Open with the main window at 50,50 (as a user who unticked "Hide Program at Startup"), and
# with a backup already made so that a tweak page opens without the question.
key='HKLM\SOFTWARE\Ostrander Works\Torvane'
wine reg add 'HKLM\Software\Microsoft\Windows\CurrentVersion\Run' /v Torvane /d 'C:\Program Files\Torvane\Torvane.exe' /f >/dev/null 2>&1
wine reg add "$key\\Windows" /v 'Show Torvane' /t REG_DWORD /d 1 /f >/dev/null 2>&1
wine reg add "$key\\Options" /v 'Back up' /t REG_DWORD /d 1 /f >/dev/null 2>&1
wine reg delete "$key\\Windows" /v 'Torvane Left' /f >/dev/null 2>&1 || true

shot() { # the display as a user sees it (scripts/screenshot.sh), cropped to the main window
    local tmp
    tmp=$(mktemp --suffix=.png)
    "$root/scripts/screenshot.sh" "$DISPLAY" "$tmp"
    convert "$tmp" -crop "${CROP:-820x560+0+0}" +repage "$1"
    rm -f "$tmp"
}
click() { xdotool mousemove "$1" "$2" click 1; sleep "${3:-1.5}"; }

wine explorer /desktop=Torvane,1024x768 'C:\Program Files\Torvane\Torvane.exe' </dev/null >/dev/null 2>&1 &
runner=$!
sleep 8
# The main window opens at 50,50; button centres in window pixels follow. Wine's virtual desktop
# is at 0,0 of the display, so its pixels are the display's.
xdotool mousemove 600 700
sleep 1
shot "$out/$name-autotune.png"
# "Start" (the backup is made already): the analysis page, ready to begin.
click $((50 + 318)) $((50 + 403)); xdotool mousemove 600 700; sleep 1
shot "$out/$name-analysis.png"
click $((50 + 114)) $((50 + 44)); xdotool mousemove 600 700; sleep 1
shot "$out/$name-manual.png"
# The first tweak button: the System page.
click $((50 + 37)) $((50 + 103)); xdotool mousemove 600 700; sleep 1
shot "$out/$name-system-tweaks.png"
click $((50 + 176)) $((50 + 44)); xdotool mousemove 600 700; sleep 1
shot "$out/$name-status.png"
# The memory status page, after a few samples.
click $((50 + 37)) $((50 + 103)); xdotool mousemove 600 700; sleep 9
shot "$out/$name-memory-status.png"
click $((50 + 238)) $((50 + 43)); xdotool mousemove 600 700; sleep 1
shot "$out/$name-burnin.png"
click $((50 + 37)) $((50 + 103)); xdotool mousemove 600 700; sleep 1
shot "$out/$name-cpu-test.png"
click $((50 + 430)) $((50 + 255)) 2; xdotool mousemove 600 700; sleep 1
CROP=1000x560+0+0 shot "$out/$name-help-panel.png"
click $((50 + 430)) $((50 + 255)) 2
# A tooltip over the Manual Tweaks button.
xdotool mousemove $((50 + 114)) $((50 + 44)); sleep 0.3; xdotool mousemove $((50 + 116)) $((50 + 45)); sleep 2
shot "$out/$name-tooltip.png"
# The Options menu, dropped.
click $((50 + 77)) $((50 + 22)) 1.5
shot "$out/$name-options-menu.png"
xdotool key Escape; sleep 1
# The About box through the Help menu.
click $((50 + 167)) $((50 + 22)) 1.5
shot "$out/$name-help-menu.png"
xdotool key Down Down Return 2>/dev/null || true
sleep 2
CROP=1024x768+0+0 shot "$out/$name-about.png"
wineserver -k </dev/null >/dev/null 2>&1 || true
wait "$runner" 2>/dev/null || true
if [ "$depth" = 8 ]; then
    mv "$out/$name-autotune.png" "$out/$name-wine.png"
    find "$out" -name "$name-*.png" ! -name "$name-wine.png" -delete
fi
ls "$out"/$name-*.png
