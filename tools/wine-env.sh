# Shared by the Wine runners: one prefix per purpose inside the build folder, with the host's / unreachable.
# Source it with ROOT set to the project folder.
BUILD_DIR=${BUILD_DIR:-$ROOT/build}
WINE_DIR=$BUILD_DIR/wine
WINE_BIN=/usr/lib/wine/wine64
WINESERVER_BIN=/usr/lib/wine/wineserver
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=C.UTF-8

wine_env() {  # prefix folder
    export WINEPREFIX=$1
    export HOME=$1/home
    export XDG_DATA_HOME=$1/home/.local/share
    export XDG_CONFIG_HOME=$1/home/.config
    export XDG_CACHE_HOME=$1/home/.cache
    mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME"
}

# What the template holds; a change here must change the version, so that a cached template is made again.
WINE_TEMPLATE_VERSION=2

# A prefix made once with wineboot and sandboxed: no z: drive, no links into the home folder, no
# window-manager stall under Xvfb, and no crash dialog: a crashing program prints its backtrace and ends
# at once instead of leaving winedbg waiting for a click that never comes.
wine_template() {
    local tpl=$WINE_DIR/template
    [ "$(cat "$tpl/.ready" 2>/dev/null)" = "$WINE_TEMPLATE_VERSION" ] && return 0
    [ -d "$tpl" ] && { chmod -R u+w "$tpl" 2>/dev/null; rm -rf "$tpl"; }
    mkdir -p "$tpl"
    ( wine_env "$tpl"
      "$WINE_BIN" wineboot -i >/dev/null 2>&1
      "$WINESERVER_BIN" -w
      rm -f "$tpl/dosdevices/z:"
      find "$tpl/drive_c/users" -maxdepth 3 -type l | while read -r l; do rm -f "$l"; mkdir -p "$l"; done
      "$WINE_BIN" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
      "$WINE_BIN" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
      "$WINESERVER_BIN" -w
      rm -f "$tpl/dosdevices/z:" )
    [ -e "$tpl/dosdevices/c:" ] && grep -q '"ShowCrashDialog"=dword:00000000' "$tpl/user.reg" ||
        { echo "wine prefix creation failed" >&2; return 1; }
    echo "$WINE_TEMPLATE_VERSION" > "$tpl/.ready"
}

# Copies a prefix; the system DLL folders, which nothing writes to, are hard links (they are most of the
# prefix's 700 MB).
wine_copy_prefix() {  # from to
    local win=drive_c/windows
    mkdir -p "$2/$win"
    (cd "$1" && tar --exclude="./$win/system32" --exclude="./$win/syswow64" --exclude="./$win/winsxs" -cf - .) |
        (cd "$2" && tar -xf -)
    for d in system32 syswow64 winsxs; do
        [ -d "$1/$win/$d" ] && cp -al "$1/$win/$d" "$2/$win/$d"
    done
    return 0
}

# A fresh copy of the template with drives D: to G: mapped to folders inside it.
wine_fresh_prefix() {  # name
    local p=$WINE_DIR/$1
    wine_template || return 1
    [ -d "$p" ] && { WINEPREFIX=$p "$WINESERVER_BIN" -k 2>/dev/null; chmod -R u+w "$p" 2>/dev/null; rm -rf "$p"; }
    wine_copy_prefix "$WINE_DIR/template" "$p"
    for d in d e f g; do mkdir -p "$p/drives/$d"; ln -sfn "../drives/$d" "$p/dosdevices/$d:"; done
    rm -f "$p/dosdevices/z:"
    echo "$p"
}

# Installs the program's distribution folder as C:\Program Files\Kestrune Disk Cleaner.
wine_install_dist() {  # prefix dist
    local dst="$1/drive_c/Program Files/Kestrune Disk Cleaner"
    mkdir -p "$dst"
    cp -a "$2"/. "$dst"/
}

# Sets the prefix's display scale (96, 120, 144, 192) where Wine reads it, and ends its server so that
# the next program starts at that scale.
wine_set_dpi() {  # prefix dpi
    ( wine_env "$1"
      "$WINE_BIN" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$2" /f >/dev/null 2>&1
      "$WINE_BIN" reg add 'HKCU\Software\Wine\Fonts' /v LogPixels /t REG_DWORD /d "$2" /f >/dev/null 2>&1
      "$WINESERVER_BIN" -k 2>/dev/null
      "$WINESERVER_BIN" -w 2>/dev/null )
}
