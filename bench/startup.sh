#!/usr/bin/env bash
# Whole-process time of `banqi </dev/null >/dev/null` against a minimal C
# program that writes the same 315 bytes. Prints medians and their ratio.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
runs=${RUNS:-1000}
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT

cmake -S "$top" -B "$top/build-bench" -DCMAKE_BUILD_TYPE=Release -DBANQI_TESTS=OFF >/dev/null
cmake --build "$top/build-bench" --target banqi -j "$(nproc)" >/dev/null

# The baseline: one write of a dealt table's bytes.
escaped=$(od -An -v -tx1 "$top/tests/fixtures/table_in_id_order.big5" | tr -d ' \n' | sed 's/../\\x&/g')
cat >"$work/baseline.c" <<C
#include <stdio.h>
static const char table[] = "$escaped";
int main(void) { fwrite(table, 1, sizeof table - 1, stdout); return 0; }
C
cc -O2 -o "$work/baseline" "$work/baseline.c"
[ "$("$work/baseline" | wc -c)" -eq 315 ]
cc -O2 -o "$work/spawn_timer" "$top/bench/spawn_timer.c"

"$work/spawn_timer" "$runs" "$top/build-bench/banqi" "$work/baseline"
