#!/usr/bin/env bash
# Runs one Windows program under Wine in the prefix named by WINEPREFIX (the test prefix).
set -eu
export WINEDEBUG=${WINEDEBUG:--all}
export WINEARCH=${WINEARCH:-win32}
exec wine "$@"
