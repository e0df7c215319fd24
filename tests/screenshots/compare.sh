#!/usr/bin/env bash
# At 96 dpi every window looks exactly as it did before the program scaled itself: each shot is
# compared pixel by pixel with its reference image. The drives' free space is the host disk's and
# changes between runs, so that column of the drive list is left out.
set -u
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
BUILD_DIR=${BUILD_DIR:-$ROOT/build}
refs=$ROOT/tests/screenshots/reference
out=$BUILD_DIR/screenshots-96dpi-check
rm -rf "$out"
SHOT_DPIS=96 SHOT_DIR=$out "$ROOT/tools/screenshots.sh" >/dev/null || { echo "screenshots failed"; exit 1; }

# name: the free-space column (x,y,w,h) of the shots that show the drive list
volatile() {
    case $1 in
        main_window | frame_normal | frame_inactive | drive_list) echo "520,330 600,460" ;;
        frame_maximised) echo "518,328 598,458" ;;
        *) echo "" ;;
    esac
}

fail=0
for ref in "$refs"/*.png; do
    name=$(basename "$ref" .png)
    shot=$out/$name.png
    if [ ! -f "$shot" ]; then
        echo "$name: no shot"; fail=1; continue
    fi
    box=$(volatile "$name")
    mask=()
    [ -n "$box" ] && mask=(-fill black -draw "rectangle ${box}")
    diff=$(/usr/bin/compare -metric AE <(/usr/bin/convert "$ref" "${mask[@]}" png:-) \
        <(/usr/bin/convert "$shot" "${mask[@]}" png:-) null: 2>&1)
    if [ "$diff" != 0 ]; then
        echo "$name: $diff pixels differ from the reference"; fail=1
    fi
done
[ $fail = 0 ] && echo "all $(ls "$refs"/*.png | wc -l) shots match their references at 96 dpi"
exit $fail
