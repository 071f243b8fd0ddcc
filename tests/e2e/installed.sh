#!/usr/bin/env bash
# Installs Torvane with its installer, silently, in a fresh prefix emulating one Windows version,
# and uses the installed program as a user does, with real clicks and keys (xdotool) on Wine's
# virtual desktop "Torvane" (1024x768 at the top-left of the display):
#   installed.sh <setup.exe> <e2e_driver.exe> <timewarp.dll> <prefix> <wine version name>
#                [<import audit>] [<screenshot folder>]
# Steps: 1 silent install into a folder holding files of the user's; 2 first start to the tray; 3
# open from the tray; 4 the backup question and the nine backup files; 5 a manual change (font
# smoothing) with Apply and the restart question answered No; 6 Restore Backup putting back the
# exact type and data of the value, and removing the copies of it that did not exist; 7 Auto Tune
# committing its recommended values (read back from the registry and System.ini, per family; its
# timers run ten times faster through the time warp); 8 Free Physical Memory writing, running and
# removing its script; 9 a one-run CPU test; 10 Exit from the tray; 11 "Torvane.exe /backup"
# keeping the backup, "/changes" listing Auto Tune's values, "/restore" putting them back and
# "/changes" then listing nothing, and the usage for an unknown switch; 12 silent uninstall keeping
# the backup and the user's files; 13 a second install, and an uninstall answering Yes to putting
# back the original settings and to removing the backup, which deletes only Torvane's files.
# With a screenshot folder, every step leaves <version>-NN-<step>.png there; a failure always
# leaves <prefix>.failure.png.
# Where Wine runs only 64-bit programs, TORVANE_E2E_PROGRAM_DIR names a folder with a Torvane.exe
# built for x86_64 and its Help folder: the 32-bit installer cannot run there, so the installs and
# uninstalls (steps 1, 12 and 13) are skipped, the two are copied where the installer puts them, and
# <setup.exe> may be "-". The driver and the time warp must then be built for x86_64 too, and the
# caller sets WINEARCH=win64 (win32 when it is unset).
# Needs DISPLAY (the tests run under xvfb-run).
set -euo pipefail
setup=$1
driver=$2
warp=$3
prefix=$4
version=$5
audit=${6:-}
shots=${7:-}
program_dir=${TORVANE_E2E_PROGRAM_DIR:-}
root=$(cd "$(dirname "$0")/../.." && pwd)
export WINEPREFIX=$prefix WINEARCH=${WINEARCH:-win32} WINEDEBUG=-all
options='HKLM\SOFTWARE\Ostrander Works\Torvane'
run_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Torvane'
desktop_key='HKCU\Control Panel\Desktop'
step=0  # screenshots taken
stage=0 # the step of the walkthrough

