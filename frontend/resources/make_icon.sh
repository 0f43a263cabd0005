#!/usr/bin/env bash
# Draws the application icon (resource 128) at 16, 32 and 48 pixels with
# ImageMagick: a dark tile holding a sheet of dump lines, an address column
# on the left and byte groups to its right. Only drawing primitives are used,
# so the result does not depend on installed fonts.
# The Windows icon file trelk_dump.ico holds the same three images.
# Run it again after changing the drawing; the PNGs and the .ico are
# committed, so that no build needs ImageMagick.
set -euo pipefail
cd "$(dirname "$0")"

draw() {  # draw SIZE: everything is laid out on a 32-unit grid and scaled
    local size=$1
    local lines=""
    for row in 0 1 2 3 4; do
        local y=$((9 + row * 4))
        lines+=" fill '#d9a300' rectangle 6,$y 10,$((y + 1))"
        lines+=" fill '#1f5fa8' rectangle 13,$y 17,$((y + 1))"
        lines+=" fill '#1f5fa8' rectangle 19,$y 23,$((y + 1))"
        if [ "$row" -ne 4 ]; then
            lines+=" fill '#1f5fa8' rectangle 25,$y 26,$((y + 1))"
        fi
    done
    convert -size 32x32 xc:none \
        -fill '#20343f' -draw "roundrectangle 0,0 31,31 5,5" \
        -fill '#f4f1e6' -draw "rectangle 3,4 28,28" \
        -fill '#3b8f6a' -draw "rectangle 3,4 28,6" \
        -draw "$lines" \
        -resize "${size}x${size}" \
        -define png:exclude-chunks=date,time \
        "trelk_dump_${size}.png"
}

for size in 16 32 48; do
    draw "$size"
done

# Stored as bitmaps, which every Windows version reads in an icon file.
convert trelk_dump_16.png trelk_dump_32.png trelk_dump_48.png \
    -compress none trelk_dump.ico
