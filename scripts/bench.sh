#!/usr/bin/env bash
# Measures Torvane's first start to the tray against a trivial tray program, and WipeDirectory
# against `cmd /c rd /s /q` and the host's `rm -rf`, in a throwaway Wine prefix on a virtual
# display, and prints the figures as a table (see BENCHMARKS.md). Nothing here passes or fails
# on a figure: it only fails when a measurement could not be taken. On hosts that run no 32-bit
# code it measures the x86_64 build under 64-bit Wine (see arch.sh), and the figures say so.
#
#   scripts/bench.sh [--starts N] [--wipes N]
#     N measured starts of each program (default 10), N removals of the tree per method (default 5)
set -euo pipefail
source "$(dirname "$0")/arch.sh"
root=$torvane_root
build=$TORVANE_BUILD_DIR
starts=10
wipes=5
on_display=
while [ $# -gt 0 ]; do
    case $1 in
    --starts) starts=${2:-}; shift 2 ;;
    --wipes) wipes=${2:-}; shift 2 ;;
    --on-display) on_display=1; shift ;; # the run on the virtual display
    -h | --help) sed -n '2,8p' "$0"; exit 0 ;;
    *) echo "unknown option: $1" >&2; exit 2 ;;
    esac
done
for count in "$starts" "$wipes"; do
    [[ $count =~ ^[1-9][0-9]*$ ]] || { echo "not a number of runs: $count" >&2; exit 2; }
done

fail() { echo "FAIL: $*" >&2; exit 1; }
if [ -z "$on_display" ]; then
    torvane_arch_line
    "$root/scripts/install-deps.sh" ||
        fail "installing the packages failed (see above): run scripts/install-deps.sh as root."
    # A build folder configured before the benchmarks existed learns of them here.
    if [ -f "$build/CMakeCache.txt" ]; then cmake "$build" >/dev/null; fi
    targets=(Torvane tray_baseline startup_probe wipe_bench release)
    [ "$TORVANE_ARCH" = x64 ] && targets+=(torvane_x64)
    "$root/scripts/build.sh" --target "${targets[@]}" >/dev/null ||
        fail "building the benchmarks failed: run scripts/build.sh --target ${targets[*]} to see why."
    exec xvfb-run -a -s "-screen 0 1280x1024x24" \
        "$0" --starts "$starts" --wipes "$wipes" --on-display
fi

prefix=$build/bench-prefix
torvane_wine_env
export WINEPREFIX=$prefix WINEDEBUG=-all
trap '"$root/scripts/wine-test-prefix.sh" cleanup "$prefix" >/dev/null' EXIT
progress() { echo "$*" >&2; }

# Both programs run as Windows XP inside Wine's virtual desktop, as the tests do: with no window
# manager on the virtual display Wine would wait for every window a program hides.
reg=$build/bench-prefix.reg
{
    printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]\n"Desktop"="Default"\n\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]\n"Default"="1024x768"\n'
    for exe in Torvane.exe tray_baseline.exe; do
        printf '\n[HKEY_CURRENT_USER\\Software\\Wine\\AppDefaults\\%s]\n"Version"="winxp"\n' "$exe"
    done
} >"$reg"
# The cores may be shared: the load around the run is part of the result.
read -r load_before _ </proc/loadavg
progress "Booting the prefix $prefix ..."
"$root/scripts/wine-test-prefix.sh" setup "$prefix" "$reg" >/dev/null

drive=$prefix/drive_c
mkdir -p "$drive/Program Files/Torvane" "$drive/Program Files/Baseline" "$drive/bench"
cp "$torvane_program" "$drive/Program Files/Torvane/Torvane.exe"
cp "$build/bench/tray_baseline.exe" "$drive/Program Files/Baseline/tray_baseline.exe"
cp "$build/bench/startup_probe.exe" "$build/bench/wipe_bench.exe" "$drive/bench/"
torvane='C:\Program Files\Torvane\Torvane.exe'
baseline='C:\Program Files\Baseline\tray_baseline.exe'

