#!/usr/bin/env bash
# Builds every benchmark (bench/*_bench.cpp) and runs it under Wine and Xvfb in the bench prefix.
# A bench/<name>_setup.sh beside a benchmark prepares its data (generated trees) first.
# BENCH=delete runs only the benchmarks whose name starts with it.
set -u
ROOT=$(cd "$(dirname "$0")/.." && pwd)
. "$ROOT/tools/wine-env.sh"
benches=$(ls "$ROOT"/bench/${BENCH:-}*_bench.cpp 2>/dev/null)
[ -z "$benches" ] && { echo "no benchmarks yet"; exit 0; }
prefix=$(wine_fresh_prefix bench) || exit 1
wine_env "$prefix"
wine_install_dist "$prefix" "$BUILD_DIR/windows/dist"
mkdir -p "$prefix/drive_c/bench"
rc=0
for src in $benches; do
    name=$(basename "${src%.cpp}")
    cmake --build "$BUILD_DIR/windows" --target "$name" -j "$(nproc)" >/dev/null || { rc=1; continue; }
    cp "$BUILD_DIR/windows/$name.exe" "$prefix/drive_c/bench/"
    setup=$ROOT/bench/${name}_setup.sh
    [ -x "$setup" ] && "$setup" "$prefix"
    echo "== $name"
    ( cd "$prefix/drive_c/bench" && timeout 1800 xvfb-run -a -s "-screen 0 1280x1024x24" \
        "$WINE_BIN" "C:\\bench\\$name.exe" ) || rc=1
    "$WINESERVER_BIN" -k 2>/dev/null
done
exit $rc
