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
volatile() {  # name: rectangles "x0,y0 x1,y1"
    case $1 in
        main_window | frame_normal | frame_inactive | drive_list | help_menu | window_menu)
            echo "rectangle 520,330 600,460 rectangle 0,100 200,118" ;;
        frame_maximised) echo "rectangle 518,328 598,458 rectangle 0,100 200,118" ;;
        about_box | add_filter* | delete_report | other_clean_cookies | other_clean_run*) echo "" ;;
        *) echo "rectangle 0,100 200,118" ;;
    esac
}

fail=0
mkdir -p "$out"
for ref in "$refs"/*.png; do
    name=$(basename "$ref" .png)
    shot=$out/$name.png
    if [ ! -f "$shot" ]; then
        echo "$name: no shot"; fail=1; continue
    fi
    box=$(volatile "$name")
    mask=()
    [ -n "$box" ] && mask=(-fill black -draw "$box")
    /usr/bin/convert "$ref" "${mask[@]}" "$out/$name.ref.png"
    /usr/bin/convert "$shot" "${mask[@]}" "$out/$name.shot.png"
    diff=$(/usr/bin/compare -metric AE "$out/$name.ref.png" "$out/$name.shot.png" null: 2>&1)
    if [ "$diff" != 0 ]; then
        echo "$name: $diff pixels differ from the reference"; fail=1
    fi
done
[ $fail = 0 ] && echo "all $(ls "$refs"/*.png | wc -l) shots match their references at 96 dpi"
exit $fail
