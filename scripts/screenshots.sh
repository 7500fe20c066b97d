#!/usr/bin/env bash
# Pictures for the README: runs banqi-demo (the play screen) and banqi (the
# dealt table) in an 80 x 25 tmux pane with a UTF-8 locale, captures each
# screen with its colours, and renders it as a PNG with Debian's fonts
# (Noto Sans Mono CJK for Chinese, DejaVu Sans Mono for the rest).
#   scripts/screenshots.sh [OUTPUT_DIR]     (default: docs)
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/docs}
build=${BUILD:-$root/build-screenshots}

"$root/scripts/need-packages.sh" cmake make g++ pkg-config libncurses-dev \
  tmux fontconfig fonts-noto-cjk fonts-dejavu-core python3-pil

cmake -S "$root" -B "$build" -DBANQI_TESTS=OFF >/dev/null
cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)" --target banqi banqi-demo >/dev/null

font() { fc-match -f '%{file}:%{index}' "$1"; }
narrow="$(font 'DejaVu Sans Mono'),$(font 'DejaVu Sans Mono:bold')"
wide="$(font 'Noto Sans Mono CJK TC'),$(font 'Noto Sans Mono CJK TC:bold')"

socket="banqi-shots-$$"
work=$(mktemp -d)
t() { tmux -L "$socket" -f /dev/null "$@"; }
trap 't kill-server 2>/dev/null || true; rm -rf "$work"' EXIT

# shoot NAME PROGRAM TEXT KEY: runs PROGRAM alone in a fresh pane, waits
# until TEXT shows, captures the screen as NAME.png, then sends KEY.
shoot() {
  local name=$1 program=$2 text=$3 key=$4
  t new-session -d -s "$name" -x 80 -y 25 \
    env -i PATH="$PATH" TERM=tmux-256color LC_ALL=C.UTF-8 "$program"
  t set-option -t "$name" status off >/dev/null
  t set-option -t "$name" remain-on-exit on >/dev/null
  local deadline=$((SECONDS + 30))
  until t capture-pane -p -t "$name" | grep -q -- "$text"; do
    if [ $SECONDS -ge $deadline ]; then
      echo "screenshots: $name never showed \"$text\"" >&2
      t capture-pane -p -t "$name" >&2
      exit 1
    fi
    sleep 0.1
  done
  t capture-pane -e -p -t "$name" >"$work/$name.ans"
  t send-keys -t "$name" "$key"
  /usr/bin/python3 "$root/scripts/ansi_to_png.py" "$work/$name.ans" "$out/$name.png" "$narrow" "$wide"
  echo "$out/$name.png"
}

mkdir -p "$out"
shoot play-screen "$build/banqi-demo" '紅方請翻棋或走棋' Escape
shoot dealt-table "$build/banqi" 'Press any key' Space
