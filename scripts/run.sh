#!/usr/bin/env bash
# Installs what is missing, builds Torvane and starts it under Wine, in a sandbox prefix of its own
# that is kept between runs, inside Wine's virtual desktop (taskbar and tray as on Windows).
# Without a display it runs on a virtual one, writes a screenshot and prints its path. On hosts
# that run no 32-bit code it runs the x86_64 build under 64-bit Wine (see arch.sh).
#
#   scripts/run.sh [--windows VERSION]
#     VERSION: win95, win98, winme, nt40, win2k, winxp (the default) or win2003
set -euo pipefail
source "$(dirname "$0")/arch.sh"
root=$torvane_root
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

data=${XDG_DATA_HOME:-$HOME/.local/share}/torvane
if [ "$TORVANE_ARCH" = x64 ]; then
    prefix=${TORVANE_PREFIX:-$data/wineprefix-x64}
    target=torvane_x64
else
    prefix=${TORVANE_PREFIX:-$data/wineprefix}
    target=Torvane
fi
torvane_wine_env
export WINEPREFIX=$prefix WINEDEBUG=-all
program='C:\Program Files\Torvane\Torvane.exe'
fail() { echo "run.sh: $*" >&2; exit 1; }

if [ -z "$screenshot" ]; then
    torvane_arch_line
    "$root/scripts/install-deps.sh" ||
        fail "installing the packages failed (see above): run scripts/install-deps.sh as root."
    "$root/scripts/build.sh" --target "$target" >/dev/null ||
        fail "building Torvane failed: run scripts/build.sh --target $target to see why."
    if [ -z "${DISPLAY:-}" ]; then
        shot=$TORVANE_BUILD_DIR/screenshots/torvane-$version.png
        mkdir -p "$(dirname "$shot")"
        xvfb-run -a -s "-screen 0 1024x768x24" "$0" --windows "$version" --screenshot "$shot" ||
            fail "the run on a virtual display failed (see above)."
        echo "No display: Torvane ran on a virtual display. Screenshot: $shot"
        exit 0
    fi
fi

if [ ! -f "$prefix/system.reg" ]; then
    echo "Creating the Wine prefix $prefix ..."
    mkdir -p "$prefix"
    wineserver -p </dev/null >/dev/null 2>&1 ||
        fail "Wine's server did not start for $prefix: is $(command -v wineserver || echo wineserver) installed and for this host (scripts/install-deps.sh)?"
    if ! wine wineboot </dev/null >/dev/null 2>&1 || [ ! -d "$prefix/drive_c/windows/system32" ]; then
        rm -rf "$prefix"
        fail "Wine could not create the prefix $prefix: try \"WINEPREFIX=$prefix wine wineboot\" to see why."
    fi
fi
install_dir="$prefix/drive_c/Program Files/Torvane"
mkdir -p "$install_dir"
cp "$torvane_program" "$install_dir/Torvane.exe"
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
"$root/scripts/screenshot.sh" "$DISPLAY" "$screenshot" ||
    fail "the screenshot of display $DISPLAY could not be taken (see above)."
wineserver -k </dev/null >/dev/null 2>&1 || true