capture() { # the desktop as a user sees it, popups included
    local tmp
    tmp=$(mktemp --suffix=.png)
    "$root/scripts/screenshot.sh" "$DISPLAY" "$tmp" >/dev/null 2>&1 &&
        convert "$tmp" -crop 1024x768+0+0 +repage "$1"
    rm -f "$tmp"
}
shot() {
    step=$((step + 1))
    [ -n "$shots" ] || return 0
    mkdir -p "$shots"
    xdotool mousemove 1000 400
    sleep 0.5
    capture "$shots/$version-$(printf %02d $step)-$1.png"
}
fail() {
    echo "FAIL ($version, step $stage): $*" >&2
    capture "$prefix.failure.png" || true
    wineserver -k >/dev/null 2>&1 || true
    exit 1
}
reg_has() { wine reg query "$1" /v "$2" </dev/null >/dev/null 2>&1; }
key_has() { wine reg query "$1" </dev/null >/dev/null 2>&1; }
reg_entry() { # one value as its type and data ("REG_SZ 2", "REG_DWORD 0x1"), or "absent"
    local out
    if ! out=$(wine reg query "$1" /v "$2" </dev/null 2>/dev/null | tr -d '\r'); then
        echo absent
        return 0
    fi
    awk -v p="    $2    " 'index(tolower($0), tolower(p)) == 1 {
        rest = substr($0, length(p) + 1); type = rest; sub(/ .*/, "", type)
        sub(/^REG_[A-Z_]+ */, "", rest); print type " " rest; exit }' <<<"$out"
}
reg_value() { # the data of one value, or nothing when it is absent
    local entry
    entry=$(reg_entry "$1" "$2")
    [ "$entry" = absent ] || echo "${entry#* }"
}
windows_file() { # a file of the Windows folder, whatever the case of its name
    local found
    found=$(find "$prefix/drive_c/windows" -maxdepth 1 -iname "$1" | head -1)
    echo "${found:-$prefix/drive_c/windows/$1}"
}
ini_entry() { # the text of one key of an ini file's section, or "absent"
    [ -f "$1" ] || { echo absent; return 0; }
    tr -d '\r' <"$1" | awk -v s="[$2]" -v k="$3=" '
        /^[ \t]*\[/ { inside = tolower($1) == tolower(s); next }
        inside && index(tolower($0), tolower(k)) == 1 {
            print substr($0, length(k) + 1); found = 1; exit }
        END { if (!found) print "absent" }'
}
wait_for() { # runs the command that follows until it succeeds, for up to $1 seconds
    local end=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -lt "$end" ] || return 1
        sleep 0.2
    done
}
D() { wine 'C:\e2e_driver.exe' "$@" </dev/null 2>/dev/null | tr -d '\r'; }
point() { # screen point of the window showing $1, scrolled into view in its page
    local p rc arrow
    for _ in $(seq 1 60); do
        rc=0
        p=$(wine 'C:\e2e_driver.exe' "${3:-locate}" "$1" "${2:-20}" </dev/null 2>/dev/null |
            tr -d '\r') || rc=$?
        [ "$rc" = 3 ] || break
        arrow=$(D pager-arrow "$1" 1) || true
        [ -n "$arrow" ] || break
        xdotool mousemove $arrow click 1 >&2
        sleep 0.2
    done
    [ -n "$p" ] || fail "not shown: \"$1\""
    echo "$p"
}
click() { # click the window showing $1 (waiting up to $2 seconds for it)
    local p
    p=$(point "$1" "${2:-20}") || exit 1
    xdotool mousemove $p click 1
    sleep 0.5
}
answer() { # a message box that contains $1, answered with the button $2
    local text
    text=$(D message "${3:-20}") || true
    [[ "$text" == *"$1"* ]] || fail "expected the message \"$1\", got \"$text\""
    click "$2"
}
menu() { # drop the menu of the skin button $1 and pick an item with the keys that follow
    click "$1"
    D wait-menu 10 || fail "the menu of \"$1\" did not open"
    shift
    xdotool key "$@"
    sleep 0.5
}

if [ -d "$prefix" ]; then wineserver -k </dev/null >/dev/null 2>&1 || true; rm -rf "$prefix"; fi
rm -f "$prefix.failure.png"
mkdir -p "$prefix"
wineserver -p </dev/null >/dev/null 2>&1
wine wineboot </dev/null >/dev/null 2>&1
for exe in Torvane.exe Torvane-setup.exe Uninstall.exe Au_.exe; do
    wine reg add "HKCU\\Software\\Wine\\AppDefaults\\$exe" /v Version /d "$version" /f \
        </dev/null >/dev/null 2>&1
done
[ -n "$program_dir" ] || cp "$setup" "$prefix/drive_c/Torvane-setup.exe"
cp "$driver" "$prefix/drive_c/e2e_driver.exe"
cp "$warp" "$prefix/drive_c/timewarp.dll"
program_files=$(wine cmd /c echo %ProgramFiles% </dev/null 2>/dev/null | tr -d '\r')
dir=$(winepath -u "$program_files\\Torvane" 2>/dev/null)

