#!/usr/bin/env bash
# Installs what building and testing Torvane needs on Debian 12 in this host's mode (see arch.sh),
# and nothing when it is all there.
set -euo pipefail
source "$(dirname "$0")/arch.sh"

# Both modes build the shipped 32-bit program (the i686 compilers run on any x86_64 host), its
# installer and zip, and drive the programs on a virtual display.
packages=(cmake make ccache python3 nsis g++-mingw-w64-i686 googletest xvfb xauth x11-apps
          imagemagick xdotool)
if [ "$TORVANE_ARCH" = x64 ]; then
    # The tests and the program that runs here are built for x86_64 and run under 64-bit Wine.
    packages+=(g++-mingw-w64-x86-64-posix wine wine64)
else
    packages+=(wine wine32:i386 wine64)
fi

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
    [ "$status" = installed ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$TORVANE_ARCH" = x86 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    as_root dpkg --add-architecture i386
fi
as_root apt-get update -q
as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
