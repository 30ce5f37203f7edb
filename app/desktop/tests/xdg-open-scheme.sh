#!/bin/sh
# The desktop entry as xdg-open reads it on a desktop without GNOME or KDE (its generic mode):
# after the README's registration, "zindral://openAndUpdate" reaches the program named by Exec.
# A stand-in program records its arguments. Also: the Exec line of paths that need quoting.
# Usage: xdg-open-scheme.sh CMAKE DESKTOP_FOLDER WORK_FOLDER. Exits 77 (skipped) without xdg-open.
set -eu

cmake=$1
desktop=$2
work=$3

if ! command -v xdg-open >/dev/null 2>&1 || ! command -v xdg-mime >/dev/null 2>&1; then
    echo "xdg-open is not installed (package xdg-utils): skipped"
    exit 77
fi

rm -rf "$work"
mkdir -p "$work/bin" "$work/bundle" "$work/data" "$work/config" "$work/home"
recorded="$work/arguments"
cat > "$work/bin/stand-in" <<STANDIN
#!/bin/sh
for argument in "\$@"; do printf '%s\n' "\$argument"; done > "$recorded"
STANDIN
chmod +x "$work/bin/stand-in"

write_entry() { # executable output
    "$cmake" -DINPUT="$desktop/zindral.desktop.in" -DOUTPUT="$2" -DEXECUTABLE="$1" \
        -DICON="$work/icon.png" -P "$desktop/DesktopEntry.cmake"
}

fail() {
    echo "FAILED: $*"
    exit 1
}

# Generic mode: no desktop named, none detected, a display to open things on, private XDG folders.
write_entry "$work/bin/stand-in" "$work/bundle/zindral.desktop"
run_generic() {
    env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION -u XDG_SESSION_DESKTOP -u KDE_FULL_SESSION \
        -u GNOME_DESKTOP_SESSION_ID -u MATE_DESKTOP_SESSION_ID -u DBUS_SESSION_BUS_ADDRESS \
        -u WAYLAND_DISPLAY -u BROWSER DISPLAY=:999 HOME="$work/home" XDG_DATA_HOME="$work/data" \
        XDG_CONFIG_HOME="$work/config" XDG_DATA_DIRS="$work/none" XDG_CONFIG_DIRS="$work/none" "$@"
}
run_generic "$desktop/register-desktop-entry.sh" "$work/bundle" >/dev/null
status=0
run_generic xdg-open zindral://openAndUpdate || status=$?
[ "$status" -eq 0 ] || fail "xdg-open exited $status"
[ -f "$recorded" ] || fail "the program did not run"
[ "$(cat "$recorded")" = "zindral://openAndUpdate" ] || fail "the program got: $(cat "$recorded")"
grep -qx "Exec=$work/bin/stand-in %u" "$work/bundle/zindral.desktop" || fail "Exec is quoted without need"

# Paths that need quoting: the argument in double quotes, ", \`, \$ and \\ escaped, then every
# backslash doubled as in any string value, a tab or newline written \t or \n, and % written %%.
check_exec() { # path expected-exec-value
    write_entry "$1" "$work/quoted.desktop"
    line=$(grep '^Exec=' "$work/quoted.desktop")
    [ "$line" = "Exec=$2 %u" ] || fail "for '$1': got '$line', wanted 'Exec=$2 %u'"
    if command -v desktop-file-validate >/dev/null 2>&1; then
        desktop-file-validate "$work/quoted.desktop" || fail "for '$1': the entry does not validate"
    fi
}
check_exec '/opt/My Apps/Zindral' '"/opt/My Apps/Zindral"'
check_exec '/opt/a$b/Zindral' '"/opt/a\\$b/Zindral"'
check_exec '/opt/say"hi"/Zindral' '"/opt/say\\"hi\\"/Zindral"'
check_exec '/opt/back\slash/Zindral' '"/opt/back\\\\slash/Zindral"'
check_exec '/opt/a(b)/Zindral' '"/opt/a(b)/Zindral"'
check_exec '/opt/a)b/Zindral' '"/opt/a)b/Zindral"'
check_exec "$(printf '/opt/a\tb/Zindral')" '"/opt/a\tb/Zindral"'
check_exec "$(printf '/opt/a\nb/Zindral')" '"/opt/a\nb/Zindral"'
check_exec '/opt/100%/Zindral' '/opt/100%%/Zindral'
check_exec '/opt/plain-path_1.0/Zindral' '/opt/plain-path_1.0/Zindral'

echo "desktop entry: xdg-open reached the program, and every Exec line is as written"
