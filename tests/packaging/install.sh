#!/usr/bin/env bash
# make install with PREFIX and DESTDIR into a scratch folder: the programs,
# their pages and the docs, nothing else; the installed banqi prints its
# nine lines to a file and exits 0; man finds the pages where they went;
# make uninstall takes it all away again.
set -u
src=$1; shift
programs=("$@")
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
. "$(dirname "$0")/make.sh"

root=$work/root prefix=/opt/banqi
run_make install BUILD="$work/build" PREFIX="$prefix" DESTDIR="$root"

want=(share/doc/banqi/changelog.gz share/doc/banqi/copyright)
for program in "${programs[@]}"; do
  want+=("bin/$program" "share/man/man6/$program.6.gz")
done
got=$(cd "$root$prefix" 2>/dev/null && find . -type f -printf '%P\n' | sort)
[ "$got" = "$(printf '%s\n' "${want[@]}" | sort)" ] || fail "installed files:
$got"
for program in "${programs[@]}"; do
  [ -x "$root$prefix/bin/$program" ] || fail "$program is not executable"
  [ "$(man --manpath="$root$prefix/share/man" -w 6 "$program")" = "$root$prefix/share/man/man6/$program.6.gz" ] \
    || fail "man does not find $program(6)"
done

bash "$src/tests/e2e/banqi_redirected.sh" "$root$prefix/bin/banqi" >"$work/run.log" 2>&1 \
  || fail "the installed banqi: $(cat "$work/run.log")"

run_make uninstall BUILD="$work/build" DESTDIR="$root"
left=$(find "$root" -type f)
[ -z "$left" ] || fail "left after make uninstall: $left"
[ ! -e "$root$prefix/share/doc/banqi" ] || fail "make uninstall left share/doc/banqi"

echo "make_install: ok"
