# Helpers for running Windows programs under Wine: the environment, the
# prefix, and a console for them, which is Wine's console on a private tmux
# server's pane. Source it with WINEPREFIX set. $work is a scratch folder;
# it and the server go away when the script exits.

: "${WINEPREFIX:?set WINEPREFIX to the Wine prefix to use}"
export WINEPREFIX
export WINEDEBUG=-all
# A console program needs neither .NET nor the HTML engine: not asking for
# them spares the first boot its offers to install them.
export WINEDLLOVERRIDES="mscoree,mshtml="
# A zh_TW locale puts Wine's console on code page 950, Big5.
export LC_ALL=zh_TW.UTF-8
unset DISPLAY WAYLAND_DISPLAY

WINE_WAIT=${WINE_WAIT:-120}   # seconds before a wait gives up

work=$(mktemp -d)

fail() { echo "FAIL: $*" >&2; if [ -S "$work/tmux" ]; then echo "--- screen ---" >&2; screen 2>/dev/null >&2; fi; exit 1; }

# Makes the prefix once; the first boot of a new prefix takes some ten
# seconds. Tests that run at the same time wait for the one that makes it.
wine_prefix() {
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [ ! -e "$WINEPREFIX/.made" ]; then
      wineboot -i >/dev/null 2>&1 || exit 1
      # Until the server ends, the registry may not all be on disk.
      wineserver -w
      touch "$WINEPREFIX/.made"
    fi
  ) 9>"$WINEPREFIX.lock" || fail "could not make the Wine prefix $WINEPREFIX"
}

# The server's socket lives in $work, so it goes with it.
t() { tmux -S "$work/tmux" -f /dev/null "$@"; }
pane_stop() { t kill-server 2>/dev/null || true; }
trap 'pane_stop; rm -rf "$work"' EXIT

# pane_start DIR: a pane of 80 x 25 running a plain bash in DIR, with the
# Wine environment.
pane_start() {
  t new-session -d -x 80 -y 25 -s wine -c "$1" \
    env -i PATH="$PATH" HOME="${HOME:-/root}" TERM=xterm-256color LC_ALL="$LC_ALL" \
      WINEPREFIX="$WINEPREFIX" WINEDEBUG="$WINEDEBUG" WINEDLLOVERRIDES="$WINEDLLOVERRIDES" \
      bash --norc --noprofile
  t set-option -g status off
}

screen() { t capture-pane -p -t wine "$@"; }
type_line() { t send-keys -t wine -l "$1"; t send-keys -t wine Enter; }
keys() { t send-keys -t wine "$@"; }

# until_true WHAT COMMAND...: polls until the command succeeds.
until_true() {
  local what=$1; shift
  local deadline=$((SECONDS + WINE_WAIT))
  until "$@"; do
    [ $SECONDS -lt $deadline ] || fail "timed out waiting for $what"
    sleep 0.05
  done
}

# wait_file PATH: polls until a file exists and is not empty.
wait_file() { until_true "file $1" test -s "$1"; }
