#!/usr/bin/env bash
# Fails when a source file includes a header of a layer that comes after its own: the link
# check in CMakeLists.txt cannot see an upward include of a header-only file. The layers, in
# order, are TESSALINE_LAYERS of CMakeLists.txt.
set -euo pipefail
cd "$(dirname "$0")/.."
layers=($(sed -n 's/^set(TESSALINE_LAYERS \(.*\))$/\1/p' CMakeLists.txt))
[[ ${#layers[@]} -gt 0 ]] || { echo "no TESSALINE_LAYERS in CMakeLists.txt" >&2; exit 2; }

declare -A rank
for i in "${!layers[@]}"; do rank[${layers[$i]}]=$i; done

bad=0
while IFS= read -r -d '' file; do
  layer=${file#src/}; layer=${layer%%/*}
  [[ -n ${rank[$layer]:-} ]] || continue
  while IFS=: read -r line included; do
    target=${included%%/*}
    if [[ -n ${rank[$target]:-} && ${rank[$target]} -gt ${rank[$layer]} ]]; then
      echo "$file:$line: the layer $layer includes $included of the later layer $target" >&2
      bad=1
    fi
  done < <(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file" | sed 's/^\([0-9]*\):[^"]*"\([^"]*\)".*/\1:\2/' || true)
done < <(git ls-files -z 'src/*.h' 'src/*.cpp')
[[ $bad -eq 0 ]] || exit 1
echo "includes: no layer includes a later one"
