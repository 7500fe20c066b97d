#!/usr/bin/env bash
# make package-windows: the .zip named with the project's version holds, in
# one folder, the .exe files and README.txt and nothing else; the README is
# plain text with CRLF line ends and names code page 950.
set -u
src=$1 version=$2; shift 2
programs=("$@")
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
. "$(dirname "$0")/make.sh"

run_make package-windows BUILD_WIN_PKG="$work/win"
name=banqi-$version-win64
zip=$work/win/$name.zip
[ -f "$zip" ] || fail "no $zip: $(ls "$work/win")"

want=("$name/README.txt")
for program in "${programs[@]}"; do want+=("$name/$program.exe"); done
unzip -Z1 "$zip" | grep -v '/$' | sort >"$work/listing" || fail "unzip -Z1"
printf '%s\n' "${want[@]}" | sort | diff - "$work/listing" >"$work/diff" || fail "listing (- expected, + found):
$(cat "$work/diff")"

unzip -q "$zip" -d "$work/out" || fail "unzip"
for program in "${programs[@]}"; do
  [ "$(head -c 2 "$work/out/$name/$program.exe")" = MZ ] || fail "$program.exe is not a Windows program"
done
readme=$work/out/$name/README.txt
LC_ALL=C grep -q '[^[:print:][:space:]]' "$readme" && fail "README.txt is not plain ASCII text"
[ "$(grep -c '' "$readme")" = "$(grep -c $'\r$' "$readme")" ] || fail "README.txt has a line end without CR"
grep -q 'chcp 950' "$readme" || fail "README.txt does not say chcp 950"
grep -q "banqi $version" "$readme" || fail "README.txt does not name version $version"

echo "windows_zip: ok"
