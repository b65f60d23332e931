-- Star Schema Benchmark data at scale factor 1, as a cube file (run after
-- examples/cubes/cube-file.sql). Follows the benchmark's schema and generator rules:
-- 2,556 days 1992-1998, 30,000 customers, 2,000 suppliers, 200,000 parts, 1,500,000 orders
-- of 1 to 7 lines (about 6 million). Random choices are a fixed hash of the row number, so
-- every run gives the same data. Quantity and discount get small dimension tables so that
-- the benchmark's conditions on them become member filters.

CREATE TABLE ssb_nation (n INTEGER PRIMARY KEY, nation TEXT NOT NULL, region TEXT NOT NULL);
INSERT INTO ssb_nation VALUES
  (0, 'ALGERIA', 'AFRICA'), (1, 'ARGENTINA', 'AMERICA'), (2, 'BRAZIL', 'AMERICA'), (3, 'CANADA', 'AMERICA'),
  (4, 'EGYPT', 'MIDDLE EAST'), (5, 'ETHIOPIA', 'AFRICA'), (6, 'FRANCE', 'EUROPE'), (7, 'GERMANY', 'EUROPE'),
  (8, 'INDIA', 'ASIA'), (9, 'INDONESIA', 'ASIA'), (10, 'IRAN', 'MIDDLE EAST'), (11, 'IRAQ', 'MIDDLE EAST'),
  (12, 'JAPAN', 'ASIA'), (13, 'JORDAN', 'MIDDLE EAST'), (14, 'KENYA', 'AFRICA'), (15, 'MOROCCO', 'AFRICA'),
  (16, 'MOZAMBIQUE', 'AFRICA'), (17, 'PERU', 'AMERICA'), (18, 'CHINA', 'ASIA'), (19, 'ROMANIA', 'EUROPE'),
  (20, 'SAUDI ARABIA', 'MIDDLE EAST'), (21, 'VIETNAM', 'ASIA'), (22, 'RUSSIA', 'EUROPE'),
  (23, 'UNITED KINGDOM', 'EUROPE'), (24, 'UNITED STATES', 'AMERICA');

CREATE TABLE date (
  d_datekey INTEGER PRIMARY KEY, d_dayindex INTEGER NOT NULL UNIQUE, d_year INTEGER NOT NULL,
  d_monthnuminyear INTEGER NOT NULL, d_month TEXT NOT NULL, d_yearmonthnum INTEGER NOT NULL,
  d_yearmonth TEXT NOT NULL, d_daynuminmonth INTEGER NOT NULL, d_weeknuminyear INTEGER NOT NULL
);
WITH RECURSIVE day(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM day WHERE i < 2555),
d(i, t) AS (SELECT i, date('1992-01-01', '+' || i || ' days') FROM day)
INSERT INTO date
SELECT CAST(strftime('%Y%m%d', t) AS INTEGER), i, CAST(strftime('%Y', t) AS INTEGER),
       CAST(strftime('%m', t) AS INTEGER),
       CASE CAST(strftime('%m', t) AS INTEGER) WHEN 1 THEN 'January' WHEN 2 THEN 'February' WHEN 3 THEN 'March'
            WHEN 4 THEN 'April' WHEN 5 THEN 'May' WHEN 6 THEN 'June' WHEN 7 THEN 'July' WHEN 8 THEN 'August'
            WHEN 9 THEN 'September' WHEN 10 THEN 'October' WHEN 11 THEN 'November' ELSE 'December' END,
       CAST(strftime('%Y%m', t) AS INTEGER),
       CASE CAST(strftime('%m', t) AS INTEGER) WHEN 1 THEN 'Jan' WHEN 2 THEN 'Feb' WHEN 3 THEN 'Mar'
            WHEN 4 THEN 'Apr' WHEN 5 THEN 'May' WHEN 6 THEN 'Jun' WHEN 7 THEN 'Jul' WHEN 8 THEN 'Aug'
            WHEN 9 THEN 'Sep' WHEN 10 THEN 'Oct' WHEN 11 THEN 'Nov' ELSE 'Dec' END || strftime('%Y', t),
       CAST(strftime('%d', t) AS INTEGER), (CAST(strftime('%j', t) AS INTEGER) - 1) / 7 + 1
FROM d;

