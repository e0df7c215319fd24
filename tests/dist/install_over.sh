# Installing over an earlier install while that copy runs: the installer has it close, replaces the
# program, and leaves the user's Config.ini and leftover lists byte for byte as they were. Then an
# update through the installer's pages, which goes where the earlier install is and starts the program.
. "$ROOT/tests/dist/lib.sh"
exe="$win_default_dir\\KestruneDiskCleaner.exe"

check "first install" setup /S
# The earlier version: the same program with bytes of its own after the image, and an older guide.
printf 'an earlier build' >>"$default_dir/KestruneDiskCleaner.exe"
printf 'an earlier guide' >"$default_dir/Sweepwell.chm"
write_settings "$default_dir"
mkdir -p "$WINEPREFIX/saved"
cp "$default_dir/Config.ini" "$default_dir/Diskclean1.dat" "$default_dir/Diskclean2.dat" "$WINEPREFIX/saved/"

wine "$exe" &
running=$!
check "the earlier copy is running" probe wait-window
check "setup /S over it ends with code 0" setup /S
if check "setup closed the running copy" has_ended "$running"; then
    wait "$running"
    check "which ended with code 0" [ $? -eq 0 ]
fi

check "the program is the new one" same_file "$default_dir/KestruneDiskCleaner.exe" "$DIST/KestruneDiskCleaner.exe"
check "the user guide is the new one" same_file "$default_dir/Sweepwell.chm" "$DIST/Sweepwell.chm"
for f in Config.ini Diskclean1.dat Diskclean2.dat; do
    check "$f is byte-identical" same_file "$default_dir/$f" "$WINEPREFIX/saved/$f"
done
check "the program starts" probe run "$exe"
check "Config.ini is still byte-identical after a run" same_file "$default_dir/Config.ini" "$WINEPREFIX/saved/Config.ini"
check "one uninstall entry, still pointing here" value_is InstallLocation "$win_default_dir"

echo "-- through the pages, over a running install in a folder of the user's choice"
dir=$drive_c/Apps/KDC
check "install with /D=C:\Apps\KDC" setup /S '/D=C:\Apps\KDC'
printf 'an earlier build' >>"$dir/KestruneDiskCleaner.exe"
write_settings "$dir"
cp "$dir/Config.ini" "$WINEPREFIX/saved/Config.ini"
wine 'C:\Apps\KDC\KestruneDiskCleaner.exe' &
running=$!
check "the earlier copy is running" probe wait-window
title="Kestrune Disk Cleaner 2.0 Setup"
setup &
installer=$!
check "the folder page: Next" probe click "$title" "Next >"
check "the components page: Install" probe click "$title" "Install"
check "the program will be closed: OK" probe click "$title" "OK"
check "setup closed the running copy" has_ended "$running"
check "the last page, program ticked to start: Finish" probe click "$title" "Finish"
check "the program started and closes" probe close
wait "$installer"
check "the installer ended with code 0" [ $? -eq 0 ]
check "the program there is the new one" same_file "$dir/KestruneDiskCleaner.exe" "$DIST/KestruneDiskCleaner.exe"
check "its Config.ini is byte-identical" same_file "$dir/Config.ini" "$WINEPREFIX/saved/Config.ini"
check "the uninstall entry points there" value_is InstallLocation 'C:\Apps\KDC'
finish
