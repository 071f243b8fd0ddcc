#!/usr/bin/env bash
# Walks the installed program through every step (installed.sh) on Windows XP and 98, each on a
# virtual display of its own, and keeps a screenshot of every step in docs/screenshots/e2e/.
# Needs the build (TORVANE_BUILD_DIR, default build/) with the release files in dist/.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${TORVANE_BUILD_DIR:-$root/build}
out=${1:-$root/docs/screenshots/e2e}
setup=$(ls "$build"/dist/Torvane-*-setup.exe | head -1)
mkdir -p "$out"
pids=()
for version in winxp win98; do
    rm -f "$out/$version"-*.png
    xvfb-run -a -s "-screen 0 1024x768x24" "$root/tests/e2e/installed.sh" "$setup" \
        "$build/tests/e2e_driver.exe" "$build/tests/timewarp.dll" \
        "$build/e2e-shots-$version" "$version" "" "$out" &
    pids+=($!)
done
status=0
for pid in "${pids[@]}"; do wait "$pid" || status=1; done
ls "$out"
exit $status