-- A city is the first nine letters of its nation (padded) and a digit.
CREATE TABLE customer (
  c_custkey INTEGER PRIMARY KEY, c_name TEXT NOT NULL, c_city TEXT NOT NULL, c_nation TEXT NOT NULL,
  c_region TEXT NOT NULL, c_mktsegment TEXT NOT NULL
);
WITH RECURSIVE k(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM k WHERE i < 30000)
INSERT INTO customer
SELECT i, 'Customer#' || substr('000000000' || i, -9), substr(n.nation || '         ', 1, 9) || ((i * 7) % 10),
       n.nation, n.region,
       CASE (i * 13) % 5 WHEN 0 THEN 'AUTOMOBILE' WHEN 1 THEN 'BUILDING' WHEN 2 THEN 'FURNITURE'
            WHEN 3 THEN 'HOUSEHOLD' ELSE 'MACHINERY' END
FROM k JOIN ssb_nation n ON n.n = (i * 2654435761) % 1000003 % 25;

CREATE TABLE supplier (
  s_suppkey INTEGER PRIMARY KEY, s_name TEXT NOT NULL, s_city TEXT NOT NULL, s_nation TEXT NOT NULL,
  s_region TEXT NOT NULL
);
WITH RECURSIVE k(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM k WHERE i < 2000)
INSERT INTO supplier
SELECT i, 'Supplier#' || substr('000000000' || i, -9), substr(n.nation || '         ', 1, 9) || ((i * 3) % 10),
       n.nation, n.region
FROM k JOIN ssb_nation n ON n.n = (i * 40503) % 1000003 % 25;

-- Manufacturer 1-5, category = manufacturer and 1-5, brand = category and 1-40.
CREATE TABLE part (
  p_partkey INTEGER PRIMARY KEY, p_name TEXT NOT NULL, p_mfgr TEXT NOT NULL, p_category TEXT NOT NULL,
  p_brand1 TEXT NOT NULL, p_size INTEGER NOT NULL, p_price_cents INTEGER NOT NULL
);
WITH RECURSIVE k(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM k WHERE i < 200000),
p(i, m, c, b) AS (SELECT i, 1 + (i * 2654435761) % 1000003 % 5, 1 + (i * 40503) % 999983 % 5,
                         1 + (i * 69069) % 1000033 % 40 FROM k)
INSERT INTO part
SELECT i, 'part ' || i, 'MFGR#' || m, 'MFGR#' || m || c, 'MFGR#' || m || c || b, 1 + (i * 31) % 50,
       90000 + (i / 10) % 20001 + 100 * (i % 1000)
FROM p;

CREATE TABLE ssb_quantity (quantity INTEGER PRIMARY KEY);
WITH RECURSIVE k(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM k WHERE i < 50) INSERT INTO ssb_quantity SELECT i FROM k;
CREATE TABLE ssb_discount (discount INTEGER PRIMARY KEY);
WITH RECURSIVE k(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM k WHERE i < 10) INSERT INTO ssb_discount SELECT i FROM k;

-- Order dates fall between 1992-01-01 and 1998-08-02 (2,405 days).
CREATE TABLE lineorder (
  lo_orderkey INTEGER NOT NULL, lo_linenumber INTEGER NOT NULL, lo_custkey INTEGER NOT NULL,
  lo_partkey INTEGER NOT NULL, lo_suppkey INTEGER NOT NULL, lo_orderdate INTEGER NOT NULL,
  lo_quantity INTEGER NOT NULL, lo_extendedprice INTEGER NOT NULL, lo_discount INTEGER NOT NULL,
  lo_revenue INTEGER NOT NULL, lo_supplycost INTEGER NOT NULL, lo_tax INTEGER NOT NULL,
  lo_discount_revenue INTEGER NOT NULL,   -- lo_extendedprice * lo_discount, for the cube's measure
  lo_profit INTEGER NOT NULL              -- lo_revenue - lo_supplycost, for the cube's measure
);
WITH RECURSIVE o(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM o WHERE i < 1500000),
ln(l) AS (VALUES (1), (2), (3), (4), (5), (6), (7)),
line AS (
  SELECT o.i AS ok, ln.l AS l,
         1 + (o.i * 2654435761) % 1000003 % 30000 AS ck,
         (o.i * 40503 + 17) % 2405 AS dayindex,
         1 + ((o.i * 7 + ln.l) * 2246822519) % 1000000007 % 200000 AS pk,
         1 + ((o.i * 11 + ln.l) * 3266489917) % 1000000007 % 2000 AS sk,
         1 + ((o.i * 13 + ln.l) * 374761393) % 1000003 % 50 AS q,
         ((o.i * 17 + ln.l) * 668265263) % 1000003 % 11 AS disc,
         ((o.i * 19 + ln.l) * 2654435761) % 1000003 % 9 AS tax
  FROM o JOIN ln ON ln.l <= 1 + (o.i * 97) % 7
)
INSERT INTO lineorder
SELECT ok, l, ck, pk, sk, d.d_datekey, q, q * p.p_price_cents, disc,
       q * p.p_price_cents * (100 - disc) / 100, 6 * p.p_price_cents / 10, tax,
       q * p.p_price_cents * disc, q * p.p_price_cents * (100 - disc) / 100 - 6 * p.p_price_cents / 10
