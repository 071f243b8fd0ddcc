#!/usr/bin/env bash
# Installs what is missing, builds, and makes the release files in the build folder's dist/:
# the Windows installer Torvane-<version>-setup.exe and the portable Torvane-<version>.zip.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TORVANE_BUILD_DIR:-$root/build}
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" --target release
ls -l "$build"/dist/
