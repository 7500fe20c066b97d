#!/usr/bin/env bash
# banqi-demo in a real terminal with a UTF-8 locale: the play screen shows
# its title, labels and status line; turned face up, all 32 cells sit in
# their columns, red pieces in bright red and black ones not; Esc ends the
# run with status 0, and the terminal's modes are the same afterwards.
set -u
export LC_ALL=C.UTF-8
demo=$1

. "$(dirname "$0")/tmux.sh"
tmux_start
t send-keys -t e2e "clear" Enter
type_line "$demo; echo \$? >$work/rc; stty -g >$work/after"
wait_for '紅方請翻棋或走棋'

mapfile -t rows < <(screen)
row() { printf '%s' "${rows[$(($1 - 1))]}"; }
pad() { printf '%*s' $(($1 - 1)) ''; }  # the columns left of column $1

[ "$(row 2)" = "$(pad 32)暗　　　　　　　棋" ] || fail "title: $(row 2)"
[ "$(row 4)" = "$(pad 18)next: RED" ] || fail "turn line: $(row 4)"
[ "$(row 5)" = "$(pad 22)　　ａ　ｂ　ｃ　ｄ　ｅ　ｆ　ｇ　ｈ" ] || fail "column labels: $(row 5)"
# Row labels, then eight cells each two columns after its bar: "● " is
# the back glyph and its fill, a piece glyph is two columns by itself.
labels=１２３４
for r in 0 1 2 3; do
  [[ "$(row $((7 + 2 * r)))" =~ ^$(pad 22)${labels:$r:1}(│\ (●\ |[將帥士仕象相車硨馬傌包炮卒兵])){8}│$ ]] ||
    fail "board row $((r + 1)): $(row $((7 + 2 * r)))"
done
[ "$(row 16)" = "$(pad 14)Dead: 象包卒相兵" ] || fail "captured pieces: $(row 16)"
[ "$(row 23)" = "紅方請翻棋或走棋" ] || fail "status line: $(row 23)"

# 相, a red piece on the captured-piece line, in bright red: 91 on a
# 16-colour terminal, or red (31) with bold where the bright colours are bold.
coloured=$(screen -e | sed -n 16p)
[[ "$coloured" =~ $'\e'\[([0-9]+\;)*(91|1\;31|31\;1)m相 ]] || fail "相 not in bright red: $(printf '%q' "$coloured")"

[ -e "$work/rc" ] && fail "the demo did not wait for a key"

# Every cell face up: Space, then along the row and down, snaking. Each key
# waits for the one before to show (its code on row 21) and for the demo
# to read again, as a key typed while it draws would be echoed.
pane_tty=$(t display-message -p -t e2e '#{pane_tty}')
press() {  # press KEY CODE
  local deadline=$((SECONDS + TMUX_PANE_WAIT))
  until stty -F "$pane_tty" -a | grep -qw -- -icanon; do
    [ $SECONDS -lt $deadline ] || fail "the demo never read a key"
    sleep 0.02
  done
  keys "$1"
  wait_for "^key: $2 *\$"
}
for r in 0 1 2 3; do
  [ $r -gt 0 ] && press Down 80
  press Space 32
  for _ in 1 2 3 4 5 6 7; do
    if [ $((r % 2)) -eq 0 ]; then press Right 77; else press Left 75; fi
    press Space 32
  done
done

mapfile -t rows < <(screen)
for r in 0 1 2 3; do
  [[ "$(row $((7 + 2 * r)))" =~ ^$(pad 22)${labels:$r:1}(│\ [將帥士仕象相車硨馬傌包炮卒兵]){8}│$ ]] ||
    fail "board row $((r + 1)) face up: $(row $((7 + 2 * r)))"
done
# The colour change in front of each glyph: bright red (or red and bold)
# for the red side, never red for the black side. The highlight, last on
# row 4's first cell, adds a bright green background there.
mapfile -t coloured < <(screen -e)
esc=$'\e'
glyph="((${esc}\[[0-9;]*m)*)([將帥士仕象相車硨馬傌包炮卒兵])"
reds=0 blacks=0
for y in 7 9 11 13; do
  line=${coloured[$((y - 1))]}
  first=1
  while [[ $line =~ $glyph ]]; do
    sgr=${BASH_REMATCH[1]} piece=${BASH_REMATCH[3]}
    line=${line#*"${BASH_REMATCH[0]}"}
    if [[ 帥仕相硨傌炮兵 == *$piece* ]]; then
      [[ $sgr =~ [[\;](91|1\;31|31\;1)[m\;] ]] || fail "red $piece on row $y not bright red: $(printf '%q' "$sgr")"
      reds=$((reds + 1))
    else
      [[ $sgr =~ [[\;](91|31)[m\;] ]] && fail "black $piece on row $y in red: $(printf '%q' "$sgr")"
      blacks=$((blacks + 1))
    fi
    if [ $y -eq 13 ] && [ $first -eq 1 ]; then
      [[ $sgr =~ [[\;]102[m\;] ]] || fail "the highlighted cell has no bright green background: $(printf '%q' "$sgr")"
    fi
    first=0
  done
done
if [ $reds -ne 16 ] || [ $blacks -ne 16 ]; then
  fail "face up: $reds red and $blacks black pieces"
fi

keys Escape
wait_file "$work/after"
[ "$(cat "$work/rc")" = 0 ] || fail "exit status $(cat "$work/rc")"
cmp -s "$work/before" "$work/after" || fail "terminal modes changed"
# The play screen is cleared on the way out.
screen | grep -q '[暗棋●]' && fail "the play screen was left behind"

echo "demo_terminal: ok"
