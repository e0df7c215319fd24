#!/usr/bin/env bash
# Four like trees of junk files for the deletion benchmark, one per drive L: to O: of the bench prefix:
# the program's permanent deletion, a bare DeleteFileW loop, the program's Recycle Bin deletion and one
# bare shell operation each get their own. Every file matches the default include masks; some names
# are non-ASCII. DELETE_BENCH_FILES files (default 20,000) in folders of ten.
set -eu
prefix=$1
files=${DELETE_BENCH_FILES:-20000}
for d in l m n o; do
    root=$prefix/drives/$d
    rm -rf "$root"
    mkdir -p "$root"
    perl -CS -e '
        use strict;
        my ($root, $files) = @ARGV;
        my @names = ("setup%d.tmp", "~doc%d.tmp", "report%d.old", "crash%d.dmp", "disk%d.chk",
                     "\x{4e34}\x{65f6}%d.tmp", "caf\x{e9}%d.old");
        for my $n (0 .. $files - 1) {
            my $dir = sprintf("%s/top%02d/sub%04d", $root, $n / 1000, $n / 10);
            if ($n % 10 == 0) { mkdir "$root/" . sprintf("top%02d", $n / 1000); mkdir $dir; }
            my $name = sprintf($names[$n % @names], $n);
            utf8::encode($name);
            open(my $fh, ">", "$dir/$name") or die "$dir/$name: $!";
            print $fh "x" x (1 + $n % 64);
            close($fh);
        }
    ' "$root" "$files"
    ln -sfn "../drives/$d" "$prefix/dosdevices/$d:"
done
# One folder of DELETE_GAP_FILES files (default 100,000) on P: and Q:, for the longest wait for an answer
# in either mode.
gap=${DELETE_GAP_FILES:-100000}
for d in p q; do
    root=$prefix/drives/$d
    rm -rf "$root"
    mkdir -p "$root/one"
    perl -e 'my ($dir, $n) = @ARGV; for my $i (0 .. $n - 1) { open(my $fh, ">", "$dir/f$i.tmp") or die; close($fh); }' \
        "$root/one" "$gap"
    ln -sfn "../drives/$d" "$prefix/dosdevices/$d:"
done
echo "delete_bench_files_per_tree: $files"
echo "delete_gap_files: $gap"
