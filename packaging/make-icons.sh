#!/usr/bin/env bash
# Makes the program's icons from the globe picture of its own content: the globe on its blue
# ground, cut to a square with rounded corners. Needs ImageMagick; the results are committed.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$root/packaging/icons"
mkdir -p "$out"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
convert "$root/content/images/globesm.jpg" -crop 230x230+20+0 +repage -resize 256x256 "$tmp/square.png"
convert -size 256x256 xc:none -fill white -draw "roundrectangle 0,0 255,255 40,40" "$tmp/mask.png"
convert "$tmp/square.png" "$tmp/mask.png" -alpha off -compose CopyOpacity -composite "$tmp/icon.png"
for size in 48 64 128 256; do
    convert "$tmp/icon.png" -resize ${size}x${size} -strip "$out/orvelles-$size.png"
done
