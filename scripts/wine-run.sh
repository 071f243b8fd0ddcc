#!/usr/bin/env bash
# Runs one Windows program under Wine in the prefix named by WINEPREFIX (the test prefix), with
# the Wine of WINEARCH (win32, or win64 for the x86_64 build, see arch.sh).
set -eu
export WINEDEBUG=${WINEDEBUG:--all}
export WINEARCH=${WINEARCH:-win32}
if [ "$WINEARCH" = win64 ]; then
    PATH=$(cd "$(dirname "$0")" && pwd)/wine64:$PATH
fi
exec wine "$@"
