#!/usr/bin/env bash
# Runs one in-process test executable under Wine and Xvfb, in a fresh prefix of its own.
# usage: wine-test.sh NAME TEST_EXE DIST_DIR [gtest args]; KDC_TEST_PREFIX names another prefix for it
set -u
ROOT=$(cd "$(dirname "$0")/.." && pwd)
. "$ROOT/tools/wine-env.sh"
name=$1 exe=$2 dist=$3; shift 3
# KDC_TEST_DPI runs the executable at another display scale, in a prefix of its own.
prefix=$(wine_fresh_prefix "${KDC_TEST_PREFIX:-test-$name}${KDC_TEST_DPI:+-$KDC_TEST_DPI}") || exit 1
[ -n "${KDC_TEST_DPI:-}" ] && wine_set_dpi "$prefix" "$KDC_TEST_DPI"
wine_env "$prefix"
wine_install_dist "$prefix" "$dist"
mkdir -p "$prefix/drive_c/tests"
cp "$exe" "$prefix/drive_c/tests/"
# A test folder may prepare Unix-side fixtures (folder links, for example) that Windows code cannot make.
hook=$ROOT/tests/$name/fixtures.sh
[ -x "$hook" ] && "$hook" "$prefix"
cd "$prefix/drive_c/tests"
# The slowest executable takes about 25 s on a busy 2-core machine; the margin is six times that. CMake
# gives ctest a longer limit, so that this one ends first and the prefix's processes are stopped below.
log=$prefix/test.log
screen=1280x1024
[ -n "${KDC_TEST_DPI:-}" ] && screen=2560x1600  # room for the main window at 200 %
timeout 150 xvfb-run -a -s "-screen 0 ${screen}x24" \
    "$WINE_BIN" "C:\\tests\\$(basename "$exe")" --gtest_brief=1 "$@" 2>&1 | tee "$log"
rc=${PIPESTATUS[0]}
"$WINESERVER_BIN" -k 2>/dev/null
[ "$rc" = 124 ] && echo "wine-test.sh: $name timed out" >&2
# A crash prints this line and winedbg its backtrace; the exit code then depends on a race between
# winedbg detaching and ending (seen: 0), so the line itself fails the run.
if [ "$rc" = 0 ] && grep -q "^wine: Unhandled" "$log"; then
    echo "wine-test.sh: $name crashed" >&2
    rc=1
fi
exit $rc
