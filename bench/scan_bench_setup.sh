#!/usr/bin/env bash
# Generates the scan benchmark's tree on the prefix's drive D: (Linux side, fast): by default 200,000
# files in 20,000 folders, about 10% matching the default include masks, some names non-ASCII, and
# some folder chains deep enough for paths over 260 characters.
set -eu
prefix=$1
files=${SCAN_BENCH_FILES:-200000}
folders=${SCAN_BENCH_FOLDERS:-20000}
root=$prefix/drives/d/tree
rm -rf "$root"
mkdir -p "$root"
perl -CS -e '
    use strict;
    my ($root, $files, $folders) = @ARGV;
    my $top = 200;
    my $perTop = int($folders / $top) - 1;
    my $perFolder = int($files / $folders);
    my @junk = ("setup%d.tmp", "~doc%d.tmp", "report%d.old", "crash%d.dmp", "disk%d.chk");
    my @plain = ("photo%d.jpg", "notes%d.txt", "lib%d.dll", "letter%d.doc", "data%d.bin",
                 "caf\x{e9}%d.txt", "\x{4e34}\x{65f6}%d.txt", "sheet%d.xls", "song%d.mp3");
    my ($nFiles, $nFolders, $nMatch) = (0, 0, 0);
    binmode(STDOUT, ":utf8");
    my $fill = sub {
        my ($dir) = @_;
        for my $f (0 .. $perFolder - 1) {
            my $n = $nFiles++;
            my $name;
            if ($n % 10 == 0) { $name = sprintf($junk[($n / 10) % @junk], $n); $nMatch++; }
            else { $name = sprintf($plain[$n % @plain], $n); }
            utf8::encode($name);
            open(my $fh, ">", "$dir/$name") or die "$dir/$name: $!";
            print $fh "x" x (1 + $n % 64) if $n % 10 == 0;  # plain files stay empty: no blocks
            close($fh);
        }
    };
    for my $t (0 .. $top - 1) {
        my $dir = sprintf("%s/top%03d", $root, $t);
        mkdir $dir; $nFolders++; $fill->($dir);
        # Every 20th top folder is one deep chain, so that its lower paths pass 260 characters.
        my $deep = $t % 20 == 0;
        my $parent = $dir;
        for my $c (0 .. $perTop - 1) {
            my $sub = $deep ? sprintf("%s/chain_level_%03d", $parent, $c) : sprintf("%s/sub%03d", $dir, $c);
            mkdir $sub or die "$sub: $!"; $nFolders++; $fill->($sub);
            $parent = $sub if $deep;
        }
    }
    print "tree_files: $nFiles\ntree_folders: $nFolders\ntree_matches: $nMatch\n";
' "$root" "$files" "$folders"
# One folder of 100,000 files (every tenth a junk file) on W:, for the longest time the window goes
# unanswered during a scan.
wide=$prefix/drives/w/wide
rm -rf "$prefix/drives/w"
mkdir -p "$wide"
perl -e '
    my ($dir, $n) = @ARGV;
    for my $i (0 .. $n - 1) {
        my $name = $i % 10 == 0 ? "junk$i.tmp" : "file$i.dat";
        open(my $fh, ">", "$dir/$name") or die "$dir/$name: $!";
        print $fh "x" if $i % 10 == 0;
        close($fh);
    }
' "$wide" "${SCAN_BENCH_WIDE:-100000}"
ln -sfn ../drives/w "$prefix/dosdevices/w:"
echo "wide_folder_files: ${SCAN_BENCH_WIDE:-100000}"
