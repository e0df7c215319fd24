#!/usr/bin/env bash
# Renders every registered shot under Xvfb into build/screenshots/*.png.
set -u
ROOT=$(cd "$(dirname "$0")/.." && pwd)
. "$ROOT/tools/wine-env.sh"
cmake --build "$BUILD_DIR/windows" --target screenshots -j "$(nproc)" >/dev/null || exit 1
prefix=$(wine_fresh_prefix shots) || exit 1
wine_env "$prefix"
wine_install_dist "$prefix" "$BUILD_DIR/windows/dist"
mkdir -p "$prefix/drive_c/tests" "$BUILD_DIR/screenshots"
cp "$BUILD_DIR/windows/screenshots.exe" "$prefix/drive_c/tests/"
# Shots may prepare Unix-side content (drives, cache files) first.
for hook in "$ROOT"/tests/screenshots/*.sh; do [ -x "$hook" ] && "$hook" "$prefix"; done
cd "$prefix/drive_c/tests"
timeout 600 xvfb-run -a -s "-screen 0 1280x1024x24" "$WINE_BIN" 'C:\tests\screenshots.exe'
rc=$?
"$WINESERVER_BIN" -k 2>/dev/null
for bmp in "$prefix"/drive_c/shots/*.bmp; do
    [ -f "$bmp" ] || continue
    /usr/bin/convert "$bmp" "$BUILD_DIR/screenshots/$(basename "${bmp%.bmp}").png"
done
ls "$BUILD_DIR/screenshots"
exit $rc
