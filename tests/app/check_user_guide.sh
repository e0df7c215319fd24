#!/usr/bin/env bash
# Opens the built user guide as a CHM archive and checks that it holds every page of its sources, the
# table of contents listing each page, and the viewer window titled "Kestrune Disk Cleaner Help".
# usage: check_user_guide.sh Sweepwell.chm HELP_SOURCE_DIR
set -u
chm=$1 src=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0
problem() { echo "FAIL: $*"; fail=1; }

[ -s "$chm" ] || { echo "FAIL: $chm missing"; exit 1; }
extract_chmLib "$chm" "$work/out" >/dev/null || { echo "FAIL: $chm is not a readable CHM archive"; exit 1; }

for page in "$src"/*.html; do
    name=$(basename "$page")
    [ -s "$work/out/$name" ] || problem "page $name missing"
    grep -q "value=\"$name\"" "$work/out/Sweepwell.hhc" 2>/dev/null || problem "$name not in the table of contents"
done
[ -s "$work/out/Sweepwell.hhc" ] || problem "table of contents missing"
[ -s "$work/out/#WINDOWS" ] || problem "window definition missing"
grep -aq "Kestrune Disk Cleaner Help" "$work/out/#STRINGS" 2>/dev/null || problem "viewer title missing"

# The keyboard page lists every key the program answers.
for key in "Tab" "Shift+Tab" "Enter" "Space" "Esc" "F1" "Alt+F4" "Delete" "Ctrl+Tab" "Page Down"; do
    grep -q "<td>[^<]*$key" "$work/out/keyboard.html" 2>/dev/null || problem "the Keyboard page does not list $key"
done

[ $fail = 0 ] && echo "user guide: $(ls "$src"/*.html | wc -l) pages, contents and viewer title present"
exit $fail
