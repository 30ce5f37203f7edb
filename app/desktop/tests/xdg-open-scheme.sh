#!/bin/sh
# The desktop entry as xdg-open reads it on a desktop without GNOME or KDE (its generic mode):
# after the README's registration, "zindral://openAndUpdate" reaches the bundle's program, also
# from bundles whose paths need quoting. Stand-in programs record their arguments. Also: the Exec
# line of paths that need quoting, in the bundle's entry and in the registered one.
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
mkdir -p "$work/bundles" "$work/data" "$work/config" "$work/home"

write_entry() { # executable output
    "$cmake" -DINPUT="$desktop/zindral.desktop.in" -DOUTPUT="$2" -DEXECUTABLE="$1" \
        -DICON="$work/icon.png" -P "$desktop/DesktopEntry.cmake"
}

fail() {
    printf 'FAILED: %s\n' "$*"
    exit 1
}

validate() { # entry
    if command -v desktop-file-validate >/dev/null 2>&1; then
        desktop-file-validate "$1" || fail "$1 does not validate"
    fi
}

# A bundle with its entry and a stand-in program that writes its arguments to FOLDER/arguments.
make_bundle() { # folder
    mkdir -p "$1/Zindral.bundle/bin"
    cat > "$1/Zindral.bundle/bin/Zindral" <<STANDIN
#!/bin/sh
for argument in "\$@"; do printf '%s\n' "\$argument"; done > '$1/arguments'
STANDIN
    chmod +x "$1/Zindral.bundle/bin/Zindral"
    write_entry "$1/Zindral.bundle/bin/Zindral" "$1/Zindral.bundle/zindral.desktop"
}

# Generic mode: no desktop named, none detected, a display to open things on, private XDG folders.
run_generic() {
    env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION -u XDG_SESSION_DESKTOP -u KDE_FULL_SESSION \
        -u GNOME_DESKTOP_SESSION_ID -u MATE_DESKTOP_SESSION_ID -u DBUS_SESSION_BUS_ADDRESS \
        -u WAYLAND_DISPLAY -u BROWSER DISPLAY=:999 HOME="$work/home" XDG_DATA_HOME="$work/data" \
        XDG_CONFIG_HOME="$work/config" XDG_DATA_DIRS="$work/none" XDG_CONFIG_DIRS="$work/none" "$@"
}

# Each bundle registered in turn into the same data folder: the entry runs the latest one.
for name in 'plain-path_1.0' 'My Apps' 'Zindral(2)'; do
    folder="$work/bundles/$name"
    make_bundle "$folder"
    validate "$folder/Zindral.bundle/zindral.desktop"
    run_generic "$desktop/register-desktop-entry.sh" "$folder/Zindral.bundle" >/dev/null
    installed="$work/data/applications/zindral.desktop"
    validate "$installed"
    grep -qx "Exec=$work/data/Zindral/bin/Zindral %u" "$installed" ||
        fail "for '$name': the registered entry has $(grep '^Exec=' "$installed")"
    rm -f "$work/bundles/"*/arguments
    status=0
    run_generic xdg-open zindral://openAndUpdate || status=$?
    [ "$status" -eq 0 ] || fail "for '$name': xdg-open exited $status"
    [ -f "$folder/arguments" ] || fail "for '$name': the bundle's program did not run"
    [ "$(cat "$folder/arguments")" = "zindral://openAndUpdate" ] ||
        fail "for '$name': the program got: $(cat "$folder/arguments")"
done
grep -qx "Exec=$work/bundles/plain-path_1.0/Zindral.bundle/bin/Zindral %u" \
    "$work/bundles/plain-path_1.0/Zindral.bundle/zindral.desktop" || fail "Exec is quoted without need"

# A data folder whose own path needs quoting: the registered Exec names the link as the bundle's
# entry would name a program there.
for data in "$work/data home" "$work/data\$\"\\%'(x)" "$(printf '%s\t%s' "$work/data" tab)"; do
    run_generic env XDG_DATA_HOME="$data" "$desktop/register-desktop-entry.sh" \
        "$work/bundles/My Apps/Zindral.bundle" >/dev/null 2>&1 || fail "registering into '$data' failed"
    validate "$data/applications/zindral.desktop"
    write_entry "$data/Zindral/bin/Zindral" "$work/expected.desktop"
    [ "$(grep '^Exec=' "$data/applications/zindral.desktop")" = "$(grep '^Exec=' "$work/expected.desktop")" ] ||
        fail "for '$data': the registered entry has $(grep '^Exec=' "$data/applications/zindral.desktop")"
    [ "$(readlink "$data/Zindral/bin/Zindral")" = "$work/bundles/My Apps/Zindral.bundle/bin/Zindral" ] ||
        fail "for '$data': the link points at $(readlink "$data/Zindral/bin/Zindral")"
done

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

echo "desktop entry: xdg-open reached each registered bundle's program, and every Exec line is as written"
