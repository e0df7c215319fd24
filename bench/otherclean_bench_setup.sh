#!/usr/bin/env bash
# Builds the Other Clean benchmark's tree inside the bench prefix's temp folder: 100,000 files in
# 1,000 folders (two levels), one in ten with some content.
set -eu
prefix=$1
user=$(ls "$prefix/drive_c/users" | grep -v '^Public$' | head -1)
tree=$prefix/drive_c/users/$user/Temp/otherclean-bench
rm -rf "$tree"
for top in $(seq -w 0 19); do
    for sub in $(seq -w 0 49); do
        dir=$tree/top$top/sub$sub
        mkdir -p "$dir"
        ( cd "$dir" && touch $(seq -f 'f%03g.tmp' 0 99) )
        for n in 000 010 020 030 040 050 060 070 080 090; do
            printf "%*s" $((10#$n * 37 + 1)) x > "$dir/f$n.tmp"
        done
    done
done
echo "otherclean tree: $(find "$tree" -type f | wc -l) files in $(find "$tree" -type d | wc -l) folders"