# 1. Install silently to the default folder, which already holds files of the user's: a note, and
# a Backup folder with a file of the user's own that the program's backup will join.
stage=1
user_files=(notes.txt Backup/mine.txt)
if [ -n "$program_dir" ]; then
    echo "skipped: install and uninstall (the 32-bit installer cannot run under 64-bit Wine)"
    mkdir -p "$dir"
    cp "$program_dir/Torvane.exe" "$dir/"
    cp -r "$program_dir/Help" "$dir/"
else
    mkdir -p "$dir/Backup"
    for f in "${user_files[@]}"; do echo "the user's own $f" >"$dir/$f"; done
    wine 'C:\Torvane-setup.exe' /S </dev/null >/dev/null 2>&1 || fail "the installer failed"
    wait_for 20 test -f "$dir/Uninstall.exe" || fail "not installed: Uninstall.exe"
fi
for f in Torvane.exe Help/TVNStart.html Help/AutoStart.html Help/ManStart.html \
         Help/StatusStart.html Help/BurninStart.html; do
    [ -f "$dir/$f" ] || fail "not installed: $f"
done
if [ -z "$program_dir" ]; then
    reg_has "$uninstall_key" UninstallString || fail "no uninstall entry"
    start_menu=$(find "$prefix/drive_c" -path '*Start Menu/Programs/Torvane/Torvane.lnk' | head -1)
    [ -n "$start_menu" ] || fail "no Start-menu entry"
    # The uninstaller the installer wrote must load on every target, like the installer itself.
    if [ -n "$audit" ]; then
        python3 "$audit" "$dir/Uninstall.exe" || fail "the uninstaller fails the import audit"
    fi
fi

# 2. First start: to the tray only, with the Run entry and the options key. The program decides
# about its main window before it adds the tray icon, so a window it showed is visible by then.
stage=2
wine explorer /desktop=Torvane,1024x768 "$program_files\\Torvane\\Torvane.exe" \
    </dev/null >/dev/null 2>&1 &
program=$!
D wait-tray 30 >/dev/null || fail "no tray icon appeared"
[ "$(D visible-windows)" = 0 ] || fail "the first start showed a window"
run_entry=$(reg_value "$run_key" Torvane)
[[ "$run_entry" == *'\Torvane\Torvane.exe'* ]] || fail "the Run entry is not the program: $run_entry"
[ "$(reg_value "$options\\Windows" 'Show Torvane')" = 0x0 ] || fail "\"Show Torvane\" is not 0"
# Auto Tune's analysis and commit take about two minutes of timers and pauses; run them faster.
D warp 10 'C:\timewarp.dll' >/dev/null || fail "could not load the time warp"
shot first-start-tray

# 3. Open from the tray: a click on the icon.
stage=3
read -r x y < <(D tray-point) || true
[ -n "${y:-}" ] || fail "no tray icon in the taskbar"
# A click on the icon only ever shows the window; one that comes while Wine's taskbar is still
# settling is lost, so the click is repeated until the window shows.
for try in 1 2 3; do
    xdotool mousemove "$x" "$y" click 1
    D locate "Start" 10 >/dev/null 2>&1 && break
    [ "$try" = 3 ] && fail "the main window did not show after three clicks on the tray icon"
done
shot main-window

# 4. The first tweak page asks for the backup; Yes writes the nine files and the record.
stage=4
click "Manual Tweaks"
click "Desktop Tweaks"
D message >/dev/null || fail "no backup question"
shot backup-question
answer "Do you wish to backup now?" Yes
for f in system startmenu desktop internet cdrom hdd ram bootup shutdown; do
    wait_for 10 test -f "$dir/Backup/$f.tvb" || fail "no backup file $f.tvb"
done
[ -f "$dir/Backup/originals.txt" ] || fail "no record of the original values"
[ "$(reg_value "$options\\Options" 'Back up')" = 0x1 ] || fail "\"Back up\" is not 1"
point "Enable Smooth Fonts" >/dev/null
shot desktop-page

