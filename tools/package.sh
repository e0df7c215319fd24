#!/usr/bin/env bash
# Makes the release files from the program's distribution folder (the exe and the user guide):
# KestruneDiskCleaner-VERSION-setup.exe (NSIS), KestruneDiskCleaner-VERSION-portable.zip and SHA256SUMS.
# usage: package.sh DIST_DIR OUT_DIR VERSION [SOURCE_DATE_FILE]
# The same inputs give the same bytes: the zip's entries are sorted, hold no owner or extra time fields
# and carry one date (from SOURCE_DATE_FILE, else SOURCE_DATE_EPOCH, else the last commit's time); the
# installer stores no dates.
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
dist=$(cd "$1" && pwd) out=$2 version=$3
if [ -n "${4:-}" ]; then
    SOURCE_DATE_EPOCH=$(cat "$4")
elif [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    SOURCE_DATE_EPOCH=$(git -C "$ROOT" log -1 --format=%ct)
fi
name=KestruneDiskCleaner-$version
setup=$name-setup.exe zip=$name-portable.zip

mkdir -p "$out"
out=$(cd "$out" && pwd)
work=$out/.work
rm -rf "$work" "$out/$setup" "$out/$zip" "$out/SHA256SUMS"
mkdir -p "$work"

# The portable folder: program, user guide and read-me, with fixed modes and dates.
folder="Kestrune Disk Cleaner"
mkdir "$work/$folder"
cp "$dist/KestruneDiskCleaner.exe" "$dist/Sweepwell.chm" "$work/$folder/"
sed 's/$/\r/' "$ROOT/installer/ReadMe.txt" >"$work/$folder/ReadMe.txt"
chmod 644 "$work/$folder"/*
touch -d "@$SOURCE_DATE_EPOCH" "$work/$folder"/*
# zip stores local time: UTC makes it the same on every machine.
(cd "$work" && find "$folder" -type f | LC_ALL=C sort | TZ=UTC zip -X -D -9 -q "$out/$zip" -@)

makensis -V2 -WX -INPUTCHARSET UTF8 -DVERSION="$version" -DDIST_DIR="$dist" \
    -DICON="$ROOT/resources/app.ico" -DOUT_FILE="$out/$setup" "$ROOT/installer/KestruneDiskCleaner.nsi" >/dev/null

(cd "$out" && sha256sum "$setup" "$zip" >SHA256SUMS)
rm -rf "$work"
