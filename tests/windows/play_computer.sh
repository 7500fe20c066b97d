#!/usr/bin/env bash
# banqi-play.exe against the computer under Wine: a whole game against
# level 1 from a fixed deal, the person's side played by the referee tool
# (a Windows program too, so that the seed gives it the same deal). Wine's
# console places the board's cells its own way, so the tool follows the
# game by the status line, which says each of the computer's moves in
# words, and the end must name the winner as the player or the computer.
set -u
play=$1
referee=$2
seed=${BANQI_TEST_SEED:-1}
. "$(dirname "$0")/wine.sh"
wine_prefix

pane_start "$work"
status_line() { screen | sed -n 23p | sed 's/ *$//'; }
status_matches() { status_line | grep -Eq -- "$1"; }

type_line "BANQI_SEED=$seed wine '$play' --computer --level 1; echo \$? >rc"
until_true "the first message" status_matches '^先手請翻開一顆棋子'
: >"$work/moves"

# ask: the referee's answer once the screen shows the computer's move.
# The status line changes with each of its moves, so the tool (a Wine
# process each time) is asked only once the line has moved on.
last=
referee_answers() {
  local rc
  screen >"$work/screen"
  (cd "$work" && wine "$referee" "$seed" second moves screen --status-only) >"$work/answer" 2>"$work/why"
  rc=$?
  [ $rc = 3 ] && return 1
  [ $rc = 0 ] || fail "$(cat "$work/why")"
}
moved_on() { local now; now=$(status_line); [ "$now" != "$last" ] && [[ "$now" != 電腦思考中* ]]; }

computer_next=false  # the person opens
while :; do
  $computer_next && until_true "the computer's move after '$last'" moved_on
  computer_next=true
  until_true "the referee to find the computer's move: $(cat "$work/why" 2>/dev/null)" referee_answers
  answer=$(tr -d '\r' <"$work/answer")
  [ "$answer" = END ] && break
  last=$(status_line)
  # shellcheck disable=SC2086  # one word a key
  keys ${answer%%$'\t'*}
  expect=${answer#*$'\t'}
  if [ -n "$expect" ]; then
    # A declined draw: the person moves again.
    until_true "$expect" status_matches "^$expect"
    computer_next=false
  fi
done

final=$(status_line)
[[ "$final" =~ （你）.*（電腦）勝|（電腦）.*（你）勝|和局 ]] || fail "the end does not name the winner: $final"
grep -q '^P draw' "$work/moves" || fail "no draw was offered"
keys Space
until_true "banqi-play.exe to end" test -s "$work/rc"
[ "$(cat "$work/rc")" = 0 ] || fail "exit status $(cat "$work/rc")"
echo "banqi-play.exe against level 1 under Wine: $(grep -c '^C' "$work/moves") computer moves; $final"
