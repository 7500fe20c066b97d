#!/usr/bin/env bash
# The manual pages, as the build made them from man/*.6.in: one for each
# installed program, each rendering without a warning from groff or mandoc,
# with a NAME line that man's index (lexgrog) reads.
set -u
dir=$1; shift
export LC_ALL=C.UTF-8
fail() { echo "FAIL: $*" >&2; exit 1; }

for program in "$@"; do
  page=$dir/$program.6
  [ -f "$page" ] || fail "$program has no manual page (man/$program.6.in)"
  grep -q '@[A-Z_]*@' "$page" && fail "$program.6: a variable left unfilled: $(grep -o '@[A-Z_]*@' "$page" | head -1)"

  out=$(groff -man -t -ww -z -Tutf8 "$page" 2>&1)
  [ -z "$out" ] || fail "groff on $program.6: $out"
  out=$(mandoc -T lint -W warning "$page" 2>&1) || fail "mandoc on $program.6: $out"
  [ -z "$out" ] || fail "mandoc on $program.6: $out"

  name=$(lexgrog "$page") || fail "lexgrog cannot read $program.6's NAME: $name"
  [[ "$name" == *": \"$program - "* ]] || fail "$program.6's NAME line: $name"
  [ -s "$page.gz" ] && zcat "$page.gz" | cmp -s - "$page" || fail "$program.6.gz does not hold $program.6"
done
echo "man_pages: ok"
