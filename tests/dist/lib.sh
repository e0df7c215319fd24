# Shared by the package tests; sourced inside a prefix prepared by run.sh (WINEPREFIX, WINE_BIN,
# PACKAGES, DIST set).
drive_c=$WINEPREFIX/drive_c
user=$(cd "$drive_c/users" && ls | grep -vx Public | head -n 1)
user_dir=$drive_c/users/$user
win_user_dir="C:\\users\\$user"
default_dir=$user_dir/AppData/Local/Programs/Kestrune\ Disk\ Cleaner
win_default_dir="$win_user_dir\\AppData\\Local\\Programs\\Kestrune Disk Cleaner"
start_menu_link=$user_dir/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs/Kestrune\ Disk\ Cleaner.lnk
desktop_link=$user_dir/Desktop/Kestrune\ Disk\ Cleaner.lnk
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\KestruneDiskCleaner'
failures=0

wine() { "$WINE_BIN" "$@"; }

# Waits until every process of the prefix has ended (an uninstaller hands over to a copy of itself).
wine_settle() { timeout 60 "$WINESERVER_BIN" -w; }

check() {  # what, command...
    local what=$1
    shift
    if "$@"; then
        echo "ok: $what"
    else
        echo "FAILED: $what"
        failures=$((failures + 1))
        return 1
    fi
}

# A process started in the background has ended (gone, or a zombie not yet waited for) within 10 s.
has_ended() {  # pid
    local state
    for _ in $(seq 1 100); do
        state=$(sed 's/.*) //' "/proc/$1/stat" 2>/dev/null | cut -d' ' -f1)
        [ -z "$state" ] || [ "$state" = Z ] && return 0
        sleep 0.1
    done
    return 1
}

same_file() { cmp -s "$1" "$2"; }
absent() { [ ! -e "$1" ]; }

# The value of NAME under the uninstall key, as reg prints it (a DWORD as 0x...); fails when missing.
reg_value() {  # name
    wine reg query "$uninstall_key" /v "$1" 2>/dev/null | tr -d '\r' |
        sed -n "s/^ *$1 \{2,\}REG_[A-Z_]* \{2,\}//p" | grep .
}

value_is() {  # name expected
    [ "$(reg_value "$1")" = "$2" ]
}

no_uninstall_key() { ! wine reg query "$uninstall_key" >/dev/null 2>&1; }

# The names in a folder, one a line, sorted.
listing() { (cd "$1" && ls -A | LC_ALL=C sort); }

same_listing() {  # folder, names...
    local folder=$1
    shift
    [ "$(listing "$folder")" = "$(printf '%s\n' "$@" | LC_ALL=C sort)" ]
}

setup() { wine 'C:\tests\setup.exe' "$@"; }
probe() { wine 'C:\tests\probe.exe' "$@"; }

# A Config.ini and the two leftover lists, as a user of the program would have them.
write_settings() {  # folder
    printf '[Drive]\r\nGeneral=1101\r\nInclude Filters=*.tmp|Temporary Files|1\r\n' >"$1/Config.ini"
    head -c 32768 /dev/urandom >"$1/Diskclean1.dat"
    head -c 32768 /dev/urandom >"$1/Diskclean2.dat"
}

finish() {
    [ "$failures" -eq 0 ] && exit 0
    echo "$failures check(s) failed"
    exit 1
}
