#!/usr/bin/env bash
# Links that Windows code cannot make: C:\tests\link\Config.ini is a file link to C:\tests\linked\Config.ini,
# and C:\tests\viafolder\Config.ini reaches the same file through a folder link.
set -e
t=$1/drive_c/tests
mkdir -p "$t/linked" "$t/link" "$t/viafolder"
printf '[Drive]\r\nGeneral=111110\r\n' > "$t/linked/Config.ini"
ln -sfn ../linked/Config.ini "$t/link/Config.ini"
ln -sfn linked "$t/folderlink"
ln -sfn ../folderlink/Config.ini "$t/viafolder/Config.ini"
