#!/usr/bin/env bash
# Builds the program, the user guide and the release files a second time, from a copy of the sources
# in another folder, later, and checks that every file comes out byte for byte as in the build it is
# given. The dates come from the same commit, so this is what two `make dist` runs must give.
# usage: reproducible.sh SOURCE_DIR BUILD_DIR VERSION
set -u
src=$1 build=$2 version=$3
other=$build/reproducible
rm -rf "$other"
mkdir -p "$other/copy of the sources"
copy="$other/copy of the sources"
tar -C "$src" --exclude=./build --exclude='./build-*' --exclude=./.git -cf - . | tar -C "$copy" -xf -
SOURCE_DATE_EPOCH=$(cat "$build/source_date_epoch")
export SOURCE_DATE_EPOCH
cmake -S "$copy" -B "$other/build" -DCMAKE_TOOLCHAIN_FILE="$copy/cmake/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DKDC_TESTS=OFF >/dev/null || exit 1
cmake --build "$other/build" -j 2 --target packages >"$other/build.log" 2>&1 || { cat "$other/build.log"; exit 1; }

failures=0
for f in dist/KestruneDiskCleaner.exe dist/Sweepwell.chm packages/KestruneDiskCleaner-$version-setup.exe \
    packages/KestruneDiskCleaner-$version-portable.zip packages/SHA256SUMS; do
    if cmp -s "$build/$f" "$other/build/$f"; then
        echo "same bytes: $f $(sha256sum <"$build/$f" | cut -c1-16)"
    else
        echo "DIFFERENT: $f"
        cmp "$build/$f" "$other/build/$f" | head -n 1
        failures=$((failures + 1))
    fi
done
[ "$failures" -eq 0 ] && rm -rf "$other"
exit $((failures > 0))
