#!/usr/bin/env bash
# At 96 dpi every window looks exactly as it did before the program scaled itself: each shot is
# compared pixel by pixel with its reference image.
set -u
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
BUILD_DIR=${BUILD_DIR:-$ROOT/build}
refs=$ROOT/tests/screenshots/reference
out=$BUILD_DIR/screenshots-96dpi-check
rm -rf "$out"
SHOT_DPIS=96 SHOT_DIR=$out "$ROOT/tools/screenshots.sh" >/dev/null || { echo "screenshots failed"; exit 1; }

# What changes between runs is left out: the drives' free space (the host disk's) in the drive list's
# column, and today's date at the top of the left column of the main window.
volatile() {  # name: ImageMagick rectangles
    local date="rectangle 0,100 200,118"
    case $1 in
        main_window | frame_normal | frame_inactive | drive_list | *_menu) echo "rectangle 520,330 600,460 $date" ;;
        frame_maximised) echo "rectangle 518,328 598,458 $date" ;;
        about_box | add_filter* | delete_report | other_clean_cookies | other_clean_run*) ;;
        *) echo "$date" ;;
    esac
}

fail=0
mkdir -p "$out"
for ref in "$refs"/*.png; do
    name=$(basename "$ref" .png)
    mask=(-fill black -draw "$(volatile "${name%_en}") point 0,0")
    /usr/bin/convert "$ref" "${mask[@]}" "$out/$name.ref.png"
    /usr/bin/convert "$out/$name.png" "${mask[@]}" "$out/$name.shot.png" || { fail=1; continue; }
    diff=$(/usr/bin/compare -metric AE "$out/$name.ref.png" "$out/$name.shot.png" null: 2>&1)
    [ "$diff" = 0 ] || { echo "$name: $diff pixels differ from the reference"; fail=1; }
done
exit $fail
