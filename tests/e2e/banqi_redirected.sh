#!/usr/bin/env bash
# banqi with no terminal: the nine table lines in Big5, nothing else, exit 0,
# whatever becomes of standard output.
set -u
export LC_ALL=C.UTF-8
banqi=$1
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

timeout 10 "$banqi" </dev/null >"$work/out" 2>"$work/err"; rc=$?
[ $rc -eq 0 ] || fail "exit status $rc"
[ "$(stat -c %s "$work/out")" -eq 315 ] || fail "expected 315 bytes, got $(stat -c %s "$work/out")"
[ ! -s "$work/err" ] || fail "wrote to stderr: $(cat "$work/err")"
[ "$(wc -l <"$work/out")" -eq 9 ] || fail "expected nine lines"

iconv -f CP950 -t UTF-8 "$work/out" >"$work/utf8" || fail "not valid Big5"
mapfile -t lines <"$work/utf8"
[ "${lines[0]}" = "┌─┬─┬─┬─┬─┬─┬─┬─┐" ] || fail "top border: ${lines[0]}"
for i in 2 4 6; do [ "${lines[$i]}" = "├─┼─┼─┼─┼─┼─┼─┼─┤" ] || fail "separator $i: ${lines[$i]}"; done
[ "${lines[8]}" = "└─┴─┴─┴─┴─┴─┴─┴─┘" ] || fail "bottom border: ${lines[8]}"
for i in 1 3 5 7; do
  [[ "${lines[$i]}" =~ ^(│[^│])+│$ ]] && [ ${#lines[$i]} -eq 17 ] || fail "row $i: ${lines[$i]}"
done

# Every piece exactly once: so many of each glyph.
cells=$(printf '%s' "${lines[1]}${lines[3]}${lines[5]}${lines[7]}" | sed 's/│//g' | grep -o . | sort | uniq -c | awk '{print $2 $1}' | sort | tr '\n' ' ')
want=$(printf '%s\n' 將1 帥1 士2 仕2 象2 相2 車2 硨2 馬2 傌2 包2 炮2 卒5 兵5 | sort | tr '\n' ' ')
[ "$cells" = "$want" ] || fail "pieces: $cells, expected $want"

# Arguments are ignored.
timeout 10 "$banqi" --help extra </dev/null >"$work/args"; rc=$?
[ $rc -eq 0 ] && [ "$(stat -c %s "$work/args")" -eq 315 ] || fail "with arguments: exit $rc"

# Nowhere to write, or a reader that leaves: still exit 0, no hang.
timeout 10 "$banqi" </dev/null >&-; rc=$?
[ $rc -eq 0 ] || fail "stdout closed: exit $rc"
timeout 10 "$banqi" </dev/null >/dev/full; rc=$?
[ $rc -eq 0 ] || fail "stdout /dev/full: exit $rc"
timeout 10 "$banqi" </dev/null | head -c 1 >/dev/null; rc=${PIPESTATUS[0]}
[ $rc -eq 0 ] || fail "pipe closed early: exit $rc"
# A reader that has already gone when banqi writes.
timeout 10 bash -c "exec 3>&1; \"$banqi\" </dev/null | { exec 0<&-; true; }; echo \${PIPESTATUS[0]} >&3" >"$work/pipe"
[ "$(cat "$work/pipe")" = 0 ] || fail "pipe closed before writing: exit $(cat "$work/pipe")"

echo "banqi_redirected: ok"
