#!/usr/bin/env bash
# A throw-away measurement, not part of make bench: Wine's IFileOperation against SHFileOperationW for a
# Recycle Bin deletion of single files (bench/fileoperation_probe.cpp), in a prefix of its own.
# usage: tools/fileoperation.sh [FILES]
set -u
ROOT=$(cd "$(dirname "$0")/.." && pwd)
. "$ROOT/tools/wine-env.sh"
files=${1:-2000}
cmake --build "$BUILD_DIR/windows" --target fileoperation_probe -j 2 >/dev/null || exit 1
prefix=$(wine_fresh_prefix fileoperation) || exit 1
wine_env "$prefix"
mkdir -p "$prefix/drive_c/probe"
cp "$BUILD_DIR/windows/fileoperation_probe.exe" "$prefix/drive_c/probe/"
for p in shell ifo_items ifo_array; do
    mkdir -p "$prefix/drive_c/probe/$p"
    perl -e 'my ($dir, $n) = @ARGV; for my $i (0 .. $n - 1) { open(my $fh, ">", "$dir/f$i.tmp") or die; print $fh "x"; close $fh; }' \
        "$prefix/drive_c/probe/$p" "$files"
done
( cd "$prefix/drive_c/probe" && WINEDEBUG=fixme+shell "$WINE_BIN" 'C:\probe\fileoperation_probe.exe' ) 2>&1 |
    awk '!seen[$0]++'
echo "trash_files: $(ls "$XDG_DATA_HOME/Trash/files" 2>/dev/null | wc -l)"
"$WINESERVER_BIN" -k 2>/dev/null
exit 0
