#!/usr/bin/env bash
# Starts Torvane.exe as a user would, in a fresh prefix of its own and with no options, and checks
# the first start: the Run entry with the program's own path, "Show Torvane" 0, a tray-only start
# that keeps running, and a clean end through the tray menu's "Exit Torvane".
#
#   first-start.sh TORVANE.EXE TRAY_DRIVER.EXE PREFIX [VERSION]
#     VERSION: the Windows version Wine emulates for Torvane.exe (win95 ... winxp); Wine's default
#     when absent.
set -euo pipefail
exe=$1
driver=$2
prefix=$3
version=${4:-}
export WINEPREFIX=$prefix WINEARCH=win32 WINEDEBUG=-all

fail() { echo "FAIL: $*"; wineserver -k >/dev/null 2>&1 || true; exit 1; }

if [ -d "$prefix" ]; then wineserver -k </dev/null >/dev/null 2>&1 || true; rm -rf "$prefix"; fi
mkdir -p "$prefix"
wineserver -p </dev/null >/dev/null 2>&1
wine wineboot </dev/null >/dev/null 2>&1

install="$prefix/drive_c/Program Files/Torvane"
mkdir -p "$install"
cp "$exe" "$install/Torvane.exe"
cp "$driver" "$prefix/drive_c/e2e_driver.exe"
if [ -n "$version" ]; then
    wine reg add 'HKCU\Software\Wine\AppDefaults\Torvane.exe' /v Version /d "$version" /f \
        </dev/null >/dev/null 2>&1 || fail "could not set the emulated version $version"
fi

wine 'C:\Program Files\Torvane\Torvane.exe' </dev/null >/dev/null 2>&1 &
program=$!

wine 'C:\e2e_driver.exe' wait-tray 30 || fail "no tray icon appeared"
sleep 2

run=$(wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Run' /v Torvane 2>/dev/null | tr -d '\r')
echo "$run" | grep -qF 'C:\Program Files\Torvane\Torvane.exe' || fail "Run entry missing: $run"
show=$(wine reg query 'HKLM\SOFTWARE\Ostrander Works\Torvane\Windows' /v 'Show Torvane' 2>/dev/null | tr -d '\r')
echo "$show" | grep -qE 'REG_DWORD +0x0$' || fail "Show Torvane is not 0: $show"

kill -0 "$program" 2>/dev/null || fail "the program did not keep running"
visible=$(wine 'C:\e2e_driver.exe' visible-windows | tr -d '\r')
[ "$visible" = 0 ] || fail "a tray-only start shows $visible window(s)"

wine 'C:\e2e_driver.exe' menu-exit || fail "could not choose Exit Torvane"
for _ in $(seq 1 100); do
    kill -0 "$program" 2>/dev/null || break
    sleep 0.2
done
kill -0 "$program" 2>/dev/null && fail "the program did not end after Exit Torvane"
wait "$program" && code=0 || code=$?
[ "$code" = 0 ] || fail "the program ended with exit code $code"
wine 'C:\e2e_driver.exe' tray-gone 10 || fail "the tray icon window stayed"

wineserver -k >/dev/null 2>&1 || true
rm -rf "$prefix"
echo "first start${version:+ as $version}: Run entry, tray-only start, clean exit"
