#!/usr/bin/env bash
# banqi-play against the computer in a real terminal (tmux, 80 x 25,
# UTF-8), from a fixed deal. A test tool plays the person's side and reads
# the screen back after each of the computer's moves: the status line
# saying the move in words, every cell, the captured pieces and the turn
# line naming both sides. A game against level 1 is played to its end,
# with a draw offered when the computer is far ahead and declined; then,
# against level 5, keys pressed while it thinks are dropped, a resize
# while it thinks leaves a whole screen, and Ctrl-C while it thinks leaves
# the terminal as it was. BANQI_TEST_SEED picks
# another deal (default 1).
set -u
export LC_ALL=C.UTF-8
play=$1
referee=$2
seed=${BANQI_TEST_SEED:-1}

. "$(dirname "$0")/tmux.sh"
tmux_start

# start NAME ARGS...: runs banqi-play on the fixed deal and waits for its
# first message, or the computer's first thought.
start() {
  name=$1
  shift
  t send-keys -t e2e "clear" Enter
  type_line "(trap : INT; BANQI_SEED=$seed $play $*; echo \$? >$work/$name.rc; stty -g >$work/$name.after)"
  wait_for '^(先手請翻開一顆棋子|電腦)'
  : >"$work/$name.moves"
}

# finish [STATUS]: waits for the program to end, then checks its exit
# status and the terminal's modes.
finish() {
  local want=${1:-0}
  wait_file "$work/$name.after"
  [ "$(cat "$work/$name.rc")" = "$want" ] || fail "$name: exit status $(cat "$work/$name.rc")"
  cmp -s "$work/before" "$work/$name.after" || fail "$name: terminal modes changed"
}

# referee WHEN: asks the test tool, as often as needed while the computer
# has not yet shown its move, for the person's next keys; sets $answer.
referee() {
  local deadline=$((SECONDS + TMUX_PANE_WAIT)) rc
  while :; do
    screen >"$work/screen"
    "$referee" "$seed" "$1" "$work/$name.moves" "$work/screen" >"$work/answer" 2>"$work/why"
    rc=$?
    [ $rc = 3 ] || break
    [ $SECONDS -lt $deadline ] || fail "$name: $(cat "$work/why")"
    sleep 0.05
  done
  [ $rc = 0 ] || fail "$name: $(cat "$work/why")"
  answer=$(cat "$work/answer")
}

# play_on WHEN: the person's keys, one move at a time, until the end.
play_on() {
  while referee "$1"; [ "$answer" != END ]; do
    # shellcheck disable=SC2086  # one word a key
    keys ${answer%%$'\t'*}
    expect=${answer#*$'\t'}
    [ -z "$expect" ] || wait_for "^$expect"
  done
}

# --- A whole game against level 1 ------------------------------------------
start level1 --computer --level 1
grab_turn() { screen | sed -n 4p; }
[ -z "$(grab_turn | tr -d ' ')" ] || fail "the turn line names a side before the first flip: $(grab_turn)"
play_on second
grep -q '^P draw' "$work/level1.moves" || fail "the computer was never far enough ahead for a draw offer"
grep -q '^C take' "$work/level1.moves" || fail "the computer took nothing"
echo "level 1: $(grep -c '^C' "$work/level1.moves") computer moves, $(grep -c '^P [fst]' "$work/level1.moves") the person's; $(screen | sed -n 23p | sed 's/ *$//')"
keys Space
finish

# --- Level 5: keys pressed while it thinks are not taken --------------------
# The computer opens; while it thinks, S, an arrow and Space would toggle
# the captured-piece line, move the cursor and flip: the referee finds the
# screen as the computer's move alone leaves it.
start busy --computer=first --level 5
wait_for '^電腦思考中'
keys S Right Space
referee first
screen | grep -q 'Invalid key' && fail "a key typed while the computer thought was read"
# shellcheck disable=SC2086
keys ${answer%%$'\t'*}

# --- Resized while it thinks: the whole screen as it stands afterwards ------
# Shrunk below 80 x 25 and grown back while the computer thinks: its move
# then shows on a whole screen, every cell, line and frame in place.
wait_for '^電腦思考中'
t resize-window -t e2e -x 70 -y 20
t resize-window -t e2e -x 80 -y 25
referee first
screen | grep -q 'Window too small' && fail "the size message is still shown"
[ "$(screen | sed -n 2p)" = "$(printf '%31s' '')暗　　　　　　　棋" ] || fail "title after the resize: $(screen | sed -n 2p)"
[ "$(screen | sed -n 6p)" = "$(printf '%21s' '')　┌───┬───┬───┬───┬───┬───┬───┬───┐" ] || fail "frame after the resize: $(screen | sed -n 6p)"
screen | grep -q '結束請按 Esc' || fail "the instructions are gone after the resize"
# shellcheck disable=SC2086
keys ${answer%%$'\t'*}

# --- Ctrl-C while it thinks: the terminal as it was --------------------------
wait_for '^電腦思考中'
keys C-c
finish 130

echo "play_computer: ok"
