# A silent install into the user's own programs folder: the files, the Start-menu shortcut, the
# uninstall entry, and the installed program, which starts from the shortcut and saves beside itself.
. "$ROOT/tests/dist/lib.sh"
exe="$win_default_dir\\KestruneDiskCleaner.exe"

check "setup /S ends with code 0" setup /S
check "the program is installed" same_file "$default_dir/KestruneDiskCleaner.exe" "$DIST/KestruneDiskCleaner.exe"
check "the user guide is installed" same_file "$default_dir/Sweepwell.chm" "$DIST/Sweepwell.chm"
check "the folder holds the program, the guide and the uninstaller only" \
    same_listing "$default_dir" KestruneDiskCleaner.exe Sweepwell.chm Uninstall.exe
check "a Start-menu shortcut" test -f "$start_menu_link"
check "the shortcut starts the installed program" \
    [ "$(probe link-target "$win_user_dir\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Kestrune Disk Cleaner.lnk" | tr -d '\r')" = "$exe" ]
check "no desktop shortcut unless asked" absent "$desktop_link"

check "uninstall entry: DisplayName" value_is DisplayName "Kestrune Disk Cleaner"
check "uninstall entry: DisplayVersion" value_is DisplayVersion "2.0"
check "uninstall entry: Publisher" value_is Publisher "Kestrune"
check "uninstall entry: DisplayIcon" value_is DisplayIcon "$exe,0"
check "uninstall entry: InstallLocation" value_is InstallLocation "$win_default_dir"
check "uninstall entry: UninstallString" value_is UninstallString "\"$win_default_dir\\Uninstall.exe\""
check "uninstall entry: QuietUninstallString" value_is QuietUninstallString "\"$win_default_dir\\Uninstall.exe\" /S"
installed_kb=$(( ($(stat -c %s "$DIST/KestruneDiskCleaner.exe") + $(stat -c %s "$DIST/Sweepwell.chm")) / 1024 ))
estimated_kb=$(( $(reg_value EstimatedSize) ))
echo "EstimatedSize: $estimated_kb KB for $installed_kb KB of files"
check "uninstall entry: EstimatedSize in KB" [ "$estimated_kb" -ge "$installed_kb" -a "$estimated_kb" -le $((installed_kb + 4)) ]

check "the program starts from the Start-menu shortcut; Options Save works" \
    probe run "$win_user_dir\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Kestrune Disk Cleaner.lnk" save
check "Save wrote Config.ini in the install folder" grep -q '^\[Drive\]' "$default_dir/Config.ini"
check "and nowhere else" [ -z "$(find "$drive_c" -name Config.ini ! -path "$default_dir/*")" ]
finish
