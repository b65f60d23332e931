#!/usr/bin/env bash
# Proves the install script's list: every package that a configured build tree found (CMake
# config files, and the libraries found by CMake's find modules) must come from a Debian package
# that scripts/install-deps.sh installs, directly or as a dependency. A package missing from the
# list then fails here on every machine, not only on a fresh one where the build would break.
# Usage: check-install-list.sh BUILD-DIR [INSTALL-SCRIPT]
set -euo pipefail
build_dir=${1:?build folder}
script=${2:-$(dirname "$0")/install-deps.sh}
cache="$build_dir/CMakeCache.txt"
[[ -f "$cache" ]] || { echo "check-install-list: no $cache (configure first)" >&2; exit 2; }
[[ -f "$script" ]] || { echo "check-install-list: no $script" >&2; exit 2; }

listed=$(sed -n '/^packages=(/,/^)/p' "$script" | sed 's/#.*//' | tr -s ' \t()' '\n' \
         | grep -E '^[a-z0-9][a-z0-9.+-]+$' | sort -u)
closure=$(apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts \
            --no-breaks --no-replaces --no-enhances $listed 2>/dev/null \
          | grep -vE '^\s|^<' | sed 's/:.*//' | sort -u)

# What the configure step found: each config file's folder, and each library a find module chose.
found=$( { grep -E '^[A-Za-z0-9_]+_DIR:PATH=/.*/cmake/' "$cache" | sed 's/^[^=]*=//' \
             | while read -r dir; do ls "$dir"/*[Cc]onfig.cmake 2>/dev/null \
                 | grep -viE 'version|dependencies|targets' | head -1; done
           # GLU is looked for by CMake's OpenGL module but linked by nothing here.
           grep -E '^[A-Za-z0-9_]+_LIBRARY(_RELEASE)?:FILEPATH=/' "$cache" \
             | grep -v '^OPENGL_glu_LIBRARY:' | sed 's/^[^=]*=//'
         } | sort -u)

missing=()
while read -r file; do
  [[ -n "$file" ]] || continue
  owners=$(dpkg -S "$(realpath "$file")" 2>/dev/null | head -1 | sed 's/: \/.*//; s/:[a-z0-9]*//g; s/,/ /g') || true
  [[ -n "$owners" ]] || owners=$(dpkg -S "$file" 2>/dev/null | head -1 | sed 's/: \/.*//; s/:[a-z0-9]*//g; s/,/ /g') || true
  [[ -n "$owners" ]] || { missing+=("$file (owned by no package)"); continue; }
  ok=""
  for pkg in $owners; do grep -qx "$pkg" <<<"$closure" && ok=1; done
  [[ -n "$ok" ]] || missing+=("$file ($owners)")
done <<<"$found"

if [[ ${#missing[@]} -gt 0 ]]; then
  echo "Found by the build but not installed by $script on a fresh machine:"
  printf '  %s\n' "${missing[@]}"
  exit 1
fi
echo "ok: everything the build found comes from $script"
