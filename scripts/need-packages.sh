#!/usr/bin/env bash
# Installs the Debian packages named on the command line that are missing.
# As root it runs apt-get itself, through sudo when that needs no password;
# otherwise it prints the command to run and fails.
set -eu

missing=()
for pkg in "$@"; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if ! command -v apt-get >/dev/null 2>&1; then
  echo "Missing packages: ${missing[*]}. Install them with your system's package manager." >&2
  exit 1
fi

if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
  as_root=(sudo)
else
  echo "Missing packages: ${missing[*]}" >&2
  echo "Run: sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi

echo "Installing ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
# A fresh machine has no package lists yet; refresh them once if the
# first attempt cannot find a package.
"${as_root[@]}" apt-get install -y -q "${missing[@]}" >/dev/null 2>&1 || {
  "${as_root[@]}" apt-get update -q >/dev/null
  "${as_root[@]}" apt-get install -y -q "${missing[@]}" >/dev/null
}
