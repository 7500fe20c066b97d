#!/usr/bin/env bash
# Runs one cross-built gtest binary under Wine in a console (a tmux pane)
# and reports its result from the binary's XML report.
#
# A test that needs keys pressed asks for them (pressKeys in probe.h): it
# writes the tmux names of the keys to the file keys-N in the folder that
# BANQI_KEYS names, N counting from 1, and this script types them.
set -u
exe=$1
. "$(dirname "$0")/wine.sh"
wine_prefix

pane_start "$work"
type_line "BANQI_KEYS='Z:$work' wine '$exe' --gtest_color=no --gtest_output=xml:report.xml; echo \$? >rc"

next=1
deadline=$((SECONDS + WINE_WAIT))
until [ -s "$work/rc" ]; do
  if [ -e "$work/keys-$next" ]; then
    # shellcheck disable=SC2046  # one word per key
    keys $(cat "$work/keys-$next")
    next=$((next + 1))
    continue
  fi
  [ $SECONDS -lt $deadline ] || fail "$(basename "$exe") did not end within ${WINE_WAIT}s"
  sleep 0.05
done

rc=$(cat "$work/rc")
[ -s "$work/report.xml" ] || fail "$(basename "$exe") exited $rc and wrote no report"
summary=$(grep -m1 -o '<testsuites [^>]*' "$work/report.xml" | grep -o ' \(tests\|failures\|disabled\|errors\)="[0-9]*"' | tr -d '\n')
echo "$(basename "$exe") under Wine:$summary, exit $rc"
# Cases failed and skipped, each with its message.
awk '
  function attr(key,   v) {
    if (!match($0, " " key "=\"[^\"]*\"")) return ""
    v = substr($0, RSTART + length(key) + 3, RLENGTH - length(key) - 4)
    gsub(/&#x0A;/, "\n    ", v); gsub(/&quot;/, "\"", v); gsub(/&apos;/, "'"'"'", v)
    gsub(/&lt;/, "<", v); gsub(/&gt;/, ">", v); gsub(/&amp;/, "\\&", v)
    return v
  }
  /<testcase / {
    name = attr("classname") "." attr("name")
    if (attr("value_param") != "") name = name " with " attr("value_param")
  }
  /<(failure|skipped) / {
    print "  " ($0 ~ /<failure/ ? "FAILED " : "skipped ") name ": " attr("message")
  }' "$work/report.xml"
[ "$rc" = 0 ] || fail "$(basename "$exe") exited $rc"
