#!/usr/bin/env bash
# Fails when a C++ file that git tracks differs from .clang-format; names the files.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -d '' files < <(git ls-files -z '*.cpp' '*.h')
bad=$(clang-format --dry-run "${files[@]}" 2>&1 | sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: warning:.*/\1/p' | sort -u)
if [[ -n $bad ]]; then
  echo "These files differ from .clang-format (run clang-format -i on them):" >&2
  echo "$bad" >&2
  exit 1
fi
echo "format: ${#files[@]} files follow .clang-format"
