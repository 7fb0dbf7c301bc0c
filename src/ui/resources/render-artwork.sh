#!/usr/bin/env bash
# Renders the SVG artwork into the PNG files the program and the desktop use.
# Run after changing an SVG; the PNGs are kept in the repository so that a
# build needs nothing but Qt. Needs ImageMagick with its SVG coder.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
icons=$here/../../../packaging/icons
convert=/usr/bin/convert

render() { # svg size out
  "$convert" -background none -density 384 "$1" -resize "$2x$2" "PNG32:$3"
}
# The greyed look of a disabled tool button: grey, lighter, a little faded.
grey() { # in out
  "$convert" "$1" -colorspace Gray -fill white -colorize 45% -channel A -evaluate multiply 0.75 +channel \
    -colorspace sRGB "PNG32:$2"
}

mkdir -p "$here/png"
for glyph in new open save print undo redo; do
  for size in 20 40; do
    render "$here/glyphs/$glyph.svg" $size "$here/png/$glyph-$size.png"
    grey "$here/png/$glyph-$size.png" "$here/png/$glyph-$size-disabled.png"
  done
done
"$convert" -background none -density 192 "$here/about.svg" -resize 322x162 "PNG32:$here/png/about.png"
for size in 16 22 24 32 48 64 128 256; do
  render "$icons/tarvel3.svg" $size "$icons/tarvel3-$size.png"
done
