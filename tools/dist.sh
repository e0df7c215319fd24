#!/usr/bin/env bash
# `make dist`: builds the program from scratch in build/release-build and leaves the release files in
# build/release/: the installer, the portable zip and SHA256SUMS. Prints their sizes and hashes.
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
JOBS=${JOBS:-$(nproc)}
cd "$ROOT"
work=build/release-build out=build/release
rm -rf "$work" "$out"
if [ -n "$(git status --porcelain 2>/dev/null)" ]; then
    echo "note: the tree has uncommitted changes; the files are dated by the last commit all the same"
fi
cmake --preset release >/dev/null
cmake --build "$work" -j "$JOBS" --target packages
mkdir -p "$out"
cp "$work"/packages/* "$out"/
cd "$out"
echo
echo "Release files in $out/:"
for f in *.exe *.zip SHA256SUMS; do printf '  %-40s %9d bytes\n' "$f" "$(stat -c %s "$f")"; done
echo
cat SHA256SUMS
echo "$(sha256sum <"$ROOT/$work/dist/KestruneDiskCleaner.exe" | cut -d' ' -f1)  KestruneDiskCleaner.exe (in both)"
