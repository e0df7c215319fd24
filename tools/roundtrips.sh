#!/usr/bin/env bash
# A throw-away measurement, not part of make bench: the wine-server requests per file of a bare
# DeleteFileW loop and of the program's permanent deletion (bench/roundtrips_probe.cpp), counted in the
# server's trace, and then the time per file of each phase and of each step of the program's path.
# usage: tools/roundtrips.sh [TRACED_FOLDERS [TIMED_FOLDERS]]   (ten files a folder)
set -u
ROOT=$(cd "$(dirname "$0")/.." && pwd)
. "$ROOT/tools/wine-env.sh"
traced=${1:-10} timed=${2:-500}
cmake --build "$BUILD_DIR/windows" --target roundtrips_probe -j 2 >/dev/null || exit 1
prefix=$(wine_fresh_prefix roundtrips) || exit 1
wine_env "$prefix"
mkdir -p "$prefix/drive_c/probe"
cp "$BUILD_DIR/windows/roundtrips_probe.exe" "$prefix/drive_c/probe/"
phases="bare program1 program2 program3 program4 onequery openclose handlepath listing steps"
make_files() {  # folders
    for p in $phases; do
        rm -rf "$prefix/drive_c/probe/$p"; mkdir -p "$prefix/drive_c/probe/$p"
        perl -e 'my ($root, $n) = @ARGV; for my $d (0 .. $n - 1) { my $dir = sprintf("%s/d%04d", $root, $d);
                 mkdir $dir or die; for my $i (0 .. 9) { open(my $fh, ">", "$dir/f$i.tmp") or die; print $fh "x" x $i; close $fh; } }' \
            "$prefix/drive_c/probe/$p" "$1"
    done
}
run() { ( cd "$prefix/drive_c/probe" && "$WINE_BIN" 'C:\probe\roundtrips_probe.exe' "$1" ); }

make_files "$traced"
trace=$prefix/trace.log
WINEDEBUG=+server run "$traced" >/dev/null 2>"$trace"
"$WINESERVER_BIN" -w
files=$((traced * 10))
echo "traced_files_per_phase: $files"
for p in $phases; do
    # Requests (not replies) between the phase's two markers, from the probe's threads only: the one that
    # sets the markers and those that threads of the probe start (the prefix's services trace too).
    awk -v p="$p" -v n="$files" '
        index($0, "name=L\"probe-begin-") { split($0, t, ":"); probe[t[1]] = 1 }
        index($0, "name=L\"probe-begin-" p "\"") { on = 1; next }
        index($0, "name=L\"probe-end-" p "\"") { on = 0 }
        { split($0, t, ":"); tid = t[1] }
        (tid in probe) && /new_thread\(\) = 0/ { match($0, /tid=[0-9a-f]+/); probe[substr($0, RSTART + 4, RLENGTH - 4)] = 1 }
        on && (tid in probe) && $0 ~ /^[0-9a-f]+: [a-z_]+\(/ && $0 !~ /\) = / {
            split($2, r, "("); count[r[1]]++; total++ }
        END { printf "%s_requests_per_file: %.2f  (", p, total / n;
              for (k in count) printf " %s %.2f", k, count[k] / n; print " )" }' "$trace"
done
make_files "$timed"
run "$timed"
# One lookup in a folder of 100,000 files: of a missing and of a present name.
mkdir -p "$prefix/drive_c/probe/big"
perl -e 'my $d = shift; for my $i (0 .. 99999) { open(my $fh, ">", "$d/f$i.tmp") or die; close $fh; }' "$prefix/drive_c/probe/big"
( cd "$prefix/drive_c/probe" && "$WINE_BIN" 'C:\probe\roundtrips_probe.exe' lookup 'C:\probe\big\' )
"$WINESERVER_BIN" -k 2>/dev/null
exit 0
