#!/usr/bin/env bash
# Turns the game's bitmaps, clips and icon into the page's small web files.
# Usage: scripts/web-assets.sh OUTDIR   (writes OUTDIR/art/, OUTDIR/clips/ and OUTDIR/icons/)
#
# Bitmaps become lossless WebP with every pixel kept (-exact), so the grey fields under the
# texts and the button faces keep the colours the desktop programs show. The two large
# backgrounds, the main panel's (48) and the console's (100), are photographs of wood, chalk
# and paper whose grain costs lossless WebP 430 kB; lossy WebP at quality 85 keeps them to the
# eye in a fifth of that, which a phone's first visit needs. Clips become Ogg Opus, a tenth
# of the WAVE bytes, which every current browser decodes through Web Audio. A file newer than
# its source and this script is kept, so a second run costs nothing; the output never varies.
set -euo pipefail
[ $# -eq 1 ] || { echo "usage: $0 OUTDIR" >&2; exit 2; }
out=$1
here=$(cd "$(dirname "$0")/.." && pwd)
resources=$here/resources
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir -p "$out/art" "$out/clips" "$out/icons"

# cwebp cannot read BMP, so each bitmap goes through a lossless PNG first.
for bitmap in "$resources"/bitmaps/*.bmp; do
    id=$(basename "$bitmap" .bmp)
    [ "$out/art/$id.webp" -nt "$bitmap" ] && [ "$out/art/$id.webp" -nt "$0" ] && continue
    convert "$bitmap" "$work/$id.png"
    case $id in
    48 | 100) encoding=(-q 85 -m 6 -sharp_yuv) ;;
    *) encoding=(-lossless -exact -z 9) ;;
    esac
    cwebp -quiet "${encoding[@]}" -metadata none "$work/$id.png" -o "$out/art/$id.webp"
done

# 32 kbit/s keeps the clicks crisp; the clips are mono and short.
for clip in "$resources"/sounds/*.wav; do
    id=$(basename "$clip" .wav)
    [ "$out/clips/$id.opus" -nt "$clip" ] && continue
    opusenc --quiet --bitrate 32 --comp 10 --serial 1 --discard-comments "$clip" \
        "$out/clips/$id.opus"
done

# The tab's icon is the small one drawn for 32 pixels; the manifest's are made from the drawing.
cp "$resources/icon/hicolor/32x32/apps/tallyrope.png" "$out/icons/tallyrope-32.png"
icon=$resources/icon/hicolor/scalable/apps/tallyrope.svg
for size in 192 512; do
    [ "$out/icons/tallyrope-$size.png" -nt "$icon" ] && continue
    rsvg-convert -w "$size" -h "$size" "$icon" -o "$out/icons/tallyrope-$size.png"
    optipng -quiet -o2 "$out/icons/tallyrope-$size.png"
done
