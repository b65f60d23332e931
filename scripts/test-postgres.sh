#!/usr/bin/env bash
# A throw-away PostgreSQL 15 for the tests, reachable only on a Unix socket in a temporary folder.
#   test-postgres.sh start [FILE]   starts it and prints the "export ..." lines that point libpq at it;
#                                   with FILE, also writes them there as KEY=VALUE lines (the tests read them)
#   test-postgres.sh stop [FILE]    stops the server those lines (or FILE) name and removes its folder
# PostgreSQL refuses to run as root, so as root the server runs as the "postgres" user.
set -euo pipefail

bin=/usr/lib/postgresql/15/bin
as_server_user=()
if [[ $(id -u) -eq 0 ]]; then
  as_server_user=(runuser -u postgres --)
fi

case "${1:-}" in
start)
  [[ -x $bin/initdb ]] || { echo "PostgreSQL 15 is not installed (scripts/install-deps.sh)" >&2; exit 1; }
  # /tmp rather than $TMPDIR: the server user must be able to reach the folder.
  dir=$(mktemp -d /tmp/tessaline-pg.XXXXXX)
  chmod 0755 "$dir"
  if [[ $(id -u) -eq 0 ]]; then chown postgres: "$dir"; fi
  "${as_server_user[@]}" "$bin/initdb" -D "$dir/data" -U postgres -A trust -E UTF8 --locale=C.UTF-8 \
    >"$dir/initdb.log" 2>&1 || { cat "$dir/initdb.log" >&2; exit 1; }
  "${as_server_user[@]}" "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 60 \
    -o "-c listen_addresses='' -c unix_socket_directories='$dir' -p 5432 -c fsync=off -c max_connections=200" \
    start >/dev/null || { cat "$dir/server.log" >&2; exit 1; }
  vars="PGHOST=$dir PGPORT=5432 PGUSER=postgres TESSALINE_PG_DIR=$dir"
  if [[ -n ${2:-} ]]; then
    mkdir -p "$(dirname "$2")"
    tr ' ' '\n' <<<"$vars" >"$2"
  fi
  echo "export $vars"
  ;;
stop)
  dir=${TESSALINE_PG_DIR:-}
  if [[ -n ${2:-} && -f $2 ]]; then
    dir=$(sed -n 's/^TESSALINE_PG_DIR=//p' "$2")
    rm -f "$2"
  fi
  [[ -n $dir && -d $dir/data ]] || exit 0
  "${as_server_user[@]}" "$bin/pg_ctl" -D "$dir/data" -m fast -w stop >/dev/null 2>&1 || true
  rm -rf "$dir"
  ;;
*)
  echo "usage: $0 start|stop" >&2
  exit 2
  ;;
esac
