#!/usr/bin/env bash
# A picture of banqi-play in progress for the README: plays a few moves
# of a fixed deal (BANQI_SEED=1) in an 80 x 25 tmux pane with a UTF-8
# locale — flips, a soldier taking a soldier, a cannon jumping onto an
# advisor — then selects a chariot and moves the cursor beside it, and
# renders the screen with its colours through scripts/ansi_to_png.py.
#   scripts/play-screenshot.sh [OUTPUT_DIR]     (default: docs)
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/docs}
build=${BUILD:-$root/build-screenshots}

"$root/scripts/need-packages.sh" cmake make g++ pkg-config libncurses-dev \
  tmux fontconfig fonts-noto-cjk fonts-dejavu-core python3-pil

cmake -S "$root" -B "$build" -DBANQI_TESTS=OFF >/dev/null
cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)" --target banqi-play >/dev/null

font() { fc-match -f '%{file}:%{index}' "$1"; }
narrow="$(font 'DejaVu Sans Mono'),$(font 'DejaVu Sans Mono:bold')"
wide="$(font 'Noto Sans Mono CJK TC'),$(font 'Noto Sans Mono CJK TC:bold')"

socket="banqi-play-shot-$$"
work=$(mktemp -d)
t() { tmux -L "$socket" -f /dev/null "$@"; }
trap 't kill-server 2>/dev/null || true; rm -rf "$work"' EXIT

# wait_for TEXT: polls the pane until an extended regex matches.
wait_for() {
  local deadline=$((SECONDS + 30))
  until t capture-pane -p -t play | grep -Eq -- "$1"; do
    if [ $SECONDS -ge $deadline ]; then
      echo "play-screenshot: the screen never showed \"$1\"" >&2
      t capture-pane -p -t play >&2
      exit 1
    fi
    sleep 0.1
  done
}

t new-session -d -s play -x 80 -y 25 \
  env -i PATH="$PATH" TERM=tmux-256color LC_ALL=C.UTF-8 BANQI_SEED=1 "$build/banqi-play"
t set-option -t play status off >/dev/null
wait_for '^先手請翻開'

# move KEYS... EXPECTED: sends one move's keys, waits for its effect.
move() {
  local expected=${*: -1}
  t send-keys -t play "${@:1:$#-1}"
  wait_for "$expected"
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
t send-keys -t play Right                                  # the cursor on 卒 beside it
wait_for 'Dead: 卒仕'
# The cursor's move shows only in colour: wait for 卒 on the cursor's
# bright green background.
deadline=$((SECONDS + 30))
until t capture-pane -e -p -t play | sed -n 9p | grep -qF $'\e[102m卒'; do
  [ $SECONDS -lt $deadline ] || { echo "play-screenshot: no cursor on d2" >&2; exit 1; }
  sleep 0.1
done

mkdir -p "$out"
t capture-pane -e -p -t play >"$work/play.ans"
t send-keys -t play Escape Escape
/usr/bin/python3 "$root/scripts/ansi_to_png.py" "$work/play.ans" "$out/play-game.png" "$narrow" "$wide"
echo "$out/play-game.png"
