#!/usr/bin/env bash
# banqi and banqi-play in a real xterm (under Xvfb), once with East Asian
# ambiguous characters one column wide and once two (-cjk_width): the
# dealt table's frame lines up and is 34 columns wide, and the play
# screen's title, column letters, row labels, frame corners, cells and
# instruction lines are at the columns of its layout. What xterm shows is
# read back from its SVG screen dump (CSI 11 i), which places every cell.
set -u
export LC_ALL=C.UTF-8
banqi=$(realpath "$1")
play=$(realpath "$2")
WAIT=${XTERM_WAIT:-30}  # seconds before a wait gives up

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; [ -n "${cells:-}" ] && [ -f "$cells" ] && show_rows >&2; exit 1; }

# A display of our own: Xvfb picks a free number and writes it on fd 3.
# Without -noreset it would reset when the last xterm goes, and refuse
# the next one meanwhile.
exec 3>"$work/display"
Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
exec 3>&-
deadline=$((SECONDS + WAIT))
until [ -s "$work/display" ]; do
  [ $SECONDS -lt $deadline ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
  sleep 0.05
done
export DISPLAY=:$(head -1 "$work/display")

# svg_cells SVG: one line "row col character" for every cell that shows
# one, counted from 0 (the right half of a wide character shows none).
svg_cells() {
  awk '
    /viewBox=/ { match($0, /viewBox=.0 0 [0-9]+ [0-9]+/); split(substr($0, RSTART + 9, RLENGTH - 9), v, " ")
                 cw = (v[3] - 4) / 80; ch = (v[4] - 4) / 25 }
    /<text / {
      match($0, /x=.[0-9]+/); x = substr($0, RSTART + 3, RLENGTH - 3)
      match($0, /y=.[0-9]+/); y = substr($0, RSTART + 3, RLENGTH - 3)
      t = $0; sub(/.*<text [^>]*>/, "", t); sub(/<\/text>.*/, "", t)
      if (t != "" && t != " ") print int((y - 2) / ch), int((x - 2) / cw + 0.5), t
    }' "$1"
}

# start NAME OPTION COMMAND: runs COMMAND in an 80 x 25 xterm with the
# ambiguous-width OPTION (+cjk_width or -cjk_width), in $work/NAME.
start() {
  dir=$work/$1
  mkdir -p "$dir"
  printf '%s\n' "tty >$dir/tty" "$3" "sleep 60" >"$dir/run.sh"
  (cd "$dir" && exec xterm "$2" -geometry 80x25 -T "banqi-test-$1" \
     -xrm 'XTerm*allowSendEvents: true' -e bash "$dir/run.sh") &
  pids+=($!)
  local deadline=$((SECONDS + WAIT))
  until [ -s "$dir/tty" ]; do
    [ $SECONDS -lt $deadline ] || fail "$1: xterm did not start"
    kill -0 "${pids[-1]}" 2>/dev/null || fail "$1: xterm ended at its start"
    sleep 0.05
  done
}

# dump_until PATTERN [SECONDS]: asks xterm for screen dumps until one
# shows PATTERN (an extended regex over the cells' characters); its cells
# go to $cells. Fails after SECONDS (default $WAIT), or returns 1 with a
# third argument "try".
dump_until() {
  local deadline=$((SECONDS + ${2:-$WAIT})) svg
  cells=$dir/cells
  while :; do
    rm -f "$dir"/xterm.*.svg
    printf '\033[11i' >"$(cat "$dir/tty")"
    local until=$((SECONDS + 5))
    while :; do
      svg=$(ls "$dir"/xterm.*.svg 2>/dev/null | head -1)
      [ -n "$svg" ] && grep -q '</svg>' "$svg" && break
      [ $SECONDS -lt $until ] || break
      sleep 0.05
    done
    if [ -n "$svg" ] && [ -f "$svg" ]; then
      svg_cells "$svg" >"$cells"
      awk '{ print $3 }' "$cells" | tr -d '\n' | grep -Eq -- "$1" && return 0
    fi
    if [ $SECONDS -ge $deadline ]; then
      [ "${3:-}" = try ] && return 1
      fail "$dir: timed out waiting for: $1"
    fi
    sleep 0.2
  done
}

# The character xterm shows at ROW COL, "" for none.
at() { awk -v r="$1" -v c="$2" '$1 == r && $2 == c { print $3 }' "$cells"; }
expect() { [ "$(at "$1" "$2")" = "$3" ] || fail "$dir: row $1 column $2 shows '$(at "$1" "$2")', expected '$3'"; }
show_rows() { awk '{ printf "%d:%d %s\n", $1, $2, $3 }' "$cells" | head -400; }

# press KEY: a key to the xterm of the current run (by its title).
press() {
  local wid
  wid=$(xdotool search --name "^banqi-test-${dir##*/}\$" | head -1)
  [ -n "$wid" ] || fail "$dir: no xterm window to send keys to"
  xdotool key --window "$wid" "$1" 2>/dev/null
}

for option in +cjk_width -cjk_width; do
  width=$([ "$option" = +cjk_width ] && echo narrow || echo wide)
  # The dealt table: from row 0, 34 columns, every frame glyph at a
  # column that is a multiple of 4, nothing past column 33.
  start "table-$width" "$option" "clear; $banqi"
  dump_until 'Press'
  for r in 0 2 4 6 8; do
    case $r in 0) l='┌' m='┬' e='┐';; 8) l='└' m='┴' e='┘';; *) l='├' m='┼' e='┤';; esac
    expect $r 0 "$l"
    for c in 4 8 12 16 20 24 28; do expect $r $c "$m"; done
    expect $r 32 "$e"
  done
  for r in 1 3 5 7; do
    for c in 0 4 8 12 16 20 24 28 32; do expect $r $c '│'; done
    for c in 2 6 10 14 18 22 26 30; do
      [[ "$(at $r $c)" =~ ^[將帥士仕象相車硨馬傌包炮卒兵]$ ]] || fail "$dir: no piece at row $r column $c"
    done
  done
  awk '$1 <= 8 && $2 > 33 { exit 1 }' "$cells" || fail "$dir: the table is wider than 34 columns"
  if [ "$option" = +cjk_width ]; then
    expect 0 1 '─'  # one column wide: the fill continues the rule
  else
    [ -z "$(at 0 1)" ] || fail "$dir: a fill after a wide glyph"
  fi
  kill "${pids[-1]}" 2>/dev/null

  # The play screen, and a flip.
  start "play-$width" "$option" "clear; BANQI_SEED=1 $play"
  dump_until 'Dead:'
  expect 1 31 '暗'; expect 1 47 '棋'
  for i in 0 1 2 3 4 5 6 7; do
    letters=ａｂｃｄｅｆｇｈ
    expect 4 $((25 + 4 * i)) "${letters:i:1}"
  done
  expect 5 23 '┌'; expect 5 55 '┐'; expect 13 23 '└'; expect 13 55 '┘'
  for i in 0 1 2 3; do
    labels=１２３４
    expect $((6 + 2 * i)) 21 "${labels:i:1}"
    for c in 23 27 31 35 39 43 47 51 55; do expect $((6 + 2 * i)) $c '│'; done
    for c in 25 29 33 37 41 45 49 53; do expect $((6 + 2 * i)) $c '●'; done
  done
  expect 17 14 '請'; expect 17 58 'G'
  expect 18 18 '按'; expect 18 21 'T'; expect 18 58 'E'
  # A key event can go astray on a busy X server: pressed again only if
  # nothing came of it for a while (a second Space is refused on 將).
  for try in 1 2 3; do
    press space
    dump_until '將' $((WAIT / 3)) try && break
  done
  [ "$(at 6 25)" = '將' ] || fail "$dir: Space did not flip a1"
  expect 6 25 '將'; expect 6 29 '●'; expect 6 27 '│'
  expect 3 23 'R'  # next: RED
  kill "${pids[-1]}" 2>/dev/null
  echo "xterm $option (ambiguous $width): ok"
done
echo "xterm_widths: ok"
