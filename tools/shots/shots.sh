# Sourced by the screenshot scripts in tools/shots/, after they set `root` and `build`.

# shots_on_display DEPTH ARGS...: runs the calling script again, once, with ARGS on a virtual
# 1024x768 display of DEPTH bits.
shots_on_display() {
    local depth=$1
    shift
    [ -n "${TORVANE_SHOTS_ON_DISPLAY:-}" ] && return 0
    exec env TORVANE_SHOTS_ON_DISPLAY=1 xvfb-run -a -s "-screen 0 1024x768x$depth" "$0" "$@"
}

# shots_prefix NAME: uses the kept Wine prefix build/NAME-prefix, booted on first use.
shots_prefix() {
    export WINEPREFIX=$build/$1-prefix WINEARCH=win32 WINEDEBUG=${WINEDEBUG:--all}
    [ -f "$WINEPREFIX/system.reg" ] && return 0
    mkdir -p "$WINEPREFIX"
    wineserver -p </dev/null >/dev/null 2>&1 || true
    wine wineboot </dev/null >/dev/null 2>&1
}
