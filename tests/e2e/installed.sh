#!/usr/bin/env bash
# Installs Torvane with its installer, silently, in a fresh prefix emulating one Windows version,
# and checks the installed program from first start to uninstall:
#   installed.sh <setup.exe> <tray_driver.exe> <prefix> <wine version name> [<import audit>]
# The installer puts the program, its Help folder, the Start-menu entries and the uninstall entry
# in place; the program starts to the tray and ends from its tray menu; the uninstaller removes
# what was installed, the Run entry and Torvane's options, and keeps the user's Backup folder.
set -euo pipefail
setup=$1
driver=$2
prefix=$3
version=$4
audit=${5:-}
export WINEPREFIX=$prefix WINEARCH=win32 WINEDEBUG=-all

fail() { echo "FAIL ($version): $*"; wineserver -k >/dev/null 2>&1 || true; exit 1; }
reg_has() { wine reg query "$1" /v "$2" >/dev/null 2>&1; }
key_has() { wine reg query "$1" >/dev/null 2>&1; }

if [ -d "$prefix" ]; then wineserver -k </dev/null >/dev/null 2>&1 || true; rm -rf "$prefix"; fi
mkdir -p "$prefix"
wineserver -p </dev/null >/dev/null 2>&1
wine wineboot </dev/null >/dev/null 2>&1
for exe in Torvane.exe Torvane-setup.exe Uninstall.exe Au_.exe tray_driver.exe; do
    wine reg add "HKCU\\Software\\Wine\\AppDefaults\\$exe" /v Version /d "$version" /f \
        </dev/null >/dev/null 2>&1
done
cp "$setup" "$prefix/drive_c/Torvane-setup.exe"
cp "$driver" "$prefix/drive_c/tray_driver.exe"

# Install silently to the default folder.
wine 'C:\Torvane-setup.exe' /S </dev/null >/dev/null 2>&1 || fail "the installer failed"
program_files=$(wine cmd /c echo %ProgramFiles% 2>/dev/null | tr -d '\r')
dir=$(winepath -u "$program_files\\Torvane" 2>/dev/null)
for _ in $(seq 1 100); do [ -f "$dir/Uninstall.exe" ] && break; sleep 0.2; done
for f in Torvane.exe Uninstall.exe Help/TVNStart.html Help/AutoStart.html Help/ManStart.html \
         Help/StatusStart.html Help/BurninStart.html; do
    [ -f "$dir/$f" ] || fail "not installed: $f"
done
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Torvane'
reg_has "$uninstall_key" UninstallString || fail "no uninstall entry"
start_menu=$(find "$prefix/drive_c" -path '*Start Menu/Programs/Torvane/Torvane.lnk' | head -1)
[ -n "$start_menu" ] || fail "no Start-menu entry"
# The uninstaller the installer wrote must load on every target, like the installer itself.
if [ -n "$audit" ]; then
    python3 "$audit" "$dir/Uninstall.exe" || fail "the uninstaller fails the import audit"
fi

# First start: to the tray, with the Run entry; a Backup folder as the backup question leaves it.
wine "$program_files\\Torvane\\Torvane.exe" </dev/null >/dev/null 2>&1 &
program=$!
wine 'C:\tray_driver.exe' wait-tray 30 || fail "no tray icon appeared"
reg_has 'HKLM\Software\Microsoft\Windows\CurrentVersion\Run' Torvane || fail "no Run entry"
key_has 'HKLM\SOFTWARE\Ostrander Works\Torvane\Windows' || fail "no options key"
wine 'C:\tray_driver.exe' menu-exit || fail "could not choose Exit Torvane"
for _ in $(seq 1 100); do kill -0 "$program" 2>/dev/null || break; sleep 0.2; done
kill -0 "$program" 2>/dev/null && fail "the program did not end after Exit Torvane"
mkdir -p "$dir/Backup"
echo original >"$dir/Backup/system.tvb"

# Uninstall silently: the uninstaller copies itself away and runs from there (Au_.exe).
wine "$program_files\\Torvane\\Uninstall.exe" /S </dev/null >/dev/null 2>&1 ||
    fail "the uninstaller failed"
for _ in $(seq 1 150); do [ -f "$dir/Torvane.exe" ] || break; sleep 0.2; done
sleep 1
[ -f "$dir/Torvane.exe" ] && fail "the program file stayed"
[ -d "$dir/Help" ] && fail "the Help folder stayed"
[ -f "$dir/Uninstall.exe" ] && fail "the uninstaller stayed"
[ -f "$dir/Backup/system.tvb" ] || fail "the user's Backup folder was removed"
[ -f "$start_menu" ] && fail "the Start-menu entry stayed"
reg_has 'HKLM\Software\Microsoft\Windows\CurrentVersion\Run' Torvane && fail "the Run entry stayed"
key_has 'HKLM\SOFTWARE\Ostrander Works\Torvane' && fail "the options key stayed"
key_has "$uninstall_key" && fail "the uninstall entry stayed"

wineserver -k >/dev/null 2>&1 || true
rm -rf "$prefix"
echo "installed ($version): install, tray start, exit, uninstall keeping the backup"
