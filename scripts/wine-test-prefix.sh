#!/usr/bin/env bash
# Boots or removes the throwaway Wine prefix of one test run.
#   wine-test-prefix.sh setup PREFIX [REGFILE]   fresh prefix, booted, server kept alive
#   wine-test-prefix.sh cleanup PREFIX           end its server and remove it
set -euo pipefail
action=$1
prefix=$2
# WINEARCH chooses the Wine: win32, or win64 for the x86_64 build (see arch.sh).
export WINEPREFIX=$prefix WINEARCH=${WINEARCH:-win32} WINEDEBUG=-all
if [ "$WINEARCH" = win64 ]; then
    PATH=$(cd "$(dirname "$0")" && pwd)/wine64:$PATH
fi

case $action in
setup)
    if [ -d "$prefix" ]; then
        wineserver -k </dev/null >/dev/null 2>&1 || true
        rm -rf "$prefix"
    fi
    mkdir -p "$prefix"
    # The first process of a prefix starts services that inherit its output: keep them off
    # the test runner's pipes, and keep one server alive for the whole run.
    wineserver -p </dev/null >/dev/null 2>&1
    wine wineboot </dev/null >/dev/null 2>&1
    if [ -n "${3:-}" ]; then
        wine regedit /S "$(winepath -w "$3" 2>/dev/null)" </dev/null >/dev/null 2>&1
        # Settings of the desktop take effect when it starts: boot once more with them.
        wineserver -k </dev/null >/dev/null 2>&1 || true
        wineserver -p </dev/null >/dev/null 2>&1
        wine wineboot </dev/null >/dev/null 2>&1
    fi
    echo "booted $prefix"
    ;;
cleanup)
    wineserver -k </dev/null >/dev/null 2>&1 || true
    rm -rf "$prefix"
    echo "removed $prefix"
    ;;
*)
    echo "usage: $0 setup|cleanup PREFIX [REGFILE]" >&2
    exit 2
    ;;
esac
