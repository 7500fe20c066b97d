#!/usr/bin/env bash
# banqi-engine through a pipe: each answer must arrive before the next
# command is sent, which only holds when every line is flushed at once.
set -euo pipefail
engine=$1

coproc ENGINE { "$engine"; }
exec {to}>&"${ENGINE[1]}" {from}<&"${ENGINE[0]}"

fail() { echo "FAIL: $*" >&2; kill "$ENGINE_PID" 2>/dev/null || true; exit 1; }
send() { printf '%s\n' "$1" >&"$to"; }
expect() {
    local line
    IFS= read -r -t 20 line <&"$from" || fail "no answer, expected: $1"
    [[ $line =~ ^$1$ ]] || fail "got '$line', expected: $1"
}

send banqi
expect 'id name banqi-engine .+'
expect 'option name Level type spin default 3 min 1 max 5'
expect banqiok
send isready
expect readyok
send 'setoption name Level value 1'
send 'position XXXXXXXX/XXXKXXXX/XXXXXXXX/XXXXXXXX b 0 -'
send 'go depth 1'
expect 'info depth 1 score -?[0-9]+ nodes [0-9]+ nps [0-9]+ time [0-9]+ pv .*'
expect 'bestmove [a-h][1-4]([a-h][1-4])?'
send 'position 8/8/8/8 r 0 -'
expect 'error .+'
send quit
exec {to}>&-
pid=$ENGINE_PID
wait "$pid" || fail "exit status $?"
echo ok
