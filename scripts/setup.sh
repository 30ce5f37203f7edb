#!/usr/bin/env bash
# Installs the Debian packages listed in scripts/packages.txt that are missing, and makes the locale
# the tests need. Idempotent: on a machine that has them all it only checks.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
mapfile -t wanted < <(grep -vE '^\s*(#|$)' "$here/packages.txt")
missing=()
for p in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The number-formatting tests switch the process to a locale with a decimal comma to show that our
# formatting ignores it; a new machine has only C.UTF-8, which would make them prove nothing.
if ! locale -a 2>/dev/null | grep -qiE '^de_DE\.utf-?8$'; then
  echo "setup: generating the de_DE.UTF-8 locale"
  if grep -qE '^#\s*de_DE\.UTF-8 UTF-8' /etc/locale.gen; then
    $sudo sed -i -E 's/^#\s*(de_DE\.UTF-8 UTF-8)/\1/' /etc/locale.gen
  else
    echo 'de_DE.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  fi
  $sudo locale-gen >/dev/null
fi
