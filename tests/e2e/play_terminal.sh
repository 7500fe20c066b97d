#!/usr/bin/env bash
# banqi-play in a real terminal (tmux, 80 x 25, UTF-8): a whole game from
# a fixed deal played to a win with the keys a test tool works out from
# the rules, the screen read back after the moves that matter; then give
# up, draw offers and Esc with their confirmations; and the terminal's
# modes unchanged however the program ends. BANQI_TEST_SEED picks another
# deal (default 1).
set -u
export LC_ALL=C.UTF-8  # ${#var} counts characters, not bytes
play=$1
script_tool=$2
seed=${BANQI_TEST_SEED:-1}

. "$(dirname "$0")/tmux.sh"
tmux_start

rows=()
grab() { mapfile -t rows < <(screen); }
row() { printf '%s' "${rows[$(($1 - 1))]}"; }

# start NAME [SEED]: runs banqi-play on a fixed deal and waits for its
# first message.
start() {
  name=$1
  t send-keys -t e2e "clear" Enter
  type_line "(trap : INT; BANQI_SEED=${2:-$seed} $play; echo \$? >$work/$name.rc; stty -g >$work/$name.after)"
  wait_for '^先手請翻開一顆棋子'
}

# finish [STATUS]: waits for the program to end, then checks its exit
# status, the terminal's modes and, unless interrupted, the cleared screen.
finish() {
  local want=${1:-0}
  wait_file "$work/$name.after"
  [ "$(cat "$work/$name.rc")" = "$want" ] || fail "$name: exit status $(cat "$work/$name.rc")"
  cmp -s "$work/before" "$work/$name.after" || fail "$name: terminal modes changed"
  if [ "$want" = 0 ]; then
    screen | grep -q '[暗棋●]' && fail "$name: the play screen was left behind"
  fi
  return 0
}

