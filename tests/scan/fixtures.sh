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
# Names that Windows code cannot make, one set per deletion mode: case twins, characters Win32 names
# cannot hold, a backslash inside a name beside the path it spells, and two names whose bytes are no
# UTF-8 and both read as "caf\uFFFD.tmp" (all alike in size and time), on I: and J:.
for d in i j; do
    mkdir -p "$p/drives/$d/back"
    echo ticked > "$p/drives/$d/Case.tmp"
    echo twin > "$p/drives/$d/case.tmp"
    echo q > "$p/drives/$d/what?.tmp"
    echo zz > "$p/drives/$d/zz.tmp"
    echo same > "$p/drives/$d/back/slash.tmp"
    echo same > "$p/drives/$d/back\\slash.tmp"
    printf e > "$p/drives/$d/$(printf 'caf\351.tmp')"
    printf e > "$p/drives/$d/$(printf 'caf\350.tmp')"
    touch -r "$p/drives/$d/back/slash.tmp" "$p/drives/$d/back\\slash.tmp"
    touch -r "$p/drives/$d/$(printf 'caf\351.tmp')" "$p/drives/$d/$(printf 'caf\350.tmp')"
    ln -sfn "../drives/$d" "$p/dosdevices/$d:"
done
# Twins alike in size and time, for a ticked file that vanishes after the scan: on P: and Q:.
for d in p q; do
    mkdir -p "$p/drives/$d"
    echo same > "$p/drives/$d/Twin.tmp"
    echo same > "$p/drives/$d/twin.tmp"
    touch -r "$p/drives/$d/Twin.tmp" "$p/drives/$d/twin.tmp"
    for n in 1 2 3 4 5; do echo a > "$p/drives/$d/a$n.tmp"; done  # enough for the folder to be listed once
    ln -sfn "../drives/$d" "$p/dosdevices/$d:"
done
# A folder holding a folder link named like a scanned file, which a deletion test swaps into the file's
# place, on K:.
mkdir -p "$p/drives/f/swap_target" "$p/drives/k/link_holder"
echo keep > "$p/drives/f/swap_target/keep.tmp"
ln -sfn "$p/drives/f/swap_target" "$p/drives/k/link_holder/swapped.tmp"
ln -sfn ../drives/k "$p/dosdevices/k:"
# A tree for comparing the read-ahead scan with the plain sequential walk, on R:: deep nesting, a wide
# folder, excluded folders, a link loop, Unicode names and paths over 260 characters.
r=$p/drives/r
rm -rf "$r"
mkdir -p "$r/wide" "$r/WINDOWS/Temp/below" "$r/WINDOWS/Temp2" "$r/名前/sub"
for i in $(seq 1 3000); do : > "$r/wide/w$i.tmp"; done
for i in $(seq 1 300); do echo x > "$r/wide/keep$i.txt"; done
echo t > "$r/WINDOWS/Temp/t.tmp"
echo b > "$r/WINDOWS/Temp/below/b.tmp"
echo t2 > "$r/WINDOWS/Temp2/t2.tmp"
echo u > "$r/名前/临时.tmp"
echo c > "$r/名前/sub/café.log"
deep=$r
for level in $(seq 1 30); do
    deep=$deep/level_$(printf %02d "$level")_with_a_long_name_xxxxxxxxxxxxxxxx
    mkdir -p "$deep"
    echo "$level" > "$deep/f$level.tmp"
    echo "$level" > "$deep/g$level.txt"
    [ $((level % 5)) = 0 ] && ln -sfn .. "$deep/loop"
done
for t in $(seq 1 40); do
    mkdir -p "$r/top$t/a" "$r/top$t/b"
    echo "$t" > "$r/top$t/a/x$t.tmp"
    echo "$t" > "$r/top$t/b/y$t.log"
    : > "$r/top$t/b/empty$t.dat"
done
ln -sfn ../drives/r "$p/dosdevices/r:"
# A folder in which the user may not delete (honoured only by a process without root's override of
# permission bits; see the unprivileged run of these tests), beside a file that may go, on L:.
l=$p/drives/l
mkdir -p "$l/locked"
echo x > "$l/locked/a.tmp"
echo x > "$l/locked/b.tmp"
chmod 555 "$l/locked"
ln -sfn ../drives/l "$p/dosdevices/l:"
