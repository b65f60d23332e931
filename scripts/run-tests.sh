#!/usr/bin/env bash
# Runs every test of a build folder through CTest, with the services the tests need.
set -euo pipefail
build_dir=${1:?build folder}
here=$(cd "$(dirname "$0")" && pwd)

# Server tests talk to a throw-away PostgreSQL on a Unix socket; it is stopped on exit.
if [[ -x "$here/test-postgres.sh" ]]; then
  eval "$("$here/test-postgres.sh" start)"
  trap '"$here/test-postgres.sh" stop' EXIT
fi

ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)"
