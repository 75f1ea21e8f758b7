#!/usr/bin/env bash
# Renders the program's icon for the desktop's icon theme.
#
#   app/images/src/icon.svg  ->  app/desktop/icons/<N>x<N>/<id>.png
#                                app/desktop/icons/scalable/<id>.svg
#
# The source is the same SVG that tools/render-images.sh renders into the
# icon compiled into the program (app/images/icon.png), and the pipeline is
# the same (rsvg-convert, then ImageMagick to a stripped 8-bit RGBA PNG), so
# the desktop shows the picture the window shows.  Every result is checked:
# exact pixel size, PNG, bit depth 8, colour type 6 (RGBA); the 128 pixel
# render must match the embedded icon pixel for pixel.  The rendered files
# are committed, so the build needs none of these tools.
#
# Needs rsvg-convert and ImageMagick 6:
#   apt-get install -y librsvg2-bin imagemagick
#
# ImageMagick is called as /usr/bin/convert, /usr/bin/identify and
# /usr/bin/compare on purpose: another "convert" may come first in PATH.
#
# Usage: tools/render-icons.sh        (from anywhere in the work tree)

set -euo pipefail

APP_ID=io.github.vormis.Vormis
SIZES="16 22 24 32 48 64 128 256"

RSVG=rsvg-convert
CONVERT=/usr/bin/convert
IDENTIFY=/usr/bin/identify
COMPARE=/usr/bin/compare

missing=0
if ! command -v "$RSVG" >/dev/null 2>&1; then
    echo "render-icons: rsvg-convert not found" >&2
    missing=1
fi
for tool in "$CONVERT" "$IDENTIFY" "$COMPARE"; do
    if [ ! -x "$tool" ]; then
        echo "render-icons: $tool not found" >&2
        missing=1
    fi
done
if [ "$missing" -ne 0 ]; then
    echo "render-icons: install them with: apt-get install -y librsvg2-bin imagemagick" >&2
    exit 1
fi

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/.." && pwd)
svg="$root/app/images/src/icon.svg"
embedded="$root/app/images/icon.png"
out="$root/app/desktop/icons"

fail() {
    echo "render-icons: $*" >&2
    exit 1
}

[ -f "$svg" ] || fail "missing source $svg"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# check <file> <size>: a PNG of exactly size x size pixels, 8-bit RGBA
# (bit depth and colour type read from the IHDR chunk, bytes 25 and 26).
check() {
    local file=$1 n=$2 got depth ctype
    got=$("$IDENTIFY" -format '%m %w %h\n' "$file" | head -n 1)
    [ "$got" = "PNG $n $n" ] || fail "$file: expected 'PNG $n $n', got '$got'"
    depth=$(od -An -tu1 -j24 -N1 "$file" | tr -d ' ')
    ctype=$(od -An -tu1 -j25 -N1 "$file" | tr -d ' ')
    if [ "$depth" != 8 ] || [ "$ctype" != 6 ]; then
        fail "$file: PNG bit depth $depth, colour type $ctype (wanted 8, 6)"
    fi
}

# Render everything into the scratch folder first, so a failure leaves the
# committed icons as they were.
for n in $SIZES; do
    raw="$work/raw-$n.png"
    "$RSVG" --width "$n" --height "$n" --format png --output "$raw" "$svg"
    mkdir -p "$work/icons/${n}x${n}"
    dest="$work/icons/${n}x${n}/$APP_ID.png"
    "$CONVERT" "$raw" -strip -define png:bit-depth=8 "PNG32:$dest"
    check "$dest" "$n"
done

# The 128 pixel render is the embedded icon's size: both come from the same
# source, so they must not differ in a single pixel.
[ -f "$embedded" ] || fail "missing $embedded"
diff_pixels=$("$COMPARE" -metric AE "$work/icons/128x128/$APP_ID.png" "$embedded" null: 2>&1) || true
[ "$diff_pixels" = 0 ] ||
    fail "128x128 render differs from $embedded in '$diff_pixels' pixels (run tools/render-images.sh?)"

# The scalable icon is the source itself; rsvg-convert has just read it.
mkdir -p "$work/icons/scalable"
cp "$svg" "$work/icons/scalable/$APP_ID.svg"

rm -rf "$out"
mkdir -p "$out"
cp -R "$work/icons/." "$out/"
for n in $SIZES; do
    echo "  $out/${n}x${n}/$APP_ID.png (${n}x${n}, rgba)"
done
echo "  $out/scalable/$APP_ID.svg"
echo "render-icons: $(wc -w <<<"$SIZES") sizes and the scalable icon written to $out"
