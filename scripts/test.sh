#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test under Wine on a virtual display: the
# 32-bit build under 32-bit Wine, or on hosts that run no 32-bit code the x86_64 build under
# 64-bit Wine (see arch.sh; TORVANE_ARCH=x86 or x64 chooses). Options go to CTest.
set -euo pipefail
source "$(dirname "$0")/arch.sh"
torvane_arch_line
"$torvane_root/scripts/install-deps.sh" ||
    { echo "Installing the packages failed (see above): run scripts/install-deps.sh as root." >&2; exit 1; }
"$torvane_root/scripts/build.sh"
cd "$TORVANE_BUILD_DIR"
exec xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure "$@"
