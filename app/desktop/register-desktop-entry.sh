#!/bin/sh
# Registers Zindral's desktop entry for the current user, so that "zindral://openAndUpdate" opened
# with xdg-open reaches the program:
#   - links $XDG_DATA_HOME/Zindral/bin/Zindral (~/.local/share/...) to the bundle's program; that
#     path has nothing to quote (unless the data folder's own path has), so xdg-open's generic mode,
#     which takes the first word of Exec as it is, runs it too, wherever the bundle lies;
#     registering again points the link at the new bundle,
#   - installs the bundle's zindral.desktop into $XDG_DATA_HOME/applications, its Exec naming the
#     link (escaped as DesktopEntry.cmake escapes the program's path),
#   - makes it the default handler of x-scheme-handler/zindral,
#   - refreshes the desktop database when the tool is there.
# Usage: register-desktop-entry.sh /path/to/Zindral.bundle
set -eu

bundle=${1:?usage: register-desktop-entry.sh /path/to/Zindral.bundle}
entry="$bundle/zindral.desktop"
if [ ! -f "$entry" ]; then
    echo "register-desktop-entry: no desktop entry at $entry" >&2
    exit 1
fi
program="$(cd "$bundle" && pwd -P)/bin/Zindral"
if [ ! -f "$program" ] || [ ! -x "$program" ]; then
    echo "register-desktop-entry: no program at $program" >&2
    exit 1
fi

case ${XDG_DATA_HOME:-} in
    /*) data_home=$XDG_DATA_HOME ;;
    *) data_home=${HOME:?register-desktop-entry: HOME is not set}/.local/share ;; # relative: ignored
esac
link="$data_home/Zindral/bin/Zindral"
mkdir -p "$data_home/Zindral/bin"
ln -sfn "$program" "$link"

# The link as Exec's program argument: quoted where a reserved character asks for it, with ", `, $
# and \ escaped inside the quotes; then escaped as a string value (\ doubled; tab, newline and
# carriage return written \t, \n, \r) and % written %%.
exec_argument=$(ZINDRAL_PATH=$link awk 'BEGIN {
    path = ENVIRON["ZINDRAL_PATH"]
    reserved = " \t\n\"\047\\><~|&;$*?#()`"
    quote = 0
    for (i = 1; i <= length(path); i++)
        if (index(reserved, substr(path, i, 1))) quote = 1
    argument = ""
    for (i = 1; i <= length(path); i++) {
        c = substr(path, i, 1)
        if (quote && index("\"`$\\", c)) c = "\\" c
        argument = argument c
    }
    if (quote) argument = "\"" argument "\""
    value = ""
    for (i = 1; i <= length(argument); i++) {
        c = substr(argument, i, 1)
        if (c == "\\") c = "\\\\"
        else if (c == "\t") c = "\\t"
        else if (c == "\n") c = "\\n"
        else if (c == "\r") c = "\\r"
        else if (c == "%") c = "%%"
        value = value c
    }
    printf "%s", value
}')
if [ "$exec_argument" != "$link" ]; then
    echo "register-desktop-entry: the path $link needs quoting in the entry;" \
        "xdg-open without a desktop environment cannot run it" >&2
fi

applications="$data_home/applications"
mkdir -p "$applications"
# Exec keeps the arguments of zindral.desktop.in after the program: the URL (%u).
ZINDRAL_EXEC="$exec_argument %u" awk '/^Exec=/ { print "Exec=" ENVIRON["ZINDRAL_EXEC"]; next } { print }' \
    "$entry" > "$applications/zindral.desktop.new"
mv -f "$applications/zindral.desktop.new" "$applications/zindral.desktop"

if command -v desktop-file-validate >/dev/null 2>&1; then
    desktop-file-validate "$applications/zindral.desktop"
fi
if command -v xdg-mime >/dev/null 2>&1; then
    xdg-mime default zindral.desktop x-scheme-handler/zindral
else
    echo "register-desktop-entry: xdg-mime missing (package xdg-utils); the URL scheme is not registered" >&2
fi
if command -v update-desktop-database >/dev/null 2>&1; then
    update-desktop-database "$applications" || true
fi
echo "Registered $applications/zindral.desktop for x-scheme-handler/zindral, running $program"
