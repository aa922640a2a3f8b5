#!/usr/bin/env bash
# Fails on an include that points up the layers or climbs folders with "../".
# Layers, bottom first: engine (included as "orbis/..."), common, windows, shell. Each may include
# its own and lower layers only; the engine includes no Qt at all. Tests, benchmarks, tools and
# fuzz targets stand above them all.
# Usage: tools/check-layers.sh [source folder]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

declare -A rank=([orbis]=0 [common]=1 [windows]=2 [shell]=3)
declare -A folder_rank=([engine]=0 [common]=1 [windows]=2 [shell]=3)
faults=0
fault() { echo "$1: $2"; faults=$((faults + 1)); }

sources() { find "$@" -type f \( -name '*.h' -o -name '*.cpp' \) 2>/dev/null; }

while IFS= read -r file; do
  while IFS= read -r line; do
    fault "$file" "climbs folders: $line"
  done < <(grep -E '^\s*#\s*include\s*"\.\./' "$file" || true)
done < <(sources engine common windows shell tests bench tools fuzz main.cpp)

for folder in engine common windows shell; do
  own=${folder_rank[$folder]}
  while IFS= read -r file; do
    while IFS= read -r target; do
      top=${target%%/*}
      [ "$top" != "$target" ] || continue # a header of the file's own folder
      if [ -z "${rank[$top]+set}" ]; then
        fault "$file" "includes \"$target\", which is no layer"
      elif ((rank[$top] > own)); then
        fault "$file" "includes \"$target\" from the layer above it"
      fi
    done < <(sed -n -E 's/^\s*#\s*include\s*"([^"]+)".*/\1/p' "$file")
    if [ "$folder" = engine ] && grep -q -E '^\s*#\s*include\s*<Q' "$file"; then
      fault "$file" "includes Qt into the engine"
    fi
  done < <(sources "$folder")
done

if ((faults)); then
  echo "$faults include(s) against the layers"
  exit 1
fi
echo "includes follow the layers: engine < common < windows < shell"
