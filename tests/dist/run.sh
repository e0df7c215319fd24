#!/usr/bin/env bash
# Runs one package test, tests/dist/NAME.sh, under Xvfb in a fresh Wine prefix of its own.
# usage: run.sh NAME PACKAGES_DIR DIST_DIR PROBE_EXE
set -u
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
. "$ROOT/tools/wine-env.sh"
name=$1
export PACKAGES=$2 DIST=$3
prefix=$(wine_fresh_prefix "dist-$name") || exit 1
wine_env "$prefix"
# A shortcut saved in the Start menu starts winemenubuilder, which these tests do not need.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"
export ROOT WINE_BIN WINESERVER_BIN
mkdir -p "$prefix/drive_c/tests"
cp "$4" "$prefix/drive_c/tests/probe.exe"
cp "$PACKAGES"/*-setup.exe "$prefix/drive_c/tests/setup.exe" || exit 1
cd "$prefix/drive_c"
timeout 600 xvfb-run -a -s "-screen 0 1280x1024x24" bash "$ROOT/tests/dist/$name.sh"
rc=$?
"$WINESERVER_BIN" -k 2>/dev/null
exit $rc
