#!/usr/bin/env bash
# Generates the locales named on the command line (for instance zh_TW.UTF-8)
# that the system lacks, with Debian's locales package: each is enabled in
# /etc/locale.gen and locale-gen builds them. As root it runs itself, through
# sudo when that needs no password; otherwise it prints what to run and fails.
set -eu

have() {
  # locale -a names them without the dash and in lower case: zh_TW.utf8.
  local want
  want=$(printf '%s' "$1" | tr 'A-Z' 'a-z' | tr -d '-')
  locale -a 2>/dev/null | tr 'A-Z' 'a-z' | tr -d '-' | grep -qx "$want"
}

missing=()
for loc in "$@"; do
  have "$loc" || missing+=("$loc")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
  as_root=(sudo)
else
  echo "Missing locales: ${missing[*]}" >&2
  echo "Run: enable them in /etc/locale.gen, then sudo locale-gen" >&2
  exit 1
fi

for loc in "${missing[@]}"; do
  # The line locale-gen reads: the name and its charset, as SUPPORTED has it.
  line=$(grep -m1 "^$loc " /usr/share/i18n/SUPPORTED || true)
  if [ -z "$line" ]; then
    echo "Unknown locale: $loc" >&2
    exit 1
  fi
  if grep -q "^# *$line\$" /etc/locale.gen 2>/dev/null; then
    "${as_root[@]}" sed -i "s/^# *$line\$/$line/" /etc/locale.gen
  elif ! grep -qx "$line" /etc/locale.gen 2>/dev/null; then
    echo "$line" | "${as_root[@]}" tee -a /etc/locale.gen >/dev/null
  fi
done
echo "Generating ${missing[*]}" >&2
"${as_root[@]}" locale-gen >/dev/null
