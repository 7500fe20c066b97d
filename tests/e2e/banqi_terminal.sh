#!/usr/bin/env bash
# banqi in a real terminal with a UTF-8 locale: the table shows as
# characters in aligned columns, the pause waits for one key, and the
# terminal's modes are the same afterwards, however the pause ends.
set -u
banqi=$1

. "$(dirname "$0")/tmux.sh"
tmux_start

# run NAME KEYS...: runs banqi in the pane, waits for the prompt, sends the
# keys, and checks the exit status and the terminal's modes afterwards.
run() {
  local name=$1; shift
  t send-keys -t e2e "clear" Enter
  # The subshell outlives a Ctrl-C (a trap, not an ignore, so banqi still
  # gets the signal) to record how banqi ended.
  type_line "(trap : INT; $banqi; echo \$? >$work/$name.rc; stty -g >$work/$name.after)"
  wait_for 'Press any key to continue'
  screen >"$work/$name.screen"
  sleep 0.2  # a key before the pause reads it would be type-ahead, not the test
  [ -e "$work/$name.rc" ] && fail "$name: banqi did not wait for a key"
  keys "$@"
  wait_file "$work/$name.after"
  cmp -s "$work/before" "$work/$name.after" || fail "$name: terminal modes changed"
}

run space Space
[ "$(cat "$work/space.rc")" = 0 ] || fail "exit status $(cat "$work/space.rc")"

# The table: nine lines, 34 columns each, every column aligned.
mapfile -t table < <(grep -E '^[┌│├└]' "$work/space.screen")
[ ${#table[@]} -eq 9 ] || fail "expected nine table lines, got ${#table[@]}"
[ "${table[0]}" = "┌───┬───┬───┬───┬───┬───┬───┬───┐" ] || fail "top: ${table[0]}"
[ "${table[2]}" = "├───┼───┼───┼───┼───┼───┼───┼───┤" ] || fail "separator: ${table[2]}"
[ "${table[8]}" = "└───┴───┴───┴───┴───┴───┴───┴───┘" ] || fail "bottom: ${table[8]}"
for i in 1 3 5 7; do
  [[ "${table[$i]}" =~ ^(│\ [將帥士仕象相車硨馬傌包炮卒兵])+│$ ]] || fail "row: ${table[$i]}"
  w=$(printf '%s\n' "${table[$i]}" | wc -L)
  [ "$w" -eq 33 ] || fail "row is $w columns before its fill, expected 33: ${table[$i]}"
done

# An arrow key is one key: nothing of its escape sequence reaches the shell.
run arrow Up
type_line "echo typed:\$(cat -v <<<'') done"
wait_for '^typed: done'

# Ctrl-C ends the run as an interrupt, with the modes put back.
run interrupt C-c
[ "$(cat "$work/interrupt.rc")" = 130 ] || fail "Ctrl-C: exit status $(cat "$work/interrupt.rc")"

# A terminating or hung-up terminal's signal during the pause.
for sig in TERM HUP; do
  t send-keys -t e2e "clear" Enter
  type_line "$banqi & wait \$!; echo \$? >$work/$sig.rc; stty -g >$work/$sig.after"
  wait_for 'Press any key to continue'
  pkill -"$sig" -f "^$banqi\$" || fail "no banqi to signal"
  wait_file "$work/$sig.after"
  cmp -s "$work/before" "$work/$sig.after" || fail "SIG$sig: terminal modes changed"
done

# Table redirected to a file: the file holds only the table, the prompt
# shows on the terminal.
t send-keys -t e2e "clear" Enter
type_line "$banqi >$work/table; echo \$? >$work/redirect.rc"
wait_for 'Press any key to continue'
keys x
wait_file "$work/redirect.rc"
[ "$(stat -c %s "$work/table")" -eq 315 ] || fail "redirected table is $(stat -c %s "$work/table") bytes"

echo "banqi_terminal: ok"
