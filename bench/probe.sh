#!/usr/bin/env bash
# What the ambiguous-width probe adds to banqi's whole-process time on a
# terminal: banqi runs in a tmux pane, alternately with TERM=xterm-256color
# (it asks the terminal) and TERM=dumb (banqi needs no cursor control, so
# only the probe is left out), 300 runs each (RUNS= to change); prints
# both medians and their difference.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
runs=${RUNS:-300}
work=$(mktemp -d)
t() { tmux -S "$work/tmux" -f /dev/null "$@"; }
trap 't kill-server 2>/dev/null || true; rm -rf "$work"' EXIT

cmake -S "$top" -B "$top/build-bench" -DCMAKE_BUILD_TYPE=Release -DBANQI_TESTS=OFF >/dev/null
cmake --build "$top/build-bench" --target banqi -j "$(nproc)" >/dev/null
cc -O2 -o "$work/tty_timer" "$top/bench/tty_timer.c"

t new-session -d -x 80 -y 25 -s bench env -i PATH="$PATH" TERM=xterm-256color \
  "$work/tty_timer" "$runs" "$top/build-bench/banqi" "$work/result"
until [ -e "$work/result" ] && ! t has-session -t bench 2>/dev/null; do sleep 0.2; done
cat "$work/result"
