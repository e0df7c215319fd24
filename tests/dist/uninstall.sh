# Silent uninstalls: one that keeps the user's settings (the silent answer) and one from a folder of the
# user's choice, with a desktop shortcut and the program running, that leaves nothing behind; then one
# through the uninstaller's pages whose user answers that the settings go too.
. "$ROOT/tests/dist/lib.sh"

echo "-- default folder, with settings"
check "install" setup /S
write_settings "$default_dir"
mkdir -p "$WINEPREFIX/saved"
cp "$default_dir/Config.ini" "$default_dir/Diskclean1.dat" "$default_dir/Diskclean2.dat" "$WINEPREFIX/saved/"
check "Uninstall.exe /S ends with code 0" wine "$win_default_dir\\Uninstall.exe" /S
wine_settle
check "only the settings stay, in the folder" same_listing "$default_dir" Config.ini Diskclean1.dat Diskclean2.dat
for f in Config.ini Diskclean1.dat Diskclean2.dat; do
    check "$f is kept byte-identical" same_file "$default_dir/$f" "$WINEPREFIX/saved/$f"
done
check "the Start-menu shortcut is gone" absent "$start_menu_link"
check "the uninstall entry is gone" no_uninstall_key

echo "-- chosen folder, desktop shortcut, program running, no settings"
apps=$drive_c/Apps
mkdir -p "$apps"
echo "the user's own file" >"$apps/notes.txt"
dir="$apps/Disk Cleaner"
win_dir='C:\Apps\Disk Cleaner'
# NSIS takes the rest of the command line after /D= unquoted, blanks included: two words give exactly
# that, where one word with a blank would reach it in quotes.
check "install with /DESKTOP /D=$win_dir" setup /S /DESKTOP '/D=C:\Apps\Disk' 'Cleaner'

check "installed in the chosen folder" same_file "$dir/KestruneDiskCleaner.exe" "$DIST/KestruneDiskCleaner.exe"
check "uninstall entry: InstallLocation" value_is InstallLocation "$win_dir"
check "a desktop shortcut" test -f "$desktop_link"
check "a Start-menu shortcut" test -f "$start_menu_link"
wine "$win_dir\\KestruneDiskCleaner.exe" &
running=$!
check "the program is running" probe wait-window
check "the quiet uninstall string ends with code 0" wine "$win_dir\\Uninstall.exe" /S
wine_settle
if check "the program was closed" has_ended "$running"; then
    wait "$running"
    check "which ended with code 0" [ $? -eq 0 ]
fi
check "the folder is gone" absent "$dir"
check "the user's file beside it stays" test -f "$apps/notes.txt"
check "the desktop shortcut is gone" absent "$desktop_link"
check "the Start-menu shortcut is gone" absent "$start_menu_link"
check "the uninstall entry is gone" no_uninstall_key

echo "-- through its pages, settings not kept"
check "install" setup /S
write_settings "$default_dir"
title="Kestrune Disk Cleaner 2.0 Uninstall"
wine "$win_default_dir\\Uninstall.exe" &
check "the confirmation page: Uninstall" probe click "$title" "Uninstall"
check "keep the settings? No" probe click "$title" "No"
check "the last page: Close" probe click "$title" "Close"
wine_settle
check "the folder is gone, settings and all" absent "$default_dir"
check "the Start-menu shortcut is gone" absent "$start_menu_link"
check "the uninstall entry is gone" no_uninstall_key
finish
