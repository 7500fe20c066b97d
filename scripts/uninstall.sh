#!/usr/bin/env bash
# Removes what `make install` installed, as CMake's install manifest lists
# it, under DESTDIR when set, and the project's own folders that this
# leaves empty (share/doc/banqi); shared folders such as bin stay.
set -eu
manifest=$1
if [ ! -f "$manifest" ]; then
  echo "No $manifest: nothing was installed from this build folder." >&2
  exit 1
fi

dirs=()
while IFS= read -r file || [ -n "$file" ]; do  # its last line has no line end
  [ -n "$file" ] || continue
  path="${DESTDIR:-}$file"
  if [ -e "$path" ] || [ -L "$path" ]; then
    rm -f -- "$path"
    echo "Removed $path"
  fi
  dir=$(dirname -- "$path")
  [ "$(basename -- "$dir")" = banqi ] && dirs+=("$dir")
done <"$manifest"

for dir in ${dirs[@]+"${dirs[@]}"}; do
  [ -d "$dir" ] && rmdir --ignore-fail-on-non-empty -- "$dir"
done
exit 0
