#!/usr/bin/env bash
# Draws the application icon (a globe with its graticule) as icon_32.png and
# icon_16.png beside this script, in the 16 colours of the classic VGA palette
# with a transparent background. Needs ImageMagick's convert.
set -euo pipefail
cd "$(dirname "$0")"

palette=(black '#800000' '#008000' '#808000' '#000080' '#800080' '#008080' '#c0c0c0'
         '#808080' '#ff0000' '#00ff00' '#ffff00' '#0000ff' '#ff00ff' '#00ffff' white)
palette_file=$(mktemp --suffix=.png)
trap 'rm -f "$palette_file"' EXIT
convert "${palette[@]/#/xc:}" +append "$palette_file"

# globe SIZE CENTRE RADIUS MERIDIAN-HALF-WIDTHS PARALLEL-OFFSETS ROUTE OUTPUT
globe() {
    local size=$1 c=$2 r=$3 meridians=$4 parallels=$5 route=$6 output=$7
    local draw="fill #0000ff stroke #000080 circle $c,$c $c,$(echo "$c - $r" | bc)"
    draw+=" fill none stroke #00ffff line $c,$(echo "$c - $r + 1" | bc) $c,$(echo "$c + $r - 1" | bc)"
    for w in $meridians; do
        draw+=" ellipse $c,$c $w,$(echo "$r - 1" | bc) 0,360"
    done
    for dy in $parallels; do
        local half
        half=$(echo "sqrt($r * $r - $dy * $dy) - 1" | bc -l | cut -d. -f1)
        for y in $(echo "$c - $dy" | bc) $(echo "$c + $dy" | bc); do
            draw+=" line $(echo "$c - $half" | bc),$y $(echo "$c + $half" | bc),$y"
        done
    done
    draw+=" stroke #ffff00 fill none $route"
    # Fuchsia, which the drawing does not use, stands for the transparent mask.
    convert -size "${size}x${size}" xc:'#ff00ff' +antialias -strokewidth 1 -draw "$draw" \
        +dither -remap "$palette_file" -transparent '#ff00ff' -define png:color-type=6 "$output"
}

globe 32 15 14 "7" "0 8" "path 'M 6,21 Q 14,5 25,10'" icon_32.png
globe 16 7 7 "" "0" "line 3,10 11,5" icon_16.png