# The glyphs on the captured-piece line, one character each.
dead_glyphs() {
  grab
  local line
  line=$(row 16)
  line=${line#*Dead:}
  line=${line# }
  printf '%s' "${line%% *}"
}

# wait_colour ROW TEXT: polls the screen with its colours until row ROW
# holds TEXT (fixed, escapes and all).
wait_colour() {
  local deadline=$((SECONDS + TMUX_PANE_WAIT))
  until screen -e | sed -n "$1p" | grep -qF -- "$2"; do
    [ $SECONDS -lt $deadline ] || fail "timed out waiting for $(printf '%q' "$2") on row $1"
    sleep 0.05
  done
}

side_name() { [ "$1" = RED ] && echo 紅方 || echo 黑方; }

# --- A whole game to a win -------------------------------------------------
"$script_tool" "$seed" >"$work/moves" || fail "no winning game for seed $seed"
read -r _ winner _ reason _ <"$work/moves"
reason=${reason%,}
[ "$reason" = nopieces ] || [ "$reason" = nomoves ] || fail "unexpected end: $(head -1 "$work/moves")"

start game
grab
[ -z "$(row 4 | tr -d ' ')" ] || fail "the turn line names a side before the first flip: $(row 4)"
[ "$(row 16)" = "             Dead: " ] || [ "$(row 16)" = "             Dead:" ] || fail "captured line: $(row 16)"

move=0
toggled=false
while IFS=$'\t' read -r keyline next dead; do
  move=$((move + 1))
  # shellcheck disable=SC2086  # one word a key
  keys $keyline
  if [ "$next" = END ]; then
    break
  fi
  wait_for "next: $next( |\$)"
  if [ $move = 1 ]; then
    # The first flip gave the first player the flipped piece's side.
    grab
    first=$( [ "$next" = RED ] && echo BLACK || echo RED )
    [ "$(row 23)" = "先手為$(side_name "$first")，後手為$(side_name "$next")" ] || fail "after the first flip: $(row 23)"
  fi
  glyphs=$(dead_glyphs)
  [ ${#glyphs} = "$dead" ] || fail "move $move: captured line holds '$glyphs', expected $dead pieces"
  if [ "$dead" -gt 0 ] && ! $toggled; then
    # S hides the list, leaving the label, and shows it again.
    toggled=true
    keys S
    wait_for '^隱藏死子'
    [ -z "$(dead_glyphs)" ] || fail "S left the captured pieces shown"
    keys S
    wait_for '^顯示死子'
    [ "$(dead_glyphs)" = "$glyphs" ] || fail "S did not bring back '$glyphs'"
  fi
done < <(tail -n +2 "$work/moves")
[ "$next" = END ] || fail "the move script has no last move"

loser=$( [ "$winner" = RED ] && echo BLACK || echo RED )
if [ "$reason" = nopieces ]; then why=沒有棋子了; else why=無棋可走; fi
wait_for "^$(side_name "$loser")$why，$(side_name "$winner")勝。按任一鍵結束"
glyphs=$(dead_glyphs)
[ ${#glyphs} = "$dead" ] || fail "at the end the captured line holds '$glyphs', expected $dead pieces"
if [ "$reason" = nopieces ]; then
  if [ "$loser" = RED ]; then gone='[帥仕相硨傌炮兵]'; else gone='[將士象車馬包卒]'; fi
  screen | sed -n '7,13p' | grep -q "$gone" && fail "a piece of the side without pieces is still on the board"
fi
keys Space
finish

# --- Selection, refusals, confirmations and a draw by agreement -----------
# The deal of seed 1 begins: a1 將 (black), b1 傌 (red), a2 卒 (black).
start offers 1
keys G
wait_for '^翻開第一顆棋子之後才能認輸或提和'
keys Up Left Space  # the cursor stops at the edges: a1 is flipped
wait_for 'next: RED'
grab
[[ "$(row 7)" =~ ^\ {21}１│\ 將│\ ●\  ]] || fail "a1 not flipped: $(row 7)"
[ "$(row 23)" = "先手為黑方，後手為紅方" ] || fail "after the first flip: $(row 23)"
keys Space  # 將 belongs to black, and red is to move
wait_for '^這不是你的棋子'
keys Right Space
wait_for 'next: BLACK'
keys Left Space
wait_for '^已選取'
# The selected piece on dark yellow, the cursor on bright green.
wait_colour 7 $'\e[43m將'
keys Space
wait_for '^已取消選取'
keys Space Down
wait_for '^已選取'
wait_colour 9 $'\e[102m●'  # the cursor moved on to a2
screen -e | sed -n 7p | grep -qF $'\e[43m將' || fail "將 no longer selected"
keys Space
wait_for '^不能吃還沒翻開的棋子'
keys T
wait_for '^黑方提議和局：紅方按 T 同意，按其他鍵拒絕'
keys Space
wait_for '^紅方不同意和局，繼續對局'
keys G
wait_for '^黑方要認輸嗎？再按 G 確認'
keys Left
wait_for '^繼續對局 *$'
keys Escape
wait_for '^要結束嗎？再按 Esc 結束'
keys Space
wait_for '^繼續對局 *$'
keys T T
wait_for '^雙方同意和局。按任一鍵結束'
keys Escape
finish

# --- Giving up: the side to move loses -------------------------------------
start giveup
keys Space
wait_for 'next: '
grab
mover=$(row 4 | sed 's/.*next: \([A-Z]*\).*/\1/')
other=$( [ "$mover" = RED ] && echo BLACK || echo RED )
keys G G
wait_for "^$(side_name "$mover")認輸，$(side_name "$other")勝。按任一鍵結束"
keys Left
finish

# --- Esc twice ends at once -----------------------------------------------
start leave
keys Escape Escape
finish

# --- Interrupted: Ctrl-C and SIGTERM put the terminal back -----------------
start interrupt
keys Space
wait_for 'next: '
keys C-c
finish 130

start terminate
pkill -TERM -f "^$play\$" || fail "no banqi-play to signal"
finish 143

echo "play_terminal: ok"
