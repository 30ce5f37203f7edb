#!/bin/sh
# Registers Zindral's desktop entry for the current user, so that "zindral://openAndUpdate" opened
# with xdg-open reaches the program:
#   - copies the bundle's zindral.desktop into $XDG_DATA_HOME/applications (~/.local/share/...),
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

data_home=${XDG_DATA_HOME:-$HOME/.local/share}
applications="$data_home/applications"
mkdir -p "$applications"
cp "$entry" "$applications/zindral.desktop"

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
echo "Registered $applications/zindral.desktop for x-scheme-handler/zindral"
