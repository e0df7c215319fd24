#!/usr/bin/env bash
# Starts the program under Wine in the demo prefix. Without a display it runs it under Xvfb, saves a
# screenshot of the main window to build/run.png and exits.
set -u
ROOT=$(cd "$(dirname "$0")/.." && pwd)
. "$ROOT/tools/wine-env.sh"
DIST=$BUILD_DIR/windows/dist
prefix=$WINE_DIR/demo
if [ ! -d "$prefix" ]; then
    wine_template || exit 1
    wine_copy_prefix "$WINE_DIR/template" "$prefix"
fi
rm -f "$prefix/dosdevices/z:"
display=${DISPLAY:-}
wine_env "$prefix"
wine_install_dist "$prefix" "$DIST"
exe='C:\Program Files\Kestrune Disk Cleaner\KestruneDiskCleaner.exe'
if [ -n "$display" ]; then
    "$WINE_BIN" "$exe"
    exit $?
fi
out=$BUILD_DIR/run.png
timeout 120 xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    "$1" "$2" & pid=$!
    for i in $(seq 1 60); do sleep 0.5; xwininfo -root -tree 2>/dev/null | grep -q "Kestrune Disk Cleaner" && break; done
    sleep 2
    /usr/bin/import -window root "$3"
    kill $pid 2>/dev/null; "$4" -k 2>/dev/null; wait $pid 2>/dev/null; true' _ "$WINE_BIN" "$exe" "$out" "$WINESERVER_BIN"
if [ -s "$out" ]; then echo "No display: saved a screenshot of the main window to $out"; else echo "screenshot failed" >&2; exit 1; fi