# 5. A manual change: font smoothing, which every system has, turned the other way; Apply; no
# restart. Font smoothing is also written for all users (HKEY_USERS) and to win.ini, where a
# fresh prefix has none.
stage=5
label="Enable Smooth Fonts"
users_desktop_key='HKU\Control Panel\Desktop'
win_ini=$(windows_file win.ini)
before=$(reg_entry "$desktop_key" FontSmoothing)
before_users=$(reg_entry "$users_desktop_key" FontSmoothing)
before_ini=$(ini_entry "$win_ini" TrueType FontSmoothing)
[ "$before" != absent ] || fail "the prefix has no FontSmoothing to change"
had=$(D box-state "$label")
box_changed() { [ "$(D box-state "$label")" != "$had" ]; }
xdotool mousemove $(point "$label" 20 locate-box) click 1
wait_for 5 box_changed || fail "the check box did not change"
D wait-enabled "Apply the changes" 5 || fail "Apply was not enabled by the change"
shot manual-change
click "Apply the changes"
answer "Do you wish to save the Changes you have made?" Yes
D message >/dev/null || fail "no restart question after Apply"
shot restart-question
answer "restart Windows!" No
changed=$(reg_entry "$desktop_key" FontSmoothing)
[ "$changed" != "$before" ] || fail "Apply did not change FontSmoothing ($before)"
[ "$(reg_entry "$users_desktop_key" FontSmoothing)" = "$changed" ] ||
    fail "Apply did not write FontSmoothing for all users ($changed)"
[ "$(ini_entry "$win_ini" TrueType FontSmoothing)" = "${changed#* }" ] ||
    fail "Apply did not write FontSmoothing to win.ini (${changed#* })"
kill -0 "$program" 2>/dev/null || fail "the program ended after No to the restart question"

# 6. Restore Backup from the File menu puts the value back with its type, takes away the copies
# that did not exist before, and the page shows it.
stage=6
menu File Down Return
D message >/dev/null || fail "no restore question"
shot restore-question
answer "restore your original" Yes
answer "restart Windows!" No 30
restored=$(reg_entry "$desktop_key" FontSmoothing)
[ "$restored" = "$before" ] ||
    fail "Restore Backup did not put back FontSmoothing: \"$before\", now \"$restored\""
restored=$(reg_entry "$users_desktop_key" FontSmoothing)
[ "$restored" = "$before_users" ] ||
    fail "Restore Backup did not put back FontSmoothing for all users:" \
         "\"$before_users\", now \"$restored\""
restored=$(ini_entry "$win_ini" TrueType FontSmoothing)
[ "$restored" = "$before_ini" ] ||
    fail "Restore Backup did not put back FontSmoothing in win.ini:" \
         "\"$before_ini\", now \"$restored\""
[ "$(D box-state "$label")" = "$had" ] || fail "the page does not show the restored value"
shot restored

# 7. Auto Tune: the analysis, its recommendations, and the commit. Apply disabled the section
# button; the View menu still leads there.
stage=7
menu View Down Return
click "Start"
click "Begin Tune"
point "Torvane is now Analyzing your system." >/dev/null
shot analysis-running
click "Recommend Now" 120
shot recommendations
# What the commit writes, as "key|value|type and data": the values every version gets, then those
# of its family. Server 2003 belongs to neither family, so it gets no family's values, and the
# TCP/IP values of both families stay as they were. The Internet values are committed on the
# first tuning only; the MTU only where the adapters' keys exist (on Windows 2000 and XP always,
# elsewhere not in a fresh prefix).
explorer_key='HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Explorer'
cdfs_key='HKLM\SYSTEM\CurrentControlSet\Control\FileSystem\CDFS'
nt_tcpip_key='HKLM\SYSTEM\CurrentControlSet\Services\Tcpip\Parameters'
ninex_tcpip_key='HKLM\System\CurrentControlSet\Services\VxD\MSTCP'
memory_key='HKLM\SYSTEM\CurrentControlSet\Control\Session Manager\Memory Management'
tuned=("$desktop_key|HungAppTimeout|REG_SZ 5000"
       "$desktop_key|MenuShowDelay|REG_SZ 50"
       "$desktop_key|FontSmoothing|REG_SZ 0"
       "$explorer_key|AlwaysUnloadDLL|REG_SZ 1"
       "$cdfs_key|Prefetch|REG_BINARY 400C0000"  # CD 48X: 3136
       "$cdfs_key|CacheSize|REG_BINARY AC090000") # Large: 2476
