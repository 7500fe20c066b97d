#!/usr/bin/env bash
# banqi-demo's keys in a real terminal: "g" then "G" refuses once and
# yields 71, the arrows move the highlight and stop at the edges, Space
# turns a cell up, S hides and shows the captured pieces, Esc ends. The
# terminal's modes (stty -g) are the same after the demo ends, after
# Ctrl-C or SIGTERM while it waits, and after a Ctrl-Z, fg and end.
set -u
export LC_ALL=C.UTF-8
demo=$1

. "$(dirname "$0")/tmux.sh"
tmux_start
pane_tty=$(t display-message -p -t e2e '#{pane_tty}')

# Waits until the demo is reading a key, that is has the terminal in its
# key-at-a-time mode: a key sent earlier would be type-ahead, which says
# nothing of how a key is read while the demo waits.
wait_reading() {
  local deadline=$((SECONDS + TMUX_PANE_WAIT))
  until stty -F "$pane_tty" -a | grep -qw -- -icanon; do
    [ $SECONDS -lt $deadline ] || fail "the demo never waited for a key"
    sleep 0.02
  done
}
press() { wait_reading; keys "$@"; }

# The demo under a shell without job control, which leaves the terminal
# as the demo left it (an interactive shell would mend it after a signal).
run_demo() {
  rm -f "$work"/{before,after,rc,pid}
  t send-keys -t e2e "clear" Enter
  type_line "bash -c 'trap : INT; stty -g >$work/before; (echo \$BASHPID >$work/pid; exec $demo); echo \$? >$work/rc; stty -g >$work/after'"
  wait_for '紅方請翻棋或走棋'
  wait_file "$work/pid"
}

modes_kept() {
  wait_file "$work/after"
  cmp -s "$work/before" "$work/after" ||
    fail "$1: terminal modes changed: $(cat "$work/before") -> $(cat "$work/after")"
}

row() { screen | sed -n "$1p"; }
count() { screen | grep -o -- "$1" | wc -l; }

# The cell (0-7) with the highlight's bright green background in board
# row $1 (0-3), or nothing.
highlighted() {
  local line cells i
  line=$(screen -e | sed -n "$((7 + 2 * $1))p")
  IFS='│' read -ra cells <<<"$line"
  for i in 1 2 3 4 5 6 7 8; do
    [[ "${cells[$i]}" =~ (\[|\;)102m ]] && echo $((i - 1))
  done
}
expect_at() {  # expect_at ROW COL: the highlight is there and nowhere else
  local r
  for r in 0 1 2 3; do
    if [ "$r" = "$1" ]; then
      [ "$(highlighted "$r")" = "$2" ] || fail "highlight not at row $1 col $2"
    else
      [ -z "$(highlighted "$r")" ] || fail "a second highlight in row $r"
    fi
  done
}

run_demo
expect_at 0 0

# A refused key writes the message once, at the cursor on the status line.
press g
wait_for 'Invalid key!'
press G
wait_for '^key: 71 *$'
[ "$(count 'Invalid key!')" = 1 ] || fail "'Invalid key!' shown $(count 'Invalid key!') times"

# The arrows, stopping at the edges; Esc-prefixed bytes of each arrow are
# one key, so nothing is refused on the way.
press Right; wait_for '^key: 77 *$'; expect_at 0 1
press Up; wait_for '^key: 72 *$'; expect_at 0 1
press Left; wait_for '^key: 75 *$'
press Left; press Up; wait_for '^key: 72 *$'; expect_at 0 0
# T moves nothing; its code on screen says the Downs before it are drawn.
for _ in 1 2 3 4; do press Down; done
press T; wait_for '^key: 84 *$'; expect_at 3 0
[ "$(count 'Invalid key!')" = 1 ] || fail "an arrow was refused"

# Space turns the cell under the highlight face up.
[[ "$(row 13)" =~ ^\ {21}４│\ ●\ │ ]] || fail "bottom-left cell not face down: $(row 13)"
press Space
wait_for '^key: 32 *$'
[[ "$(row 13)" =~ ^\ {21}４│\ ?[將帥士仕象相車硨馬傌包炮卒兵] ]] || fail "Space did not turn the cell: $(row 13)"

# Space on a face-up cell marks it with the dark yellow highlight, which
# stays when the cursor moves on; Space again takes the mark away.
marked() { screen -e | sed -n 13p | grep -c $'\e\\[[0-9;]*43m'; }
press Space; press Up; wait_for '^key: 72 *$'
[ "$(marked)" = 1 ] || fail "the face-up cell was not marked"
press Down; press Space; press Up; wait_for '^key: 72 *$'
[ "$(marked)" = 0 ] || fail "the mark stayed after a second Space"
press Down; wait_for '^key: 80 *$'

# S hides the captured pieces, and shows them again.
press S
wait_for '^key: 83 *$'
[ -z "$(row 16 | tr -d ' ')" ] || fail "captured pieces not hidden: $(row 16)"
press S
wait_for 'Dead: 象包卒相兵'

press Escape
wait_file "$work/rc"
[ "$(cat "$work/rc")" = 0 ] || fail "exit status $(cat "$work/rc")"
modes_kept "Esc"
screen | grep -q '[暗棋●]' && fail "the play screen was left behind"

# Interrupted while it waits for a key.
run_demo
press C-c
modes_kept "Ctrl-C"
[ "$(cat "$work/rc")" = 130 ] || fail "Ctrl-C: exit status $(cat "$work/rc")"

run_demo
wait_reading
kill -TERM "$(cat "$work/pid")"
modes_kept "SIGTERM"
[ "$(cat "$work/rc")" = 143 ] || fail "SIGTERM: exit status $(cat "$work/rc")"

# Ctrl-Z needs a shell with job control: the interactive one of the pane.
t send-keys -t e2e "clear" Enter
rm -f "$work"/{before,after,rc,pid}
type_line "stty -g >$work/before"
wait_file "$work/before"
type_line "$demo; stty -g >$work/after"
wait_for '紅方請翻棋或走棋'
press C-z
wait_for 'Stopped'
type_line "fg"
press Right  # the shell's lines have scrolled the screen: the code is all to see
wait_for '^key: 77'
press Escape
modes_kept "Ctrl-Z and fg"

echo "demo_keys: ok"