FROM line JOIN date d ON d.d_dayindex = line.dayindex JOIN part p ON p.p_partkey = line.pk;

INSERT INTO olap_cube (name, caption, fact_table) VALUES ('SSB', 'Star Schema Benchmark', 'lineorder');
INSERT INTO olap_dimension (cube, name, dim_table, dim_key, fact_key) VALUES
  ('SSB', 'Date', 'date', 'd_datekey', 'lo_orderdate'),
  ('SSB', 'Customer', 'customer', 'c_custkey', 'lo_custkey'),
  ('SSB', 'Supplier', 'supplier', 's_suppkey', 'lo_suppkey'),
  ('SSB', 'Part', 'part', 'p_partkey', 'lo_partkey'),
  ('SSB', 'Quantity', 'ssb_quantity', 'quantity', 'lo_quantity'),
  ('SSB', 'Discount', 'ssb_discount', 'discount', 'lo_discount');
INSERT INTO olap_hierarchy (cube, name, dimension, ordinal) VALUES
  ('SSB', 'Date', 'Date', 1), ('SSB', 'Week', 'Date', 2), ('SSB', 'Customer', 'Customer', 3),
  ('SSB', 'Supplier', 'Supplier', 4), ('SSB', 'Part', 'Part', 5), ('SSB', 'Quantity', 'Quantity', 6),
  ('SSB', 'Discount', 'Discount', 7);
INSERT INTO olap_level (cube, hierarchy, depth, name, key_column, caption_column) VALUES
  ('SSB', 'Date', 1, 'Year', 'd_year', NULL), ('SSB', 'Date', 2, 'Month', 'd_monthnuminyear', 'd_yearmonth'),
  ('SSB', 'Date', 3, 'Day', 'd_daynuminmonth', NULL),
  ('SSB', 'Week', 1, 'Year', 'd_year', NULL), ('SSB', 'Week', 2, 'Week', 'd_weeknuminyear', NULL),
  ('SSB', 'Customer', 1, 'Region', 'c_region', NULL), ('SSB', 'Customer', 2, 'Nation', 'c_nation', NULL),
  ('SSB', 'Customer', 3, 'City', 'c_city', NULL),
  ('SSB', 'Supplier', 1, 'Region', 's_region', NULL), ('SSB', 'Supplier', 2, 'Nation', 's_nation', NULL),
  ('SSB', 'Supplier', 3, 'City', 's_city', NULL),
  ('SSB', 'Part', 1, 'Manufacturer', 'p_mfgr', NULL), ('SSB', 'Part', 2, 'Category', 'p_category', NULL),
  ('SSB', 'Part', 3, 'Brand', 'p_brand1', NULL),
  ('SSB', 'Quantity', 1, 'Quantity', 'quantity', NULL), ('SSB', 'Discount', 1, 'Discount', 'discount', NULL);
INSERT INTO olap_measure (cube, name, column_name, aggregate, number_format, ordinal) VALUES
  ('SSB', 'Revenue', 'lo_revenue', 'sum', '#,##0', 1),
  ('SSB', 'Discount Revenue', 'lo_discount_revenue', 'sum', '#,##0', 2),
  ('SSB', 'Profit', 'lo_profit', 'sum', '#,##0', 3);