untouched=()
case $version in
win95 | win98 | winme)
    tuned+=("$ninex_tcpip_key|DefaultTTL|REG_SZ 64"
            "$ninex_tcpip_key|DefaultRcvWindow|REG_SZ 3216"
            "$explorer_key|Max Cached Icons|REG_SZ 8192"
            'HKCU\.DEFAULT\Control Panel\Desktop|AutoEndTasks|REG_SZ 1')
    untouched+=("$nt_tcpip_key|DefaultTTL" "$memory_key|DisablePagingExecutive") ;;
nt40 | win2k | winxp)
    tuned+=("$nt_tcpip_key|DefaultTTL|REG_DWORD 0x40"
            "$nt_tcpip_key|TcpWindowSize|REG_DWORD 0xc90"
            "$memory_key|DisablePagingExecutive|REG_DWORD 0x1")
    [ "$version" = nt40 ] || tuned+=("$nt_tcpip_key|MTU|REG_DWORD 0x240")
    untouched+=("$ninex_tcpip_key|DefaultTTL" "$explorer_key|Max Cached Icons") ;;
*)
    untouched+=("$nt_tcpip_key|DefaultTTL" "$ninex_tcpip_key|DefaultTTL"
                "$memory_key|DisablePagingExecutive" "$explorer_key|Max Cached Icons") ;;
esac
system_ini=$(windows_file system.ini)
was=()
for entry in "${tuned[@]}" "${untouched[@]}"; do
    IFS='|' read -r key name _ <<<"$entry"
    was+=("$(reg_entry "$key" "$name")")
done
swapfile_was=$(ini_entry "$system_ini" 386Enh ConservativeSwapfileUsage)
click "Optimize System Now"
answer "Commit the Optimized Values" Yes
D message 60 >/dev/null || fail "the commit did not end with the restart question"
shot committed
answer "restart Windows!" No
[ "$(reg_value "$options\\Options" 'Has Tuned')" = 0x1 ] || fail "\"Has Tuned\" is not 1"
i=0
for entry in "${tuned[@]}"; do
    IFS='|' read -r key name want <<<"$entry"
    [ "${was[i]}" != "$want" ] || fail "$key\\$name was $want before the commit already"
    now=$(reg_entry "$key" "$name")
    [ "$now" = "$want" ] || fail "the commit left $key\\$name \"$now\", not \"$want\""
    i=$((i + 1))
done
for entry in "${untouched[@]}"; do
    IFS='|' read -r key name <<<"$entry"
    now=$(reg_entry "$key" "$name")
    [ "$now" = "${was[i]}" ] || fail "the commit changed $key\\$name (\"${was[i]}\" to \"$now\")"
    i=$((i + 1))
done
swapfile=$(ini_entry "$system_ini" 386Enh ConservativeSwapfileUsage)
case $version in
win95 | win98 | winme)
    [ "$swapfile_was" != 1 ] && [ "$swapfile" = 1 ] ||
        fail "the commit left ConservativeSwapfileUsage in System.ini \"$swapfile\"" \
             "(before: \"$swapfile_was\"), not 1" ;;
*)
    [ "$swapfile" = "$swapfile_was" ] || fail "the commit changed System.ini off the 9x family" ;;
