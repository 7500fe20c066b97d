# Helpers for end-to-end tests that drive a program in a real terminal:
# a private tmux server, one 80 x 25 pane, a UTF-8 locale.
# Source it, then call tmux_start. $work is a scratch folder; it and the
# server go away when the test exits.

TMUX_PANE_WAIT=${TMUX_PANE_WAIT:-20}   # seconds before a wait gives up

work=$(mktemp -d)
# The server's socket lives in $work, so it goes with it.
t() { tmux -S "$work/tmux" -f /dev/null "$@"; }

tmux_stop() { t kill-server 2>/dev/null || true; }
trap 'tmux_stop; rm -rf "$work"' EXIT

# tmux_start [env NAME=VALUE...]: a pane running a plain bash, whose
# terminal modes (stty -g) are recorded in $work/before.
tmux_start() {
  t new-session -d -x 80 -y 25 -s e2e \
    env -i PATH="$PATH" HOME="${HOME:-/root}" TERM=xterm-256color LC_ALL=C.UTF-8 "$@" \
    bash --norc --noprofile
  t set-option -g status off
  t set-option -g history-limit 0
  type_line "PS1='$ '; stty -g >$work/before"
  wait_file "$work/before"
}

screen() { t capture-pane -p -t e2e "$@"; }

# Types a line into the pane's shell.
type_line() { t send-keys -t e2e -l "$1"; t send-keys -t e2e Enter; }

keys() { t send-keys -t e2e "$@"; }

fail() { echo "FAIL: $*" >&2; echo "--- screen ---" >&2; screen >&2; exit 1; }

# wait_for PATTERN: polls the screen until an extended regex matches.
wait_for() {
  local deadline=$((SECONDS + TMUX_PANE_WAIT))
  until screen | grep -Eq -- "$1"; do
    [ $SECONDS -lt $deadline ] || fail "timed out waiting for: $1"
    sleep 0.05
  done
}

# wait_file PATH: polls until a file exists and is not empty.
wait_file() {
  local deadline=$((SECONDS + TMUX_PANE_WAIT))
  until [ -s "$1" ]; do
    [ $SECONDS -lt $deadline ] || fail "timed out waiting for file $1"
    sleep 0.05
  done
}
