# Installing over an earlier install while that copy runs: the installer has it close, replaces the
# program, and leaves the user's Config.ini and leftover lists byte for byte as they were.
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
finish
