#!/usr/bin/env bash
# A folder link inside the temp folder that points to a sentinel folder outside it: cleaning the temp
# folder must remove at most the link, never the sentinel's files. Windows code cannot make such links.
set -eu
prefix=$1
user=$(ls "$prefix/drive_c/users" | grep -v '^Public$' | head -1)
temp=$prefix/drive_c/users/$user/Temp
mkdir -p "$temp" "$prefix/drive_c/sentinel/inner"
echo keep > "$prefix/drive_c/sentinel/keep.txt"
echo keep > "$prefix/drive_c/sentinel/inner/keep.txt"
ln -sfn "$prefix/drive_c/sentinel" "$temp/sentinel-link"
# A tree holding a link one level down, for deleting whole folders around a link.
mkdir -p "$prefix/drive_c/linktree/holder"
echo x > "$prefix/drive_c/linktree/holder/x.tmp"
ln -sfn "$prefix/drive_c/sentinel" "$prefix/drive_c/linktree/holder/inner-link"