esac

# 8. Free Physical Memory on the memory status page. The optimiser writes freemem.vbs to the
# temporary folder, one line that has the script host ask for half the memory less 4,000,000
# bytes, has the shell open it, runs its bar to the end and removes it. The time warp is lifted
# for this step: in real time the script stays for the five seconds of the bar, and is seen.
stage=8
report_title="Post Optimization Confirmation"
script=$(winepath -u "$(wine cmd /c echo %TMP% </dev/null 2>/dev/null | tr -d '\r')\\freemem.vbs" \
    2>/dev/null)
[ ! -e "$script" ] || fail "a script $script is there before the optimiser ran"
click "System Status"
click "Memory Tweaks"
figures=$(D texts)
total=$(sed -n 's/^\([0-9][0-9]*\) KB$/\1/p' <<<"$figures")
[[ "$total" =~ ^[0-9]+$ ]] || fail "the memory page shows no total: $(xargs <<<"$figures")"
D warp 1 'C:\timewarp.dll' >/dev/null || fail "could not lift the time warp"
click "Free Physical Memory"
line=
script_written() { line=$(cat "$script" 2>/dev/null) && [ -n "$line" ]; }
wait_for 30 script_written || fail "the optimiser wrote no script ($script)"
shot freeing-memory
[[ "$line" =~ ^FreeMem=Space\(([0-9]+)\)$ ]] || fail "the optimiser's script is \"$line\""
# Half the memory less 4,000,000 bytes, but no more than the 500,000,000 bytes a 32-bit script
# host can hold.
asked=${BASH_REMATCH[1]}
if [ "$asked" = 500000000 ]; then
    [ $((total * 512 - 4000000)) -ge "$asked" ] ||
        fail "the script asks for $asked bytes, more than half of the $total KB the page shows"
else
    [ $(((asked + 4000000) * 2 / 1024)) = "$total" ] ||
        fail "the script asks for $asked bytes, not half of the $total KB the page shows"
fi
wait_for 60 test ! -e "$script" || fail "the optimiser's script stayed"
D wait-enabled "Free Physical Memory" 60 || fail "freeing memory did not end"
D wait-enabled "Auto Tune" 5 || fail "the navigation stayed locked after freeing memory"
D warp 10 'C:\timewarp.dll' >/dev/null || fail "could not restore the time warp"
# The bar is left at its end only when the shell opened the script.
bar=$(D progress)
[ "$bar" = 100 ] || fail "the bar did not run to its end: $(xargs <<<"$bar")"
# The report of what was reclaimed comes only when the free memory grew, and the free memory of
# the real machine under Wine moves by itself: whether this run gains anything is chance, so the
# report is checked when it comes.
figures=$(D texts)
if ! grep -qx "$total KB (100%)" <<<"$figures" && D locate "$report_title" 5 >/dev/null 2>&1; then
    figures=$(D texts)
    grep -qE '^[0-9]+MB \([0-9]+%\)$' <<<"$figures" || fail "the report names no reclaimed memory"
    click Close
fi
shot memory-freed

# 9. A one-run CPU test: the first Start asks how many tests; one, typed in.
stage=9
# A report that came late would stand in front of the main window: there is none.
D gone "$report_title" 0 || fail "a late report of reclaimed memory appeared"
click "Burn-in Tests"
click "CPU Tests"
click "Start Test"
click "User input"
xdotool mousemove $(point "User input" 20 locate-next) click 1
xdotool key End BackSpace BackSpace BackSpace BackSpace
xdotool type 1
shot cpu-test-count
click OK
point "All Tests Completed" 120 >/dev/null
point "1 of 1 Completed" 5 >/dev/null
shot cpu-test-completed

