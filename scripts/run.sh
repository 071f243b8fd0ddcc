#!/usr/bin/env bash
# Installs what is missing, builds Torvane and starts it under Wine, in a sandbox prefix of its own
# that is kept between runs, inside Wine's virtual desktop (taskbar and tray as on Windows).
# Without a display it runs on a virtual one, writes a screenshot and prints its path.
#
#   scripts/run.sh [--windows VERSION]
#     VERSION: win95, win98, winme, nt40, win2k, winxp (the default) or win2003
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
version=winxp
screenshot=
while [ $# -gt 0 ]; do
    case $1 in
    --windows) version=${2:-}; shift 2 ;;
    --windows=*) version=${1#*=}; shift ;;
    --screenshot) screenshot=${2:-}; shift 2 ;; # used by the run on a virtual display
    -h | --help) sed -n '2,9p' "$0"; exit 0 ;;
    *) echo "unknown option: $1" >&2; exit 2 ;;
    esac
done
case $version in
win95 | win98 | winme | nt40 | win2k | winxp | win2003) ;;
*) echo "unknown Windows version: $version" >&2; exit 2 ;;
esac

prefix=${TORVANE_PREFIX:-${XDG_DATA_HOME:-$HOME/.local/share}/torvane/wineprefix}
export WINEPREFIX=$prefix WINEARCH=win32 WINEDEBUG=-all
program='C:\Program Files\Torvane\Torvane.exe'

if [ -z "$screenshot" ]; then
    "$root/scripts/install-deps.sh"
    "$root/scripts/build.sh" --target Torvane >/dev/null
    if [ -z "${DISPLAY:-}" ]; then
        shot=$root/build/screenshots/torvane-$version.png
        mkdir -p "$(dirname "$shot")"
        xvfb-run -a -s "-screen 0 1024x768x24" "$0" --windows "$version" --screenshot "$shot"
        echo "No display: Torvane ran on a virtual display. Screenshot: $shot"
        exit 0
    fi
fi

if [ ! -f "$prefix/system.reg" ]; then
    echo "Creating the Wine prefix $prefix ..."
    mkdir -p "$prefix"
    wineserver -p </dev/null >/dev/null 2>&1
    wine wineboot </dev/null >/dev/null 2>&1
fi
install_dir="$prefix/drive_c/Program Files/Torvane"
mkdir -p "$install_dir"
cp "${TORVANE_BUILD_DIR:-$root/build}/Torvane.exe" "$install_dir/Torvane.exe"
rm -rf "$install_dir/Help"
cp -r "$root/Help" "$install_dir/Help"
wine reg add 'HKCU\Software\Wine\AppDefaults\Torvane.exe' /v Version /d "$version" /f \
    </dev/null >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer\Desktops\Torvane' /v EnableShell /t REG_DWORD /d 1 /f \
    </dev/null >/dev/null 2>&1

if [ -z "$screenshot" ]; then
    echo "Starting Torvane as Windows $version (prefix $prefix)"
    exec wine explorer /desktop=Torvane,1024x768 "$program" </dev/null
fi

wine explorer /desktop=Torvane,1024x768 "$program" </dev/null >/dev/null 2>&1 &
sleep 10
# Open the main window from the tray icon (bottom right of the virtual desktop's taskbar).
xdotool mousemove 1014 758 click 1 >/dev/null 2>&1 || true
sleep 3
if [ -x "$root/scripts/screenshot.sh" ]; then
    "$root/scripts/screenshot.sh" "$screenshot"
else
    xwd -root -silent | convert xwd:- "$screenshot"
fi
wineserver -k </dev/null >/dev/null 2>&1 || true
