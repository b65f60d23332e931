// The DuckDB side of the star schema benchmark. Reads a job (tables to load, queries to
// time) from the JSON file named on the command line and writes the timings and answers
// as JSON to standard output.
import { DuckDBInstance } from '@duckdb/node-api';
import { readFileSync } from 'node:fs';
import { performance } from 'node:perf_hooks';

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

// Group columns first, the measure last, as the C++ side compares them.
function answer(rows) {
  const groups = {};
  for (const row of rows) {
    const value = row[row.length - 1];
    if (value === null) continue;
    groups[row.slice(0, -1).map(String).join('|')] = Number(value);
  }
  return groups;
}

const queries = [];
for (const query of job.queries) {
  let reader = await connection.runAndReadAll(query.sql);
  const seconds = [];
  for (let i = 0; i < job.runs; ++i) {
    const start = performance.now();
    reader = await connection.runAndReadAll(query.sql);
    seconds.push((performance.now() - start) / 1000);
  }
  queries.push({ name: query.name, seconds, groups: answer(reader.getRowsJS()) });
}

const version = (await connection.runAndReadAll('SELECT version()')).getRows()[0][0];
process.stdout.write(JSON.stringify({
  version,
  loadSeconds,
  maxRssKb: process.resourceUsage().maxRSS,
  queries,
}));
