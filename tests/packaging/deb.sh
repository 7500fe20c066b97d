#!/usr/bin/env bash
# make package: the .deb named with the project's version; its control
# fields (dpkg-deb -I); its files (dpkg-deb -c): the programs in
# /usr/games, a page for each in man6 and the docs, all root's, with
# Debian's modes and gzip files without time stamps; the packaged banqi
# runs; lintian finds no error.
set -u
src=$1 version=$2; shift 2
programs=("$@")
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
. "$(dirname "$0")/make.sh"

run_make package BUILD_PKG="$work/pkg"
arch=$(dpkg --print-architecture)
deb=$work/pkg/banqi_${version}_$arch.deb
[ -f "$deb" ] || fail "no $deb: $(ls "$work/pkg")"

# Control fields.
field() { dpkg-deb -f "$deb" "$1"; }
dpkg-deb -I "$deb" >"$work/info" || fail "dpkg-deb -I"
for pair in Package=banqi "Version=$version" "Architecture=$arch" Section=games Priority=optional; do
  [ "$(field "${pair%%=*}")" = "${pair#*=}" ] || fail "${pair%%=*}: $(field "${pair%%=*}"), expected ${pair#*=}"
done
[[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] || fail "Maintainer: $(field Maintainer)"
# From dpkg-shlibdeps: the C library at least, with a version.
[[ "$(field Depends)" =~ (^|, )libc6\ \(\>=\ [0-9.]+\) ]] || fail "Depends: $(field Depends)"
[ "$(field Description | wc -l)" -gt 2 ] || fail "no long description"

# Contents: ./path modes owner, directories aside.
dpkg-deb -c "$deb" >"$work/contents" || fail "dpkg-deb -c"
awk '$1 !~ /^d/ { print $6, $1, $2 }' "$work/contents" | sed 's|^\./||' | sort >"$work/files"
want=("usr/share/doc/banqi/changelog.gz -rw-r--r-- root/root"
      "usr/share/doc/banqi/copyright -rw-r--r-- root/root")
for program in "${programs[@]}"; do
  want+=("usr/games/$program -rwxr-xr-x root/root"
         "usr/share/man/man6/$program.6.gz -rw-r--r-- root/root")
done
printf '%s\n' "${want[@]}" | sort | diff - "$work/files" >"$work/diff" || fail "contents (- expected, + found):
$(cat "$work/diff")"
awk '$1 ~ /^d/ && ($1 != "drwxr-xr-x" || $2 != "root/root") { print }' "$work/contents" >"$work/baddirs"
[ ! -s "$work/baddirs" ] || fail "directories: $(cat "$work/baddirs")"

dpkg-deb -x "$deb" "$work/root" || fail "dpkg-deb -x"
for gz in "$work"/root/usr/share/man/man6/*.gz "$work/root/usr/share/doc/banqi/changelog.gz"; do
  # Bytes 4-7 of a gzip header: the time stamp, zero for gzip -n.
  [ "$(od -An -tx1 -j4 -N4 "$gz" | tr -d ' ')" = 00000000 ] || fail "$gz has a time stamp"
done
top=$(zcat "$work/root/usr/share/doc/banqi/changelog.gz" | head -1)
[[ "$top" == "banqi ($version) "* ]] || fail "the changelog's latest entry is not $version: $top"
bash "$src/tests/e2e/banqi_redirected.sh" "$work/root/usr/games/banqi" >"$work/run.log" 2>&1 \
  || fail "the packaged banqi: $(cat "$work/run.log")"

lintian --fail-on error "$deb" >"$work/lintian" 2>&1 || fail "lintian: $(cat "$work/lintian")"

echo "deb_package: ok"
