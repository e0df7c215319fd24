#!/usr/bin/env bash
# Draws the program's mark (a broom over a disk, as PaintAppIcon draws it) at every icon size Windows
# asks for, from 16 to 256 pixels, each from the shapes at its own size, into resources/app.ico.
# Run it after changing the mark; the icon is kept in the repository.
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sizes="16 20 24 32 40 48 64 96 128 256"
files=()
for s in $sizes; do
    awk -v s="$s" 'BEGIN {
        w = s; h = s; t = (w / 10 > 2 ? w / 10 : 2)
        printf "fill rgb(46,125,82)\nstroke white\nstroke-width %g\n", (s >= 48 ? s / 48 : 1)
        printf "ellipse %g,%g %g,%g 0,360\n", w / 2, h / 2, w * 0.4, h * 0.4
        printf "fill white\nstroke none\nellipse %g,%g %g,%g 0,360\n", w / 2, h / 2, w * 0.1, h * 0.1
        printf "stroke rgb(255,170,40)\nstroke-width %g\nline %g,%g %g,%g\n", t, w * 3 / 4, h / 8, w / 3, h * 2 / 3
        printf "stroke none\nfill rgb(255,170,40)\npolygon %g,%g %g,%g %g,%g\n", w / 3 - w / 8, h * 2 / 3 - h / 10,
            w / 3 + w / 10, h * 2 / 3 + h / 10, w / 8, h - h / 12
    }' > "$work/mark$s.mvg"
    /usr/bin/convert -size "${s}x${s}" xc:none -draw "$(cat "$work/mark$s.mvg")" "$work/mark$s.png"
    files+=("$work/mark$s.png")
done
/usr/bin/convert "${files[@]}" -depth 8 "$ROOT/resources/app.ico"
/usr/bin/identify "$ROOT/resources/app.ico"
