#!/usr/bin/env bash
# Runs the star schema benchmark with all its peers: builds ssb_bench (`make bench`), installs
# the DuckDB package when missing, starts a throw-away PostgreSQL on a Unix socket in a
# temporary folder (as the postgres user when run as root), runs, and stops the server.
#   bench/ssb/run.sh [--sf N] [--runs N] [other ssb_bench options]
# Data is generated once per scale factor into build/bench/ssb-data-sf<N>/.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
pg_bin=${PG_BIN:-/usr/lib/postgresql/15/bin}

make -C "$root" bench >/dev/null
if [[ ! -d "$here/node_modules/@duckdb/node-api" ]]; then
  (cd "$here" && npm ci --no-audit --no-fund)
fi

server=$(mktemp -d)
as_postgres=()
if [[ $(id -u) -eq 0 ]]; then
  chown postgres "$server"
  as_postgres=(runuser -u postgres --)
fi
stop_server() {
  "${as_postgres[@]}" "$pg_bin/pg_ctl" -D "$server/data" -m immediate stop >/dev/null 2>&1 || true
  rm -rf "$server"
}
trap stop_server EXIT

"${as_postgres[@]}" "$pg_bin/initdb" -D "$server/data" -A trust -U postgres --no-sync >/dev/null
# A scratch server: durability off for the load; parallel workers on for the queries, as
# DuckDB and our engine use every core.
"${as_postgres[@]}" "$pg_bin/pg_ctl" -D "$server/data" -l "$server/log" -w -o \
  "-k $server -c listen_addresses='' -c fsync=off -c synchronous_commit=off -c full_page_writes=off \
   -c shared_buffers=2GB -c work_mem=256MB -c max_wal_size=8GB -c max_worker_processes=16 \
   -c max_parallel_workers=8 -c max_parallel_workers_per_gather=8" start >/dev/null
"${as_postgres[@]}" "$pg_bin/createdb" -h "$server" -U postgres ssb

mkdir -p "$root/build/bench"
cd "$root/build/bench"
"$root/build/bench/bench/ssb/ssb_bench" --postgres "host=$server user=postgres dbname=ssb" "$@"
