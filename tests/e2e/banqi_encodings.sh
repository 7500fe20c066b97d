#!/usr/bin/env bash
# The table on terminals of different encodings: a Big5 terminal gets the
# Big5 bytes unchanged, a UTF-8 one the same characters in UTF-8.
set -u
banqi=$1
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# on_terminal LOCALE FILE: banqi's output as a terminal receives it, with
# the terminal's CR LF line ends made plain again. Its stdin is not a
# terminal, so it does not pause.
on_terminal() {
  LC_ALL=$1 script -qec "$banqi </dev/null" /dev/null >"$2.raw" || fail "$1: exit status $?"
  sed 's/\r$//' "$2.raw" >"$2"
}

locale -a | grep -qx zh_TW || fail "the zh_TW (Big5) locale is not installed"
on_terminal zh_TW "$work/big5"
[ "$(stat -c %s "$work/big5")" -eq 315 ] || fail "Big5 terminal got $(stat -c %s "$work/big5") bytes"
iconv -f CP950 -t UTF-8 "$work/big5" >"$work/big5.utf8" || fail "Big5 terminal got bytes that are not Big5"
head -1 "$work/big5.utf8" | grep -qx '┌─┬─┬─┬─┬─┬─┬─┬─┐' || fail "Big5 top border: $(head -1 "$work/big5.utf8")"

on_terminal C.UTF-8 "$work/utf8"
iconv -f UTF-8 -t UTF-8 "$work/utf8" >/dev/null || fail "UTF-8 terminal got invalid UTF-8"
head -1 "$work/utf8" | grep -qx '┌───┬───┬───┬───┬───┬───┬───┬───┐ ' || fail "UTF-8 top border: $(head -1 "$work/utf8")"
# All 32 pieces, each row in the form "│ 將│ … │ ".
pieces() { LC_ALL=C.UTF-8 grep -o '[將帥士仕象相車硨馬傌包炮卒兵]' "$1" | tr -d '\n'; }
[ "$(pieces "$work/utf8" | wc -m)" -eq 32 ] || fail "UTF-8 terminal: not 32 pieces"
[ "$(LC_ALL=C.UTF-8 grep -c '^\(│ [將帥士仕象相車硨馬傌包炮卒兵]\)\{8\}│ $' "$work/utf8")" -eq 4 ] ||
  fail "UTF-8 terminal: rows not in the form '│ 將│ … │ '"

# The C and POSIX locales on a terminal: UTF-8 with the same widths and
# fills, not the ASCII "? " of old.
for c in C POSIX; do
  on_terminal $c "$work/$c"
  head -1 "$work/$c" | grep -qx '┌───┬───┬───┬───┬───┬───┬───┬───┐ ' || fail "$c locale top border: $(head -1 "$work/$c")"
  [ "$(pieces "$work/$c" | wc -m)" -eq 32 ] || fail "$c locale: not 32 pieces"
done

echo "banqi_encodings: ok"
