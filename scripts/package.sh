#!/usr/bin/env bash
# Makes the release files from a built Torvane.exe: the Windows installer and the portable zip.
#   package.sh <Torvane.exe> <Help folder> <output folder> <version>
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
exe=$(realpath "$1")
help=$(realpath "$2")
out=$(realpath -m "$3")
version=$4
mkdir -p "$out"

setup="$out/Torvane-$version-setup.exe"
makensis -V2 -DVERSION="$version" -DEXE="$exe" -DHELP="$help" -DOUTFILE="$setup" \
         "$root/installer/Torvane.nsi"

# The portable zip: Torvane\Torvane.exe, Torvane\Help\*.html and a short readme, stored with
# fixed dates so that the same files always give the same zip.
zip="$out/Torvane-$version.zip"
python3 - "$exe" "$help" "$root/installer/README.txt" "$zip" <<'PYTHON'
import os, sys, zipfile
exe, help_dir, readme, target = sys.argv[1:]
entries = [(exe, "Torvane/Torvane.exe"), (readme, "Torvane/README.txt")]
entries += [(os.path.join(help_dir, name), "Torvane/Help/" + name)
            for name in sorted(os.listdir(help_dir)) if name.lower().endswith(".html")]
with zipfile.ZipFile(target + ".part", "w", zipfile.ZIP_DEFLATED, compresslevel=9) as archive:
    for source, name in entries:
        info = zipfile.ZipInfo(name, date_time=(2026, 1, 1, 0, 0, 0))
        info.compress_type = zipfile.ZIP_DEFLATED
        info.external_attr = 0o644 << 16
        with open(source, "rb") as data:
            archive.writestr(info, data.read())
os.replace(target + ".part", target)
PYTHON

floppy=1457664
size=$(stat -c %s "$zip")
if [ "$size" -gt "$floppy" ]; then
    echo "$zip is $size bytes: more than one 1.44 MB floppy holds" >&2
    exit 1
fi
echo "$setup"
echo "$zip ($size bytes)"
