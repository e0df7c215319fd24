#!/usr/bin/env bash
# Runs every fuzz target for the given number of seconds; fails on any crash, leak or hang.
set -u
dir=$1 seconds=$2 rc=0
for t in "$dir"/fuzz_*; do
    [ -x "$t" ] || continue
    name=$(basename "$t")
    mkdir -p "$dir/corpus/$name"
    echo "== $name (${seconds}s)"
    "$t" -artifact_prefix="$dir/$name-" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=0 \
        "$dir/corpus/$name" > "$dir/$name.log" 2>&1 || { rc=1; tail -30 "$dir/$name.log"; }
    grep -E "^Done [0-9]+ runs" "$dir/$name.log" || true
done
exit $rc