# 10. Exit from the tray menu: a right click on the icon, then its last item.
stage=10
xdotool mousemove "$x" "$y" click 3
D wait-menu 10 || fail "the tray menu did not open"
shot tray-menu
xdotool key Up Return
program_ended() { ! kill -0 "$program" 2>/dev/null; }
wait_for 20 program_ended || fail "the program did not end after Exit Torvane"
D tray-gone 10 || fail "the tray icon window stayed"

# 11. The command line, as scripts and the uninstaller run it: /backup keeps the backup there byte
# for byte (exit 3), /changes lists Auto Tune's values, /restore puts them back with no window, no
# question and exit code 0, after which /changes lists nothing; a switch it does not know shows
# the usage and ends with 64.
stage=11
# Programs started from here on run in the virtual desktop, where the driver sees their windows.
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Torvane /f </dev/null >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Torvane /d 1024x768 /f \
    </dev/null >/dev/null 2>&1
program_exe="$program_files\\Torvane\\Torvane.exe"
report="$prefix/drive_c/restore report.txt"
changes="$prefix/drive_c/changes list.txt"
backup_bytes() { cat "$dir"/Backup/*.tvb "$dir/Backup/originals.txt" | md5sum; }
kept=$(backup_bytes)
rc=0
wine "$program_exe" /backup </dev/null >/dev/null 2>&1 || rc=$?
[ "$rc" = 3 ] || fail "Torvane.exe /backup with a backup there ended with $rc, not 3"
[ "$(backup_bytes)" = "$kept" ] || fail "/backup changed the backup that was there"
rc=0
wine "$program_exe" /changes 'C:\changes list.txt' </dev/null >/dev/null 2>&1 || rc=$?
[ "$rc" = 0 ] || fail "Torvane.exe /changes ended with $rc"
[ -s "$changes" ] || fail "/changes listed nothing after Auto Tune's commit"
rc=0
wine "$program_exe" /restore 'C:\restore report.txt' </dev/null >/dev/null 2>&1 || rc=$?
[ "$rc" = 0 ] || fail "Torvane.exe /restore ended with $rc: $(tr -d '\r' <"$report" | xargs)"
[ -f "$report" ] && [ ! -s "$report" ] || fail "/restore wrote no empty report"
restored_to_was() { # Auto Tune's values as they were before its commit
    local i=0 entry key name now
    for entry in "${tuned[@]}"; do
        IFS='|' read -r key name _ <<<"$entry"
        now=$(reg_entry "$key" "$name")
        [ "$now" = "${was[i]}" ] || { echo "$key\\$name \"$now\", not \"${was[i]}\""; return 1; }
        i=$((i + 1))
    done
    now=$(ini_entry "$system_ini" 386Enh ConservativeSwapfileUsage)
    [ "$now" = "$swapfile_was" ] ||
        { echo "ConservativeSwapfileUsage \"$now\", not \"$swapfile_was\""; return 1; }
}
left=$(restored_to_was) || fail "/restore left $left"
rc=0
wine "$program_exe" /changes 'C:\changes list.txt' </dev/null >/dev/null 2>&1 || rc=$?
[ "$rc" = 0 ] && [ -f "$changes" ] && [ ! -s "$changes" ] ||
    fail "/changes after /restore ended with $rc and listed: $(tr '\t\r' ' ' <"$changes")"
[ "$(reg_value "$run_key" Torvane)" = "$run_entry" ] || fail "/restore changed the Run entry"
D tray-gone 1 || fail "/restore left a tray icon"
wine "$program_exe" /nonsense </dev/null >/dev/null 2>&1 &
usage=$!
answer "Torvane.exe /backup" OK
rc=0
wait "$usage" || rc=$?
[ "$rc" = 64 ] || fail "Torvane.exe /nonsense ended with $rc, not 64"

if [ -n "$program_dir" ]; then
    wineserver -k >/dev/null 2>&1 || true
    rm -rf "$prefix"
    echo "installed ($version): tray, backup, Apply, Restore Backup, Auto Tune," \
         "Free Physical Memory, CPU test, Exit, /restore (install and uninstall skipped)"
    exit 0
fi

# 12. Uninstall silently: the uninstaller copies itself away and runs from there (Au_.exe), so
# its end is seen in what it removes. It puts no setting back and keeps the backup; of the folder
# it deletes only Torvane's files, so the user's files and the folders holding them stay.
stage=12
backup_files=(system.tvb startmenu.tvb desktop.tvb internet.tvb cdrom.tvb hdd.tvb ram.tvb
              bootup.tvb shutdown.tvb originals.txt)
wine reg add "$desktop_key" /v MenuShowDelay /d 123 /f </dev/null >/dev/null 2>&1
wine "$program_files\\Torvane\\Uninstall.exe" /S </dev/null >/dev/null 2>&1 ||
    fail "the uninstaller failed"
uninstalled() {
    [ ! -e "$dir/Torvane.exe" ] && [ ! -e "$dir/Help" ] && [ ! -e "$dir/Uninstall.exe" ] &&
        [ ! -e "$start_menu" ] && ! reg_has "$run_key" Torvane && ! key_has "$options" &&
        ! key_has "$uninstall_key"
}
wait_for 60 uninstalled || true
[ -f "$dir/Torvane.exe" ] && fail "the program file stayed"
[ -d "$dir/Help" ] && fail "the Help folder stayed"
[ -f "$dir/Uninstall.exe" ] && fail "the uninstaller stayed"
for f in "${backup_files[@]}"; do
    [ -f "$dir/Backup/$f" ] || fail "the silent uninstall removed the backup file $f"
done
user_files_kept() {
    local f
    for f in "${user_files[@]}"; do
        [ "$(cat "$dir/$f" 2>/dev/null)" = "the user's own $f" ] || fail "the user's $f is gone"
    done
}
user_files_kept
[ "$(reg_value "$desktop_key" MenuShowDelay)" = 123 ] || fail "the silent uninstall put settings back"
[ -f "$start_menu" ] && fail "the Start-menu entry stayed"
reg_has "$run_key" Torvane && fail "the Run entry stayed"
key_has "$options" && fail "the options key stayed"
key_has "$uninstall_key" && fail "the uninstall entry stayed"

# 13. Install again over what is left, and uninstall as a user does: Yes to putting back the
# original settings (the program's /restore), Yes to removing the backup. Torvane's backup files
# go; the user's file in the Backup folder, the folder and the user's note stay.
stage=13
wine 'C:\Torvane-setup.exe' /S </dev/null >/dev/null 2>&1 || fail "the second install failed"
wait_for 20 test -f "$dir/Uninstall.exe" || fail "not installed again: Uninstall.exe"
wine "$program_files\\Torvane\\Uninstall.exe" </dev/null >/dev/null 2>&1 ||
    fail "the uninstaller failed"
click Uninstall 30
answer "put back your original settings before it is removed?" Yes
answer "have been put back" OK 60
answer "remove this backup as well?" Yes
click Close 60
wait_for 60 uninstalled || fail "the second uninstall left Torvane's files or entries"
left=$(restored_to_was) || fail "the uninstaller's restore left $left"
for f in "${backup_files[@]}"; do
    [ ! -e "$dir/Backup/$f" ] || fail "the backup file $f stayed after Yes to removing it"
done
user_files_kept
leftover=$(cd "$dir" && find . -mindepth 1 | sort | xargs)
[ "$leftover" = "./Backup ./Backup/mine.txt ./notes.txt" ] ||
    fail "the uninstall left more than the user's files: $leftover"

wineserver -k >/dev/null 2>&1 || true
rm -rf "$prefix"
echo "installed ($version): install into a folder of the user's, tray, backup, Apply," \
     "Restore Backup, Auto Tune, Free Physical Memory, CPU test, Exit, /restore, silent" \
     "uninstall keeping the backup and the user's files, uninstall with restore and removal of" \
     "the backup"
