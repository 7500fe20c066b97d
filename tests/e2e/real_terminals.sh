#!/usr/bin/env bash
# The situations of real terminals that the other tests' 80 x 25 UTF-8
# panes never meet (tmux): TERM=dumb, no locale at all, an 80 x 24 window,
# one smaller than the play screen, and resizes during a game.
set -u
export LC_ALL=C.UTF-8  # ${#var} counts characters, not bytes
banqi=$1
play=$2

. "$(dirname "$0")/tmux.sh"
tmux_start

rows=()
grab() { mapfile -t rows < <(screen); }
row() { printf '%s' "${rows[$(($1 - 1))]}"; }
resize() { t resize-window -t e2e -x "$1" -y "$2"; }

# --- TERM=dumb: one line on standard error, status 1, nothing drawn -------
t send-keys -t e2e "clear" Enter
type_line "TERM=dumb $play 2>$work/dumb.err; echo \$? >$work/dumb.rc"
wait_file "$work/dumb.rc"
[ "$(cat "$work/dumb.rc")" = 1 ] || fail "TERM=dumb: exit status $(cat "$work/dumb.rc")"
[ "$(wc -l <"$work/dumb.err")" = 1 ] || fail "TERM=dumb: not one line: $(cat "$work/dumb.err")"
grep -q 'TERM=dumb.*cannot move the cursor.*TERM=xterm' "$work/dumb.err" || fail "TERM=dumb: $(cat "$work/dumb.err")"
screen | grep -q '[暗●┌]\|Dead' && fail "TERM=dumb: the play screen was drawn"

# --- No locale in the environment: the table in UTF-8 ---------------------
t send-keys -t e2e "clear" Enter
type_line "env -i TERM=xterm-256color $banqi; echo \$? >$work/nolocale.rc"
wait_for 'Press any key to continue'
pieces=$(screen | grep -o '[將帥士仕象相車硨馬傌包炮卒兵]' | wc -l)
[ "$pieces" = 32 ] || fail "no locale: $pieces pieces shown"
[ "$(screen | grep -c '^[┌│├└]')" = 9 ] || fail "no locale: the table is not nine lines"
keys x
wait_file "$work/nolocale.rc"
# Nothing of the probe's question or answer was left for the shell.
type_line "echo typed:\$(cat -v <<<'') done"
wait_for '^typed: done'

# --- The common 80 x 24 terminal holds the play screen (23 rows) ----------
resize 80 24
t send-keys -t e2e "clear" Enter
type_line "BANQI_SEED=1 $play; echo \$? >$work/rows24.rc"
wait_for '^先手請翻開一顆棋子'
screen | grep -q 'Window too small' && fail "80 x 24: the size message"
keys Escape Escape
wait_file "$work/rows24.rc"

# --- Too small, then large enough, then resized during a game -------------
resize 60 18
t send-keys -t e2e "clear" Enter
type_line "BANQI_SEED=1 $play; echo \$? >$work/play.rc"
wait_for '80 x 23.*60 x 18'
wait_for '^Window too small: 80 x 23 needed, 60 x 18 now'
screen | grep -q '[┌●暗]' && fail "a board drawn in a 60 x 18 window"
resize 80 25
wait_for '^先手請翻開一顆棋子'
grab
[[ "$(row 2)" =~ ^\ {31}暗 ]] || fail "no title after growing: $(row 2)"
[ "$(screen | grep -o ● | wc -l)" = 32 ] || fail "not 32 cells face down after growing"
keys Space
wait_for 'next: RED'
resize 70 20
wait_for '80 x 23.*70 x 20'
resize 80 25
wait_for 'next: RED'
wait_for '^先手為黑方，後手為紅方'
grab
[[ "$(row 7)" =~ ^\ {21}１│\ 將│\ ●\  ]] || fail "a1 not shown flipped after the resizes: $(row 7)"
[ "$(screen | grep -o ● | wc -l)" = 31 ] || fail "not 31 cells face down after the resizes"
[ "$(row 6)" = "                     　┌───┬───┬───┬───┬───┬───┬───┬───┐" ] || fail "top border: $(row 6)"
for r in 8 10 12; do
  [ "$(row $r)" = "                     　├───┼───┼───┼───┼───┼───┼───┼───┤" ] || fail "separator $r: $(row $r)"
done
[ "$(row 14)" = "                     　└───┴───┴───┴───┴───┴───┴───┴───┘" ] || fail "bottom border: $(row 14)"
for r in 7 9 11 13; do
  [[ "$(row $r)" =~ ^\ {21}[１２３４](│\ (將|●\ ))+│$ ]] || fail "cell row $r: $(row $r)"
done
[ "$(screen | grep -c 'Window too small')" = 0 ] || fail "the size message left on the screen"
# No key was invented: the status line is the flip's; a key still works.
keys Escape
wait_for '^要結束嗎'
keys Escape
wait_file "$work/play.rc"
[ "$(cat "$work/play.rc")" = 0 ] || fail "banqi-play: exit status $(cat "$work/play.rc")"

echo "real_terminals: ok"
