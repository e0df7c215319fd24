#!/usr/bin/env bash
# What Windows code cannot make, on D: of the platform tests' prefix: case twins, two names whose bytes are
# no UTF-8 (both read as "caf\uFFFD.tmp"), a tree holding a folder link and a link loop beside a sentinel
# folder on E:, and a file link for Config.ini-like replacement.
set -e
p=$1
d=$p/drives/d
mkdir -p "$d/twins" "$d/tree/inner" "$p/drives/e/sentinel"
echo upper > "$d/twins/Case.tmp"
echo lower > "$d/twins/case.tmp"
printf e > "$d/twins/$(printf 'caf\351.tmp')"
printf e > "$d/twins/$(printf 'caf\350.tmp')"
echo keep > "$p/drives/e/sentinel/keep.tmp"
echo a > "$d/tree/inner/a.tmp"
ln -sfn "$p/drives/e/sentinel" "$d/tree/to_sentinel"
ln -sfn .. "$d/tree/inner/loop"
echo target > "$d/target.ini"
ln -sfn target.ini "$d/link.ini"
