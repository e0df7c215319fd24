#!/usr/bin/env bash
# Runs one in-process test executable under Wine and Xvfb, in a fresh prefix of its own.
# usage: wine-test.sh NAME TEST_EXE DIST_DIR [gtest args]
set -u
ROOT=$(cd "$(dirname "$0")/.." && pwd)
. "$ROOT/tools/wine-env.sh"
name=$1 exe=$2 dist=$3; shift 3
prefix=$(wine_fresh_prefix "test-$name") || exit 1
wine_env "$prefix"
wine_install_dist "$prefix" "$dist"
mkdir -p "$prefix/drive_c/tests"
cp "$exe" "$prefix/drive_c/tests/"
# A test folder may prepare Unix-side fixtures (folder links, for example) that Windows code cannot make.
hook=$ROOT/tests/$name/fixtures.sh
[ -x "$hook" ] && "$hook" "$prefix"
cd "$prefix/drive_c/tests"
timeout 900 xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$WINE_BIN" "C:\\tests\\$(basename "$exe")" --gtest_brief=1 "$@"
rc=$?
"$WINESERVER_BIN" -k 2>/dev/null
exit $rc
