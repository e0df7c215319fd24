#!/usr/bin/env bash
# Renders every registered shot under Xvfb into build/screenshots/*.png: at 96 dpi as <name>.png, and at
# each further display scale of SHOT_DPIS as <name>_<dpi>dpi.png. SHOT_DIR names another output folder.
set -u
ROOT=$(cd "$(dirname "$0")/.." && pwd)
. "$ROOT/tools/wine-env.sh"
dpis=${SHOT_DPIS:-96 144 192}
out=${SHOT_DIR:-$BUILD_DIR/screenshots}
cmake --build "$BUILD_DIR/windows" --target screenshots -j "$(nproc)" >/dev/null || exit 1
mkdir -p "$out"
rc=0
for dpi in $dpis; do
    # The 96-dpi shots keep the screen they were first taken on (the maximised frame fills it).
    suffix="" screen=1280x1024
    [ "$dpi" = 96 ] || { suffix="_${dpi}dpi"; screen=2560x1600; }
    prefix=$(wine_fresh_prefix "shots${suffix}") || exit 1
    [ "$dpi" = 96 ] || wine_set_dpi "$prefix" "$dpi"
    ( wine_env "$prefix"
      wine_install_dist "$prefix" "$BUILD_DIR/windows/dist"
      mkdir -p "$prefix/drive_c/tests"
      cp "$BUILD_DIR/windows/screenshots.exe" "$prefix/drive_c/tests/"
      # Shots may prepare Unix-side content (drives, cache files) first.
      for hook in "$ROOT"/tests/screenshots/*.sh; do
          [ -x "$hook" ] && [ "$(basename "$hook")" != compare.sh ] && "$hook" "$prefix"
      done
      cd "$prefix/drive_c/tests"
      timeout 600 xvfb-run -a -s "-screen 0 ${screen}x24" "$WINE_BIN" 'C:\tests\screenshots.exe'
      status=$?
      "$WINESERVER_BIN" -k 2>/dev/null
      exit $status ) || rc=1
    for bmp in "$prefix"/drive_c/shots/*.bmp; do
        [ -f "$bmp" ] || continue
        /usr/bin/convert "$bmp" "$out/$(basename "${bmp%.bmp}")${suffix}.png"
    done
done
ls "$out"
exit $rc
