#!/usr/bin/env bash
# Runs the star schema benchmark with all its peers: builds ssb_bench (`make bench`), installs
# the DuckDB package when missing, starts the throw-away PostgreSQL of the tests
# (scripts/test-postgres.sh), runs, and stops the server.
#   bench/ssb/run.sh [--sf N] [--runs N] [other ssb_bench options]
# Data is generated once per scale factor into build/bench/ssb-data-sf<N>/.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)

make -C "$root" bench >/dev/null
# DuckDB comes as an npm package; node and npm are the only things it needs of the machine.
if ! command -v npm >/dev/null; then
  sudo=""; [[ $(id -u) -ne 0 ]] && sudo="sudo"
  $sudo apt-get update -qq && DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq nodejs npm
fi
if [[ ! -d "$here/node_modules/@duckdb/node-api" ]]; then
  (cd "$here" && npm ci --no-audit --no-fund)
fi

eval "$("$root/scripts/test-postgres.sh" start)"
trap '"$root/scripts/test-postgres.sh" stop' EXIT
createdb ssb

mkdir -p "$root/build/bench"
cd "$root/build/bench"
"$root/build/bench/bench/ssb/ssb_bench" --postgres "dbname=ssb" \
  --server-cube "Provider=MSOLAP;Data Source=$PGHOST;Initial Catalog=ssb" "$@" || status=$?
# The program's path around the engine, on the same data (the scale factor's folder).
sf=1
for ((i = 1; i <= $#; i++)); do [[ ${!i} == --sf ]] && { j=$((i + 1)); sf=${!j}; }; done
"$root/build/bench/bench/ssb/ssb_pivot_bench" --data "ssb-data-sf$sf"
exit "${status:-0}"
