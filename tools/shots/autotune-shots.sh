#!/usr/bin/env bash
# Pictures of the Auto Tune pages under Windows XP emulation: the intro, a running analysis, the
# results and the committed state, written to docs/screenshots/autotune-*.png.
#   autotune-shots.sh [OUTPUT_DIR]
# Needs the build (TORVANE_BUILD_DIR, default build/) to hold shots/page_shots-winxp.exe
# (AUTOTUNE_SHOTS_VERSION=win98 takes the Windows 98 copy instead).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${TORVANE_BUILD_DIR:-$root/build}
out=${1:-$root/docs/screenshots}
exe=$build/shots/page_shots-${AUTOTUNE_SHOTS_VERSION:-winxp}.exe
[ -f "$exe" ] || { echo "no $exe: build first" >&2; exit 1; }

mkdir -p "$out"
. "$root/tools/shots/shots.sh"
shots_on_display 24 "$out"
fresh=0
[ -f "$build/autotune-shots-prefix/system.reg" ] || fresh=1
shots_prefix autotune-shots
if [ "$fresh" = 1 ]; then
    # The emulated versions of the test programs and one virtual desktop.
    wine regedit /S "$(winepath -w "$build/test-versions.reg" 2>/dev/null)" </dev/null >/dev/null 2>&1
    wineserver -k </dev/null >/dev/null 2>&1 || true
    wineserver -p </dev/null >/dev/null 2>&1
    wine wineboot </dev/null >/dev/null 2>&1
fi

# shot NAME SECONDS: runs one held page and captures the screen after SECONDS.
shot() {
    wine "$exe" --gtest_filter="AutoTuneShots.$1" \
        </dev/null >/dev/null 2>&1 &
    local runner=$!
    sleep "$2"
    # The page's window sits at 20,20 of the virtual desktop, which fills the screen.
    xwd -root -silent | convert xwd:- -crop 482x530+0+0 +repage "$out/autotune-$3.png"
    wait "$runner" || true
    echo "$out/autotune-$3.png"
}

shot Intro 4 intro
shot Analysis 11 analysis
shot Results 4 results
shot Committed 6 committed
wineserver -k </dev/null >/dev/null 2>&1 || true
