#!/usr/bin/env bash
# banqi.exe under Wine: with standard output redirected, the file starts
# with the nine table lines in Big5 with CRLF line ends (324 bytes), ahead
# of whatever the command interpreter's pause adds; in a console the table
# shows as its characters, the pause waits, and one key ends the run. The
# exit status is 0 every time.
set -u
exe=$1
. "$(dirname "$0")/wine.sh"
wine_prefix

# check_table FILE WHAT: FILE holds the nine lines in UTF-8.
check_table() {
  local lines
  mapfile -t lines <"$1"
  [ ${#lines[@]} -ge 9 ] || fail "$2: ${#lines[@]} lines"
  [ "${lines[0]}" = "┌─┬─┬─┬─┬─┬─┬─┬─┐" ] || fail "$2: top border: ${lines[0]}"
  for i in 2 4 6; do [ "${lines[$i]}" = "├─┼─┼─┼─┼─┼─┼─┼─┤" ] || fail "$2: separator $i: ${lines[$i]}"; done
  [ "${lines[8]}" = "└─┴─┴─┴─┴─┴─┴─┴─┘" ] || fail "$2: bottom border: ${lines[8]}"
  for i in 1 3 5 7; do
    [[ "${lines[$i]}" =~ ^(│[^│])+│$ ]] && [ ${#lines[$i]} -eq 17 ] || fail "$2: row $i: ${lines[$i]}"
  done
  # Every piece once: so many of each glyph.
  local cells want
  cells=$(printf '%s' "${lines[1]}${lines[3]}${lines[5]}${lines[7]}" | sed 's/│//g' | grep -o . | sort | uniq -c | awk '{print $2 $1}' | sort | tr '\n' ' ')
  want=$(printf '%s\n' 將1 帥1 士2 仕2 象2 相2 車2 硨2 馬2 傌2 包2 炮2 卒5 兵5 | sort | tr '\n' ' ')
  [ "$cells" = "$want" ] || fail "$2: pieces: $cells, expected $want"
}

# check_file FILE WHAT: the table first, as Big5 with CRLF line ends.
check_file() {
  local size
  size=$(stat -c %s "$1")
  [ "$size" -ge 324 ] || fail "$2: only $size bytes"
  head -c 324 "$1" >"$work/table.big5"
  [ "$(tr -cd '\n' <"$work/table.big5" | wc -c)" -eq 9 ] || fail "$2: not nine lines in the first 324 bytes"
  [ "$(grep -c $'\r$' "$work/table.big5")" -eq 9 ] || fail "$2: a line end is not CRLF"
  tr -d '\r' <"$work/table.big5" | iconv -f CP950 -t UTF-8 >"$work/table.utf8" || fail "$2: not Big5"
  check_table "$work/table.utf8" "$2"
}

# No console and no keyboard: the pause finds its input at an end.
timeout 60 wine "$exe" </dev/null >"$work/plain.out" 2>"$work/plain.err"; rc=$?
[ $rc -eq 0 ] || fail "no console: exit status $rc: $(cat "$work/plain.err")"
check_file "$work/plain.out" "no console"

pane_start "$work"

# In a console with the table redirected: the pause, which writes its prompt
# to the same file, waits for a key.
type_line "wine '$exe' >redirected.out; echo \$? >redirected.rc"
past_table() { [ "$(stat -c %s "$work/redirected.out" 2>/dev/null || echo 0)" -gt 324 ]; }
until_true "the pause's prompt after the table" past_table
[ -e "$work/redirected.rc" ] && fail "redirected: banqi.exe did not wait for a key"
keys x
wait_file "$work/redirected.rc"
[ "$(cat "$work/redirected.rc")" = 0 ] || fail "redirected: exit status $(cat "$work/redirected.rc")"
check_file "$work/redirected.out" "redirected"

# In the console itself: the table as characters on the screen, then the
# pause's prompt on the line below it.
type_line "clear; wine '$exe'; echo \$? >console.rc"
table_then_prompt() {
  screen >"$work/console.screen"
  grep -A1 '^└' "$work/console.screen" | sed -n 2p | grep -q '[^[:space:]]'
}
until_true "the table and the pause's prompt" table_then_prompt
[ -e "$work/console.rc" ] && fail "console: banqi.exe did not wait for a key"
grep -A8 '^┌' "$work/console.screen" >"$work/console.table"
check_table "$work/console.table" "console"
keys Space
wait_file "$work/console.rc"
[ "$(cat "$work/console.rc")" = 0 ] || fail "console: exit status $(cat "$work/console.rc")"

echo "banqi.exe under Wine: ok"
