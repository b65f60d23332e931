#!/usr/bin/env bash
# Fails when a source file includes a header of a layer that comes after its own, or a file of
# an app feature includes a header of a feature that comes after its own: the link check in
# CMakeLists.txt cannot see an upward include of a header-only file, and the features share
# one library. The layers, in order, are TESSALINE_LAYERS of CMakeLists.txt; the features,
# TESSALINE_APP_FEATURES of src/app/CMakeLists.txt.
set -euo pipefail
cd "$(dirname "$0")/.."
layers=($(sed -n 's/^set(TESSALINE_LAYERS \(.*\))$/\1/p' CMakeLists.txt))
[[ ${#layers[@]} -gt 0 ]] || { echo "no TESSALINE_LAYERS in CMakeLists.txt" >&2; exit 2; }
features=($(sed -n 's/^set(TESSALINE_APP_FEATURES \(.*\))$/\1/p' src/app/CMakeLists.txt))
[[ ${#features[@]} -gt 0 ]] || { echo "no TESSALINE_APP_FEATURES in src/app/CMakeLists.txt" >&2; exit 2; }

declare -A rank feature_rank
for i in "${!layers[@]}"; do rank[${layers[$i]}]=$i; done
for i in "${!features[@]}"; do feature_rank[${features[$i]}]=$i; done

bad=0
while IFS= read -r -d '' file; do
  layer=${file#src/}; layer=${layer%%/*}
  [[ -n ${rank[$layer]:-} ]] || continue
  feature=
  if [[ $layer == app && $file == src/app/*/* ]]; then
    feature=${file#src/app/}; feature=${feature%%/*}
    if [[ -z ${feature_rank[$feature]:-} ]]; then
      echo "$file: the feature $feature is not in TESSALINE_APP_FEATURES of src/app/CMakeLists.txt" >&2
      bad=1
      feature=
    fi
  fi
  while IFS=: read -r line included; do
    target=${included%%/*}
    if [[ -n ${rank[$target]:-} && ${rank[$target]} -gt ${rank[$layer]} ]]; then
      echo "$file:$line: the layer $layer includes $included of the later layer $target" >&2
      bad=1
    fi
    if [[ -n $feature && $included == app/*/* ]]; then
      used=${included#app/}; used=${used%%/*}
      if [[ -n ${feature_rank[$used]:-} && ${feature_rank[$used]} -gt ${feature_rank[$feature]} ]]; then
        echo "$file:$line: the feature $feature includes $included of the later feature $used" >&2
        bad=1
      fi
    fi
  done < <(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file" | sed 's/^\([0-9]*\):[^"]*"\([^"]*\)".*/\1:\2/' || true)
done < <(git ls-files -z 'src/*.h' 'src/*.cpp')
[[ $bad -eq 0 ]] || exit 1
echo "includes: no layer includes a later one, no app feature a later one"
