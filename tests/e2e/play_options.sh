#!/usr/bin/env bash
# banqi-play's command line as a shell sees it: --help and --version print
# and exit 0; a mistake gets one line on standard error and exit status 2.
# None of them draws anything: standard output holds only what is asked.
set -u
play=$1
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

# run ARGS...: the program with its input closed, outputs kept apart.
run() { "$play" "$@" </dev/null >"$work/out" 2>"$work/err"; echo $? >"$work/rc"; }
fail() { echo "FAIL: $*" >&2; failed=1; }

run --help
[ "$(cat "$work/rc")" = 0 ] || fail "--help: exit status $(cat "$work/rc")"
[ -s "$work/err" ] && fail "--help wrote to standard error: $(cat "$work/err")"
head -1 "$work/out" | grep -q '^Usage: banqi-play ' || fail "--help: $(head -1 "$work/out")"
for option in --computer --level --help --version; do
  grep -q -- "$option" "$work/out" || fail "--help does not describe $option"
done

run --version
[ "$(cat "$work/rc")" = 0 ] || fail "--version: exit status $(cat "$work/rc")"
[ "$(cat "$work/out")" = "banqi-play $version" ] || fail "--version: $(cat "$work/out")"

# Each mistake: its arguments, then the words its message must hold.
while IFS='|' read -r args words; do
  # shellcheck disable=SC2086  # the arguments are words
  run $args
  rc=$(cat "$work/rc")
  [ "$rc" = 2 ] || fail "$args: exit status $rc"
  [ -s "$work/out" ] && fail "$args: wrote to standard output: $(od -c "$work/out" | head -3)"
  [ "$(wc -l <"$work/err")" = 1 ] || fail "$args: not one line on standard error: $(cat "$work/err")"
  grep -qF -- "banqi-play: $words" "$work/err" || fail "$args: message: $(cat "$work/err")"
done <<'CASES'
--level 0|the level must be a number from 1 to 5, not '0'
--level six|the level must be a number from 1 to 5, not 'six'
-c --level|the level needs a number from 1 to 5
--colour|cannot understand '--colour'
-z|unknown option '-z'
--computer=last|--computer takes only =first
now|unexpected argument 'now'
CASES

[ $failed = 0 ] && echo "play_options: ok"
exit $failed
