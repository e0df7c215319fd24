# The portable zip: three files in one folder, which unpacked on a drive of its own runs and saves there.
. "$ROOT/tests/dist/lib.sh"
zip=$(ls "$PACKAGES"/*-portable.zip)
folder="Kestrune Disk Cleaner"

check "the zip holds the program, the guide and the read-me in one folder" \
    [ "$(unzip -Z1 "$zip" | LC_ALL=C sort | tr '\n' '|')" = "$folder/KestruneDiskCleaner.exe|$folder/ReadMe.txt|$folder/Sweepwell.chm|" ]
check "it unpacks" unzip -q "$zip" -d "$WINEPREFIX/drives/d"
dir="$WINEPREFIX/drives/d/$folder"
check "the program is the built one" same_file "$dir/KestruneDiskCleaner.exe" "$DIST/KestruneDiskCleaner.exe"
check "the user guide is the built one" same_file "$dir/Sweepwell.chm" "$DIST/Sweepwell.chm"
check "the read-me has Windows line ends" [ "$(grep -c $'\r$' "$dir/ReadMe.txt")" -eq "$(wc -l <"$dir/ReadMe.txt")" ]
check "the program starts from D:; Options Save works" probe run "D:\\$folder\\KestruneDiskCleaner.exe" save
check "Save wrote Config.ini beside it" grep -q '^\[Drive\]' "$dir/Config.ini"
check "nothing was installed" no_uninstall_key
finish
