-- The start of every cube file: the marks that make an SQLite database a cube file, and
-- the metadata tables. Run it first, then the statements that create and fill one cube.
-- On the cube server the same tables (without the PRAGMA lines) make up the schema "olap".
PRAGMA application_id = 1414745155;   -- 0x54534C43
PRAGMA user_version = 1;              -- format version
PRAGMA journal_mode = DELETE;

CREATE TABLE olap_cube (
  name        TEXT PRIMARY KEY,
  caption     TEXT,
  fact_table  TEXT NOT NULL,
  ordinal     INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE olap_dimension (
  cube        TEXT NOT NULL REFERENCES olap_cube (name),
  name        TEXT NOT NULL,
  caption     TEXT,
  dim_table   TEXT NOT NULL,
  dim_key     TEXT NOT NULL,
  fact_key    TEXT NOT NULL,
  PRIMARY KEY (cube, name)
);

CREATE TABLE olap_hierarchy (
  cube        TEXT NOT NULL,
  name        TEXT NOT NULL,
  caption     TEXT,
  dimension   TEXT NOT NULL,
  ordinal     INTEGER NOT NULL DEFAULT 0,
  PRIMARY KEY (cube, name),
  FOREIGN KEY (cube, dimension) REFERENCES olap_dimension (cube, name)
);

CREATE TABLE olap_level (
  cube            TEXT NOT NULL,
  hierarchy       TEXT NOT NULL,
  depth           INTEGER NOT NULL CHECK (depth >= 1),
  name            TEXT NOT NULL,
  caption         TEXT,
  key_column      TEXT NOT NULL,
  caption_column  TEXT,
  sort_column     TEXT,
  PRIMARY KEY (cube, hierarchy, depth),
  FOREIGN KEY (cube, hierarchy) REFERENCES olap_hierarchy (cube, name)
);

CREATE TABLE olap_measure (
  cube           TEXT NOT NULL REFERENCES olap_cube (name),
  name           TEXT NOT NULL,
  caption        TEXT,
  column_name    TEXT,
  aggregate      TEXT NOT NULL
                 CHECK (aggregate IN ('sum', 'count', 'min', 'max', 'average', 'distinct count')),
  number_format  TEXT,
  ordinal        INTEGER NOT NULL DEFAULT 0,
  PRIMARY KEY (cube, name)
);
