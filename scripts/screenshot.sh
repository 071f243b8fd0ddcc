#!/usr/bin/env bash
# Takes a screenshot of an X display as a user sees it.
#   screenshot.sh DISPLAY OUTPUT.png
#
# A capture of the root window alone shows Wine's popups (tooltips, drop-down and pop-up menus)
# as black boxes on Xvfb, while a capture of the popup's own window shows what Wine painted. On
# a plain display they are override-redirect windows; inside Wine's virtual desktop they are
# nameless children of the desktop's window. So the root is captured first, and every mapped
# popup of either kind that the root capture shows (nearly) black is captured on its own and
# laid over it at its place, the lowest first. Windows the root capture shows correctly are left as they are: a capture of a
# shaped window on its own also holds the pixels outside its shape.
# Needs xwd and xwininfo (x11-apps, x11-utils) and ImageMagick's convert.
set -euo pipefail
[ $# -eq 2 ] || { echo "usage: $0 DISPLAY OUTPUT.png" >&2; exit 2; }
display=$1
out=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

xwd -root -silent -display "$display" >"$work/root.xwd"
# Listed right after the root capture, while the same popups are up. xwininfo lists each level's
# windows top-most first, each with its size and absolute place: reversed, the lowest come first.
# Wine keeps many 1x1 windows for its own use: only windows of some size are looked at.
xwininfo -display "$display" -root -tree |
    awk '$1 ~ /^0x[0-9a-f]+$/ && match($0, /[0-9]+x[0-9]+[+-][0-9-]+[+-][0-9-]+ +[+-][0-9-]+[+-][0-9-]+$/) {
        split(substr($0, RSTART), f, /[x+ ]+/)
        if (f[1] > 2 && f[2] > 2) print $1, f[1], f[2], f[5], f[6]
    }' | tac >"$work/windows"
convert "xwd:$work/root.xwd" "$work/shot.miff"
cp "$work/shot.miff" "$work/root.miff"
read -r screen_w screen_h < <(identify -format '%w %h\n' "$work/root.miff")

overlaid=0
while read -r id w h x y; do
    [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ "$x" -lt "$screen_w" ] && [ "$y" -lt "$screen_h" ] ||
        continue
    info=$(xwininfo -display "$display" -id "$id" 2>/dev/null) || continue
    grep -q 'Map State: IsViewable' <<<"$info" || continue
    grep -q 'Override Redirect State: yes' <<<"$info" || grep -q '(has no name)' <<<"$info" ||
        continue
    mean=$(convert "$work/root.miff" -crop "${w}x${h}+${x}+${y}" +repage -colorspace Gray \
        -format '%[fx:mean]' info:)
    awk -v m="$mean" 'BEGIN { exit !(m < 0.02) }' || continue
    # The popup may have gone since it was listed: then it is simply not laid over.
    xwd -silent -display "$display" -id "$id" >"$work/window.xwd" 2>/dev/null || continue
    convert "$work/shot.miff" "xwd:$work/window.xwd" -geometry "+${x}+${y}" -composite \
        "$work/shot.miff" 2>/dev/null || continue
    overlaid=$((overlaid + 1))
done <"$work/windows"

mkdir -p "$(dirname "$out")"
convert "$work/shot.miff" "$out"
[ -z "${SCREENSHOT_VERBOSE:-}" ] || echo "$out: $overlaid popup(s) laid over the root capture" >&2
