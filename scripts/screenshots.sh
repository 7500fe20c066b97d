#!/usr/bin/env bash
# Pictures for the README: runs banqi-demo (the play screen, with a few
# cells turned up through its keys), banqi (the dealt table) and
# banqi-play (a game in progress on a fixed deal, and one against the
# computer) in an 80 x 25 tmux pane with a UTF-8 locale, captures each
# screen with its colours, and renders it as a PNG with Debian's fonts
# (Noto Sans Mono CJK for Chinese, DejaVu Sans Mono for the rest). The
# first two deals are random, and so are the computer's answers.
#   scripts/screenshots.sh [OUTPUT_DIR]     (default: docs)
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/docs}
build=${BUILD:-$root/build-screenshots}

"$root/scripts/need-packages.sh" cmake make g++ pkg-config libncurses-dev \
  tmux fontconfig fonts-noto-cjk fonts-dejavu-core python3-pil

cmake -S "$root" -B "$build" -DBANQI_TESTS=OFF >/dev/null
cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)" --target banqi banqi-demo banqi-play >/dev/null

font() { fc-match -f '%{file}:%{index}' "$1"; }
narrow="$(font 'DejaVu Sans Mono'),$(font 'DejaVu Sans Mono:bold')"
wide="$(font 'Noto Sans Mono CJK TC'),$(font 'Noto Sans Mono CJK TC:bold')"

socket="banqi-shots-$$"
work=$(mktemp -d)
t() { tmux -L "$socket" -f /dev/null "$@"; }
trap 't kill-server 2>/dev/null || true; rm -rf "$work"' EXIT

# wait_screen NAME PATTERN: polls the pane until an extended regex matches.
wait_screen() {
  local deadline=$((SECONDS + 30))
  until t capture-pane -p -t "$1" | grep -Eq -- "$2"; do
    if [ $SECONDS -ge $deadline ]; then
      echo "screenshots: $1 never showed \"$2\"" >&2
      t capture-pane -p -t "$1" >&2
      exit 1
    fi
    sleep 0.1
  done
}

# press NAME KEY CODE: sends KEY to banqi-demo once it is reading (the
# terminal in key-at-a-time mode; a key typed while it draws is echoed),
# then waits for the demo to show the key's code on row 21.
press() {
  local tty deadline=$((SECONDS + 30))
  tty=$(t display-message -p -t "$1" '#{pane_tty}')
  until stty -F "$tty" -a | grep -qw -- -icanon; do
    [ $SECONDS -lt $deadline ] || { echo "screenshots: $1 never read a key" >&2; exit 1; }
    sleep 0.02
  done
  t send-keys -t "$1" "$2"
  wait_screen "$1" "^key: $3 *\$"
}

# A few cells face up, the last marked with the second highlight and the
# cursor's moved on beside it.
turn_cells_up() {
  local name=$1 step
  for step in Space:32 Right:77 Right:77 Space:32 Down:80 Space:32 Right:77 Right:77 \
              Right:77 Space:32 Down:80 Down:80 Space:32 Left:75 Left:75 Left:75 Left:75 \
              Space:32 Up:72 Left:75 Space:32 Right:77 Right:77 Right:77 Right:77 Right:77 \
              Right:77 Space:32 Down:80 Space:32 Space:32 Left:75; do
    press "$name" "${step%:*}" "${step#*:}"
  done
}

