# Sourced by the scripts: which kind of Windows program this host can run under Wine.
#
#   x86  the 32-bit build, as shipped, under Debian's 32-bit Wine in win32 prefixes
#   x64  the same sources built for x86_64, under Debian's 64-bit Wine in win64 prefixes, for
#        hosts that run no 32-bit x86 code (kernel IA-32 emulation off); the shipped 32-bit
#        program, installer and zip are still built there and audited, but not run
#
# TORVANE_ARCH=x86 or TORVANE_ARCH=x64 chooses; otherwise the host is asked once, by running a
# tiny 32-bit Linux program. Sets and exports TORVANE_ARCH, TORVANE_ARCH_REASON and
# TORVANE_BUILD_DIR (build/ or build-x64/ unless given), and sets `torvane_program`: the
# Torvane.exe that runs here. torvane_wine_env puts the matching Wine first on PATH.

torvane_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Runs a 96-byte static i386 ELF program that only exits with status 42: the kernel starts it
# only when it runs 32-bit x86 code. A temporary folder mounted noexec says nothing about the
# processor, so the program is tried beside the scripts too.
torvane_probe_x86() {
    local place dir probe rc out
    for place in "${TMPDIR:-/tmp}" "$torvane_root"; do
        dir=$(mktemp -d "$place/.torvane-probe.XXXXXX") || continue
        probe=$dir/probe-i386
        printf '\x7f\x45\x4c\x46\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'\
'\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00'\
'\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08'\
'\x00\x80\x04\x08\x60\x00\x00\x00\x60\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00'\
'\xbb\x2a\x00\x00\x00\xb8\x01\x00\x00\x00\xcd\x80' >"$probe"
        chmod +x "$probe"
        rc=0
        out=$("$probe" 2>&1) || rc=$?
        rm -rf "$dir"
        [ "$rc" = 126 ] && [[ $out == *"ermission denied"* ]] || break
    done
    if [ "$rc" != 42 ]; then
        out=${out##*: }
        TORVANE_ARCH_REASON="this host runs no 32-bit x86 code (a 32-bit test program: ${out:-exit status $rc})"
        return 1
    fi
    # Run by an emulator through binfmt_misc instead of the processor, 32-bit Wine hangs at boot.
    local entry
    for entry in /proc/sys/fs/binfmt_misc/*i386* /proc/sys/fs/binfmt_misc/*i486*; do
        if [ -f "$entry" ] && head -n 1 "$entry" 2>/dev/null | grep -qx enabled; then
            TORVANE_ARCH_REASON="this host runs 32-bit x86 code only through an emulator ($(basename "$entry"))"
            return 1
        fi
    done
    TORVANE_ARCH_REASON="this host runs 32-bit x86 code"
    return 0
}

if [ -z "${TORVANE_ARCH_REASON:-}" ]; then
    case ${TORVANE_ARCH:-} in
    x86 | x64) TORVANE_ARCH_REASON="chosen by TORVANE_ARCH=$TORVANE_ARCH" ;;
    "")
        if torvane_probe_x86; then TORVANE_ARCH=x86; else TORVANE_ARCH=x64; fi
        ;;
    *)
        echo "TORVANE_ARCH must be x86 or x64, not \"$TORVANE_ARCH\"" >&2
        exit 2
        ;;
    esac
fi
export TORVANE_ARCH TORVANE_ARCH_REASON
if [ "$TORVANE_ARCH" = x64 ]; then
    export TORVANE_BUILD_DIR=${TORVANE_BUILD_DIR:-$torvane_root/build-x64}
    torvane_program=$TORVANE_BUILD_DIR/x64/Torvane.exe
else
    export TORVANE_BUILD_DIR=${TORVANE_BUILD_DIR:-$torvane_root/build}
    torvane_program=$TORVANE_BUILD_DIR/Torvane.exe
fi

# One line that names the mode and why, for the first line a script prints.
torvane_arch_line() {
    if [ "$TORVANE_ARCH" = x64 ]; then
        echo "Mode x64: $TORVANE_ARCH_REASON, so the programs are built for x86_64 and run under 64-bit Wine in $TORVANE_BUILD_DIR (the shipped 32-bit files are built and audited, not run)."
    else
        echo "Mode x86: $TORVANE_ARCH_REASON, so the shipped 32-bit build runs under 32-bit Wine in $TORVANE_BUILD_DIR."
    fi
}

# Wine for this mode, and WINEARCH for the prefixes it makes.
torvane_wine_env() {
    if [ "$TORVANE_ARCH" = x64 ]; then
        export WINEARCH=win64
        case ":$PATH:" in
        *":$torvane_root/scripts/wine64:"*) ;;
        *) export PATH=$torvane_root/scripts/wine64:$PATH ;;
        esac
    else
        export WINEARCH=win32
    fi
}