now() { now_us=${EPOCHREALTIME//[!0-9]/}; } # microseconds, without starting a process

# One start of a program with `wine`, watched by the probe. Sets start_us (microseconds from
# starting `wine` to the program's tray window) and start_peak (peak working set in bytes); for
# Torvane also open_us (tray click to main window), open_set and open_peak (working set with the
# main window open, and the peak by then, in bytes).
measure_start() {
    local kind=$1 program=$2 out=$build/bench-probe.txt probe started t0 result
    : >"$out"
    wine 'C:\bench\startup_probe.exe' "$kind" 30 </dev/null >"$out" 2>/dev/null &
    probe=$!
    until grep -q '^ready' "$out"; do
        kill -0 "$probe" 2>/dev/null || fail "$kind: $(tr -d '\r' <"$out")"
        sleep 0.01
    done
    now
    t0=$now_us
    wine "$program" </dev/null >/dev/null 2>&1 &
    started=$!
    wait "$probe" || fail "$kind: $(tr -d '\r' <"$out" | tail -n 1)"
    wait "$started" || fail "$kind ended with exit code $?"
    result=$(tr -d '\r' <"$out" | grep '^shown ') || fail "$kind: no result"
    read -r _ shown start_peak code open_us open_set open_peak <<<"$result"
    [ "$code" = 0 ] || fail "$kind ended with exit code $code"
    start_us=$((shown - t0))
}

# 20,000 files of 512 bytes in 2,000 folders (40 folders of 49 folders each, 10 files in every
# folder) and no index.dat, written through to the disk so that every removal starts alike.
make_tree() {
    local top=$1 a
    rm -rf "$top"
    mkdir -p "$top"
    for a in $(seq -w 0 39); do
        mkdir -p "$top/d$a"/s{00..48}
        printf '%0512d' 0 | tee "$top/d$a"/f{0..9} "$top/d$a"/s{00..48}/f{0..9} >/dev/null
    done
    sync
}

# Prints "median min max" of the numbers after the first argument, each divided by it.
summary() {
    local scale=$1
    shift
    printf '%s\n' "$@" | sort -g | awk -v scale="$scale" '
        { v[NR] = $1 / scale }
        END {
            median = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
            printf "%.1f %.1f %.1f\n", median, v[1], v[NR]
        }'
}

# One line of the table: label, unit, scale, then the measured values.
row() {
    local label=$1 unit=$2 scale=$3 median low high
    shift 3
    read -r median low high < <(summary "$scale" "$@")
    printf '| %s | %d | %s %s | %s – %s %s |\n' "$label" $# "$median" "$unit" "$low" "$high" "$unit"
}

# Start-up: one start of each first, not counted (it loads everything from the disk), then the
# two programs in turn.
progress "Start-up: 1 + $starts starts of each program ..."
measure_start torvane "$torvane"
measure_start baseline "$baseline"
torvane_us=() torvane_peak=() baseline_us=() baseline_peak=()
open_ms=() open_sets=() open_peaks=()
for ((i = 1; i <= starts; i++)); do
    measure_start torvane "$torvane"
    torvane_us+=("$start_us") torvane_peak+=("$start_peak")
    open_ms+=("$open_us") open_sets+=("$open_set") open_peaks+=("$open_peak")
    measure_start baseline "$baseline"
    baseline_us+=("$start_us") baseline_peak+=("$start_peak")
done

# Folder wiping: the tree is built afresh before every removal and only the removal is timed.
tree=$drive/bench-tree/top
tree_windows='C:\bench-tree\top'
# Runs wipe_bench and adds the milliseconds it prints to the array named first.
wipe_bench_into() {
    local -n into=$1
    local figure
    shift
    figure=$(wine 'C:\bench\wipe_bench.exe' "$@" </dev/null 2>/dev/null | tr -d '\r') || true
    [[ $figure =~ ^[0-9]+\.[0-9]$ ]] || fail "wipe_bench $1: $figure"
    into+=("$figure")
}
mkdir -p "$tree"
warm_up=()
wipe_bench_into warm_up rd "$tree_windows" # cmd's first start, not counted
wipe_ms=() rd_ms=() rd_empty_ms=() rm_us=()
# On a virtual machine the hypervisor may run other guests on these cores meanwhile: the time
# it takes away ("steal" in /proc/stat, in clock ticks) is counted during each wipe and rm -rf.
tick_ms=$((1000 / $(getconf CLK_TCK)))
stolen() { read -r _ _ _ _ _ _ _ _ stolen_ticks _ </proc/stat; }
wipe_stolen_ms=() rm_stolen_ms=()
for ((i = 1; i <= wipes; i++)); do
    progress "Folder wiping: round $i of $wipes ..."
    make_tree "$tree"
    stolen
    s0=$stolen_ticks
    wipe_bench_into wipe_ms wipe "$tree_windows"
    stolen
    wipe_stolen_ms+=($(((stolen_ticks - s0) * tick_ms)))
    [ -d "$tree" ] && [ -z "$(ls -A "$tree")" ] || fail "WipeDirectory did not empty the tree"
    make_tree "$tree"
    wipe_bench_into rd_ms rd "$tree_windows"
    [ ! -e "$tree" ] || fail "rd /s /q left the tree"
    mkdir -p "$tree"
    wipe_bench_into rd_empty_ms rd "$tree_windows"
    [ ! -e "$tree" ] || fail "rd /s /q left the empty folder"
    make_tree "$tree"
    stolen
    s0=$stolen_ticks
    now
    t0=$now_us
    rm -rf "$tree"
    now
    stolen
    rm_us+=($((now_us - t0)))
    rm_stolen_ms+=($(((stolen_ticks - s0) * tick_ms)))
done

# The rounds in which neither the wipe nor rm -rf lost more than 2% of its time to other guests.
calm_wipe_ms=() calm_rm_us=()
for ((i = 0; i < wipes; i++)); do
    wipe_whole_ms=${wipe_ms[i]%.*}
    if ((wipe_stolen_ms[i] * 50 <= wipe_whole_ms && rm_stolen_ms[i] * 50000 <= rm_us[i])); then
        calm_wipe_ms+=("${wipe_ms[i]}") calm_rm_us+=("${rm_us[i]}")
    fi
done
calm_rows() {
    if [ ${#calm_wipe_ms[@]} -eq 0 ]; then
        echo "| WipeDirectory and \`rm -rf\`, rounds with under 2% stolen | 0 | (none) | |"
        return
    fi
    row 'WipeDirectory, rounds with under 2% of the time stolen' ms 1 "${calm_wipe_ms[@]}"
    row '`rm -rf`, the same rounds' ms 1000 "${calm_rm_us[@]}"
}

read -r load_after _ </proc/loadavg

size_kib() { echo $(($(stat -c %s "$1") / 1024)); }
cat <<EOF

Machine: $(nproc) cores ($(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')), \
$(free -g | awk '/^Mem:/ { print $2 }') GB, Linux $(uname -r), $(wine --version), prefix on \
$(df --output=fstype "$drive" | tail -n 1)
Load: 1-minute load average $load_before before the run, $load_after after it
Architecture: $(if [ "$TORVANE_ARCH" = x64 ]; then echo "x86_64 programs under 64-bit Wine ($TORVANE_ARCH_REASON)"; else echo "32-bit x86 programs under 32-bit Wine"; fi)
Programs: Torvane.exe $(size_kib "$torvane_program") KiB, \
tray_baseline.exe $(size_kib "$build/bench/tray_baseline.exe") KiB (both linked statically); \
shipped 32-bit Torvane.exe $(size_kib "$build/Torvane.exe") KiB
Release: $(for f in "$build"/dist/*; do printf '%s %s KiB; ' "$(basename "$f")" "$(size_kib "$f")"; done)

| Measurement | Runs | Median | Spread (min – max) |
|---|---|---|---|
$(row 'Start to tray window, Torvane.exe (first start)' ms 1000 "${torvane_us[@]}")
$(row 'Start to tray window, tray_baseline.exe' ms 1000 "${baseline_us[@]}")
$(row 'Peak working set, Torvane.exe' MiB 1048576 "${torvane_peak[@]}")
$(row 'Peak working set, tray_baseline.exe' MiB 1048576 "${baseline_peak[@]}")
$(row 'Tray click to main window shown and answering, Torvane.exe' ms 1000 "${open_ms[@]}")
$(row 'Working set with the main window open, Torvane.exe' MiB 1048576 "${open_sets[@]}")
$(row 'Peak working set with the main window open, Torvane.exe' MiB 1048576 "${open_peaks[@]}")
$(row 'WipeDirectory, 20,000 files in 2,000 folders' ms 1 "${wipe_ms[@]}")
$(row '`cmd /c rd /s /q`, same tree (with the start of cmd)' ms 1 "${rd_ms[@]}")
$(row '`cmd /c rd /s /q`, one empty folder (the start of cmd)' ms 1 "${rd_empty_ms[@]}")
$(row '`rm -rf` on the host, same tree' ms 1000 "${rm_us[@]}")
$(row 'Time stolen by the hypervisor during WipeDirectory' ms 1 "${wipe_stolen_ms[@]}")
$(row 'Time stolen by the hypervisor during `rm -rf`' ms 1 "${rm_stolen_ms[@]}")
$(calm_rows)
EOF