# A few moves of the deal of seed 1: flips, a soldier taking a soldier, a
# cannon jumping onto an advisor; then a chariot selected and the cursor
# moved on to the soldier beside it.
play_moves() {
  local name=$1 deadline
  move() {
    local expected=${*: -1}
    t send-keys -t "$name" "${@:1:$#-1}"
    wait_screen "$name" "$expected"
  }
  move Down Right Space 'next: BLACK'                        # red flips 兵 at b2
  move Left Space 'next: RED'                                # black flips 卒 at a2
  move Right Space Left Space 'next: BLACK'                  # 兵 takes 卒
  move Down Right Right Right Right Right Right Right Space 'next: RED'  # black flips 包 at h3
  move Up Up Space 'next: BLACK'                             # red flips 仕 at h1
  move Down Down Space Up Up Space 'next: RED'               # 包 jumps h2, takes 仕
  move Down Left Left Left Left Left Space 'next: BLACK'     # red flips 硨 at c2
  move Right Space 'next: RED'                               # black flips 卒 at d2
  move Left Space '^已選取'                                  # red selects 硨
  move Right 'Dead: 卒仕'                                    # the cursor on 卒 beside it
  # The cursor's move shows only in colour: wait for 卒 on the cursor's
  # bright green background.
  deadline=$((SECONDS + 30))
  until t capture-pane -e -p -t "$name" | sed -n 9p | grep -qF $'\e[102m卒'; do
    [ $SECONDS -lt $deadline ] || { echo "screenshots: no cursor on d2" >&2; exit 1; }
    sleep 0.1
  done
}

# A few flips against the computer, each of the first face-down cell in
# reading order, each answered by its move, which the status line tells.
# Keys go only once its move shows: it drops those pressed while it thinks.
against_computer() {
  local name=$1 last='' now keys cell row=0 col=0 r c deadline
  for _ in 1 2 3 4 5 6; do
    cell=$(t capture-pane -p -t "$name" | sed -n '7p;9p;11p;13p' |
           awk -F'│' '{ for (c = 2; c <= 9; c++) if ($c ~ /●/) { print NR - 1, c - 2; exit } }' | head -1)
    read -r r c <<<"$cell"
    keys=()
    for ((; row < r; row++)); do keys+=(Down); done
    for ((; row > r; row--)); do keys+=(Up); done
    for ((; col < c; col++)); do keys+=(Right); done
    for ((; col > c; col--)); do keys+=(Left); done
    t send-keys -t "$name" "${keys[@]}" Space
    deadline=$((SECONDS + 30))
    until now=$(t capture-pane -p -t "$name" | sed -n 23p)
          [ "$now" != "$last" ] && [[ "$now" =~ ^(電腦翻開|電腦的) ]]; do
      [ $SECONDS -lt $deadline ] || { echo "screenshots: the computer never answered" >&2; exit 1; }
      sleep 0.1
    done
    last=$now
  done
}

# shoot NAME TEXT KEY PREPARE [NAME=VALUE...] PROGRAM: runs PROGRAM alone
# in a fresh pane, waits until TEXT shows, runs PREPARE NAME unless it is
# "-", captures the screen as NAME.png, then sends KEY to end the program
# (one that asks to confirm goes with the server at the end).
shoot() {
  local name=$1 text=$2 key=$3 prepare=$4
  shift 4
  t new-session -d -s "$name" -x 80 -y 25 \
    env -i PATH="$PATH" TERM=tmux-256color LC_ALL=C.UTF-8 "$@"
  t set-option -t "$name" status off >/dev/null
  t set-option -t "$name" remain-on-exit on >/dev/null
  wait_screen "$name" "$text"
  [ "$prepare" = - ] || "$prepare" "$name"
  t capture-pane -e -p -t "$name" >"$work/$name.ans"
  t send-keys -t "$name" "$key"
  /usr/bin/python3 "$root/scripts/ansi_to_png.py" "$work/$name.ans" "$out/$name.png" "$narrow" "$wide"
  echo "$out/$name.png"
}

mkdir -p "$out"
shoot play-screen '紅方請翻棋或走棋' Escape turn_cells_up "$build/banqi-demo"
shoot dealt-table 'Press any key' Space - "$build/banqi"
shoot play-game '^先手請翻開' Escape play_moves BANQI_SEED=1 "$build/banqi-play"
shoot play-computer '^先手請翻開' Escape against_computer BANQI_SEED=1 "$build/banqi-play" --computer --level 1
