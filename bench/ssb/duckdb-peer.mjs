// The DuckDB side of the star schema benchmark. Loads the tables that the JSON job file
// named on the command line lists into an in-memory database, answers one line of JSON
// ({"version", "loadSeconds"}), then runs each query that arrives on standard input as a
// line of JSON ({"sql"}) and answers with its time and groups ({"seconds", "groups"}), so
// that the C++ side can take turns with the other databases. {"stats": true} answers the
// process's peak memory.
import { DuckDBInstance } from '@duckdb/node-api';
import { readFileSync } from 'node:fs';
import { performance } from 'node:perf_hooks';
import { createInterface } from 'node:readline';

const job = JSON.parse(readFileSync(process.argv[2], 'utf8'));
const instance = await DuckDBInstance.create(':memory:');
const connection = await instance.connect();

const loadStart = performance.now();
for (const table of job.tables) {
  await connection.run(table.ddl);
  const file = table.file.replaceAll("'", "''");
  await connection.run(`COPY "${table.name}" FROM '${file}' (DELIMITER '|', HEADER false, AUTO_DETECT false)`);
}
const loadSeconds = (performance.now() - loadStart) / 1000;
const version = (await connection.runAndReadAll('SELECT version()')).getRows()[0][0];

function answer(line) {
  process.stdout.write(JSON.stringify(line) + '\n');
}

// Group columns first, the measure last, as the C++ side compares them. A NULL group column
// is a ROLLUP or CUBE total (the benchmark's keys are never NULL), keyed '*' as the C++ side
// keys totals (kTotalKey).
function groupsOf(rows) {
  const groups = {};
  for (const row of rows) {
    const value = row[row.length - 1];
    if (value === null) continue;
    groups[row.slice(0, -1).map((v) => (v === null ? '*' : String(v))).join('|')] = Number(value);
  }
  return groups;
}

answer({ version, loadSeconds });
for await (const line of createInterface({ input: process.stdin })) {
  const request = JSON.parse(line);
  if (request.stats) {
    answer({ maxRssKb: process.resourceUsage().maxRSS });
    continue;
  }
  const start = performance.now();
  const reader = await connection.runAndReadAll(request.sql);
  const seconds = (performance.now() - start) / 1000;
  answer({ seconds, groups: groupsOf(reader.getRowsJS()) });
}
