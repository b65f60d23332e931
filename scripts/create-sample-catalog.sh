#!/usr/bin/env bash
# Creates a catalog holding the sample cubes of examples/cubes on a PostgreSQL server.
#   create-sample-catalog.sh [database]      (default: tessaline_samples)
# The server and the sign-in are libpq's defaults: PGHOST, PGPORT, PGUSER, ~/.pgpass, ...
# The database must not exist yet.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cubes=$root/examples/cubes
db=${1:-tessaline_samples}

psql -X -v ON_ERROR_STOP=1 -q -d postgres -v db="$db" <<'SQL'
SELECT format('CREATE DATABASE %I ENCODING ''UTF8'' TEMPLATE template0', :'db') \gexec
SQL

# The metadata tables of a cube file make up the schema "olap"; the cube tables go to "public".
{
  echo "CREATE SCHEMA olap;"
  echo "SET search_path = olap;"
  grep -v '^PRAGMA' "$cubes/cube-file.sql"
  echo "SET search_path = public, olap;"
  cat "$cubes/Sales.sql" "$cubes/Budget.sql"
} | psql -X -v ON_ERROR_STOP=1 -q -d "$db" >/dev/null
echo "Created the catalog $db with the cubes Sales and Budget."
