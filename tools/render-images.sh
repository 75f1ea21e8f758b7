#!/usr/bin/env bash
# Renders the program's pictures from their SVG sources.
#
#   app/images/src/<name>.svg  ->  app/images/<name>.<png|gif|jpg>
#
# Each picture has a fixed pixel size and file format (see the table
# below); the program and its resource file rely on both, so this script
# checks every result and stops at the first thing that is not right.
#
# Needs rsvg-convert and ImageMagick 6:
#   apt-get install -y librsvg2-bin imagemagick
#
# ImageMagick is called as /usr/bin/convert and /usr/bin/identify on
# purpose: another "convert" may come first in PATH.
#
# Usage: tools/render-images.sh        (from anywhere in the work tree)

set -euo pipefail

RSVG=rsvg-convert
CONVERT=/usr/bin/convert
IDENTIFY=/usr/bin/identify

missing=0
if ! command -v "$RSVG" >/dev/null 2>&1; then
    echo "render-images: rsvg-convert not found" >&2
    missing=1
fi
for tool in "$CONVERT" "$IDENTIFY"; do
    if [ ! -x "$tool" ]; then
        echo "render-images: $tool not found" >&2
        missing=1
    fi
done
if [ "$missing" -ne 0 ]; then
    echo "render-images: install them with: apt-get install -y librsvg2-bin imagemagick" >&2
    exit 1
fi

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/.." && pwd)
src="$root/app/images/src"
out="$root/app/images"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# name                      width height kind
#   rgba  PNG, 8-bit RGBA
#   grey  PNG, 8-bit grey + alpha
#   gif   GIF89a, one transparent colour
#   jpeg  baseline JPEG, no alpha
pictures='
furnica                     27    40   rgba
home                        133   100  rgba
food                        308   310  gif
icon                        128   128  rgba
animation-start             48    48   grey
animation-stop              48    48   grey
animation-seek-forward      48    48   grey
config-dialog               128   128  rgba
dialog-ant                  48    48   rgba
dialog-rule                 48    48   rgba
dialog-help                 48    48   rgba
dialog-defaults             48    48   rgba
dialog-ok                   64    64   rgba
dialog-cancel               48    48   rgba
application-exit            48    48   rgba
help                        128   128  rgba
dialog-animation            48    48   rgba
terrain                     512   512  jpeg
'

fail() {
    echo "render-images: $*" >&2
    exit 1
}

# check <file> <width> <height> <expected ImageMagick format>
check() {
    local file=$1 w=$2 h=$3 fmt=$4 got
    got=$("$IDENTIFY" -format '%m %w %h\n' "$file" | head -n 1)
    [ "$got" = "$fmt $w $h" ] || fail "$file: expected '$fmt $w $h', got '$got'"
}

# png_header <file> <colour type>: bit depth 8 and the given colour type,
# read straight from the IHDR chunk (bytes 25 and 26 of the file).
png_header() {
    local file=$1 want=$2 depth ctype
    depth=$(od -An -tu1 -j24 -N1 "$file" | tr -d ' ')
    ctype=$(od -An -tu1 -j25 -N1 "$file" | tr -d ' ')
    [ "$depth" = 8 ] && [ "$ctype" = "$want" ] ||
        fail "$file: PNG bit depth $depth, colour type $ctype (wanted 8, $want)"
}

count=0
while read -r name w h kind; do
    [ -n "$name" ] || continue
    svg="$src/$name.svg"
    [ -f "$svg" ] || fail "missing source $svg"

    raw="$work/$name.png"
    "$RSVG" --width "$w" --height "$h" --format png --output "$raw" "$svg"
    check "$raw" "$w" "$h" PNG

    case "$kind" in
    rgba)
        dest="$out/$name.png"
        "$CONVERT" "$raw" -strip -define png:bit-depth=8 "PNG32:$dest"
        check "$dest" "$w" "$h" PNG
        png_header "$dest" 6
        ;;
    grey)
        dest="$out/$name.png"
        "$CONVERT" "$raw" -colorspace Gray -strip \
            -define png:color-type=4 -define png:bit-depth=8 "PNG:$dest"
        check "$dest" "$w" "$h" PNG
        png_header "$dest" 4
        ;;
    gif)
        # GIF has on/off transparency: cut the alpha at one half. The
        # colour of the pixels that stay is not premultiplied, so the
        # edges keep the outline colour and show no light or dark fringe.
        dest="$out/$name.gif"
        "$CONVERT" "$raw" -channel A -threshold 50% +channel \
            -dither None -colors 255 -strip "GIF:$dest"
        check "$dest" "$w" "$h" GIF
        [ "$(head -c 6 "$dest")" = GIF89a ] || fail "$dest: not GIF89a"
        ;;
    jpeg)
        dest="$out/$name.jpg"
        "$CONVERT" "$raw" -background white -alpha remove -alpha off \
            -colorspace sRGB -type TrueColor -interlace None \
            -sampling-factor 2x2,1x1,1x1 -quality 90 -strip "JPEG:$dest"
        check "$dest" "$w" "$h" JPEG
        ;;
    *)
        fail "unknown kind '$kind' for $name"
        ;;
    esac
    echo "  $dest (${w}x${h}, $kind)"
    count=$((count + 1))
done <<<"$pictures"

echo "render-images: $count pictures written to $out"
