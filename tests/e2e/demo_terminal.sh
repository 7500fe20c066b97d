#!/usr/bin/env bash
# banqi-demo in a real terminal with a UTF-8 locale: the play screen shows
# its title, labels, a red piece in red and the status line, Esc ends the
# run with status 0, and the terminal's modes are the same afterwards.
set -u
export LC_ALL=C.UTF-8
demo=$1
work=$(mktemp -d)
. "$(dirname "$0")/tmux.sh"
trap 'tmux_stop; rm -rf "$work"' EXIT

tmux_start
type_line "PS1='$ '; stty -g >$work/before"
wait_file "$work/before"
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

sleep 0.2  # a key before the demo reads one would be type-ahead, not the test
[ -e "$work/rc" ] && fail "the demo did not wait for a key"
keys Escape
wait_file "$work/after"
[ "$(cat "$work/rc")" = 0 ] || fail "exit status $(cat "$work/rc")"
cmp -s "$work/before" "$work/after" || fail "terminal modes changed"
# The play screen is cleared on the way out.
screen | grep -q '[暗棋●]' && fail "the play screen was left behind"

echo "demo_terminal: ok"
