#!/usr/bin/env bash
# Screenshots of the nine Manual Tweaks pages under Windows XP and Windows 98 emulation:
# docs/screenshots/tweaks-<page>-<xp|98>.png. Needs the screenshot program in the build
# (TORVANE_BUILD_DIR, default build/): shots/page_shots-<version>.exe shows the pages.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${TORVANE_BUILD_DIR:-$root/build}
out=$root/docs/screenshots

mkdir -p "$out"
. "$root/tools/shots/shots.sh"
shots_on_display 24

export WINEPREFIX=$build/tweak-shots-prefix WINEARCH=win32 WINEDEBUG=${WINEDEBUG:--all}
"$root/scripts/wine-test-prefix.sh" setup "$WINEPREFIX" "$build/test-versions.reg" >/dev/null
ready=$WINEPREFIX/drive_c/shots/ready.txt
for version in winxp win98; do
    wine "$build/shots/page_shots-$version.exe" \
        --gtest_filter='TweakPagesShots.*' </dev/null >/dev/null 2>&1 &
    runner=$!
    for _ in 1 2 3 4 5 6 7 8 9; do
        for _ in $(seq 200); do
            [ -f "$ready" ] && break
            sleep 0.1
        done
        [ -f "$ready" ] || { echo "no page shown" >&2; break; }
        name=$(cat "$ready")
        sleep 0.3
        xwd -root -silent | convert xwd:- -crop 442x490+0+0 +repage "$out/$name.png"
        echo "$out/$name.png"
        rm -f "$ready"
    done
    wait "$runner" || true
done
"$root/scripts/wine-test-prefix.sh" cleanup "$WINEPREFIX" >/dev/null
