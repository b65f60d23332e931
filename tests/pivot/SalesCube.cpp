#include "SalesCube.h"

#include "olap/CubeProvider.h"
#include "olap/SampleCubes.h"

namespace pivot::test {

QString salesCubeFile()
{
    static const QString file = testcubes::buildCubeFromSql(QStringLiteral("PivotSales"), QStringLiteral(R"(
CREATE TABLE geo (geo_id INTEGER PRIMARY KEY, region TEXT, city TEXT);
INSERT INTO geo VALUES (1, 'East', 'Boston'), (2, 'East', 'New York'), (3, 'North', 'Fargo'),
  (4, 'South', 'Miami'), (5, 'West', 'Denver'), (6, 'West', 'Seattle');
CREATE TABLE prod (prod_id INTEGER PRIMARY KEY, category TEXT, item TEXT);
INSERT INTO prod VALUES (1, 'Dairy', 'Cheese'), (2, 'Dairy', 'Milk'), (3, 'Fruit', 'Apples'), (4, 'Fruit', 'Kiwis'),
  (5, 'Fruit', 'Pears');
CREATE TABLE tm (tm_id INTEGER PRIMARY KEY, year TEXT, year_name TEXT, quarter TEXT);
INSERT INTO tm VALUES (1, '2023', 'FY2023', 'Q1'), (2, '2023', 'FY2023', 'Q2'), (3, '2023', 'FY2023', 'Q3'),
  (4, '2023', 'FY2023', 'Q4'), (5, '2024', 'FY2024', 'Q1'), (6, '2024', 'FY2024', 'Q2'), (7, '2024', 'FY2024', 'Q3'),
  (8, '2024', 'FY2024', 'Q4');
CREATE TABLE facts (geo_id INTEGER, prod_id INTEGER, tm_id INTEGER, sales REAL, units REAL);
INSERT INTO facts VALUES (1, 3, 1, 1200.5, 1500), (1, 5, 6, 800, 640), (2, 3, 5, 2500, 3100), (2, 1, 4, 4100.25, 820),
  (5, 2, 2, 950, 1900), (6, 5, 7, 1730, 1210), (6, 1, 8, 3020, 604), (3, 2, 5, 410, 820);
INSERT INTO olap_cube (name, caption, fact_table, ordinal) VALUES ('Sales', 'Sales Cube', 'facts', 1);
INSERT INTO olap_dimension (cube, name, caption, dim_table, dim_key, fact_key) VALUES
  ('Sales', 'Geography', 'Geography', 'geo', 'geo_id', 'geo_id'),
  ('Sales', 'Product', 'Product', 'prod', 'prod_id', 'prod_id'),
  ('Sales', 'Time', 'Time', 'tm', 'tm_id', 'tm_id');
INSERT INTO olap_hierarchy (cube, name, caption, dimension, ordinal) VALUES
  ('Sales', 'Geography', 'Geography', 'Geography', 1), ('Sales', 'Product', 'Product', 'Product', 2),
  ('Sales', 'Time', 'Time', 'Time', 3);
INSERT INTO olap_level (cube, hierarchy, depth, name, caption, key_column, caption_column, sort_column) VALUES
  ('Sales', 'Geography', 1, 'Region', 'Region', 'region', NULL, NULL),
  ('Sales', 'Geography', 2, 'City', 'City', 'city', NULL, NULL),
  ('Sales', 'Product', 1, 'Category', 'Category', 'category', NULL, NULL),
  ('Sales', 'Product', 2, 'Item', 'Item', 'item', NULL, NULL),
  ('Sales', 'Time', 1, 'Year', 'Year', 'year', 'year_name', NULL),
  ('Sales', 'Time', 2, 'Quarter', 'Quarter', 'quarter', NULL, NULL);
INSERT INTO olap_measure (cube, name, caption, column_name, aggregate, number_format, ordinal) VALUES
  ('Sales', 'Sales', 'Sales Amount', 'sales', 'sum', 'Currency', 1),
  ('Sales', 'Units', 'Units Sold', 'units', 'sum', '#,##0', 2);
)"));
    return file;
}

SalesCube::SalesCube()
    : m_cube(
        olap::openCube(QStringLiteral("Provider=MSOLAP.4;data source=") + salesCubeFile(), QStringLiteral("Sales")))
{
}

olap::CellSet SalesCube::query(const olap::PivotQuery& query)
{
    ++queryCount;
    lastQuery = query;
    return m_cube->query(query);
}

}
