#!/usr/bin/env bash
# Folder links that Windows code cannot make: on E:, a link looping back to its parent and a link to a
# sentinel folder on F: that must survive every scan and deletion.
set -e
p=$1
mkdir -p "$p/drives/f/sentinel" "$p/drives/e/links/inner"
echo keep > "$p/drives/f/sentinel/keep.tmp"
echo a > "$p/drives/e/links/inner/a.tmp"
ln -sfn .. "$p/drives/e/links/inner/loop"
ln -sfn "$p/drives/f/sentinel" "$p/drives/e/links/to_sentinel"
# The freedesktop trash of the prefix's home, reachable as H: so the tests can see what the Recycle Bin got.
mkdir -p "$p/home/.local/share/Trash/files" "$p/home/.local/share/Trash/info"
ln -sfn "$p/home/.local/share/Trash" "$p/dosdevices/h:"
