#include "SsbSchema.h"

namespace ssb {

namespace {

constexpr ColumnType I = ColumnType::Integer;
constexpr ColumnType T = ColumnType::Text;

std::string quoted(const std::string& name)
{
    return '"' + name + '"';
}

// Rows of one metadata table, as SQL literals.
std::string insertRows(const std::string& prefix, const std::string& table, const std::vector<std::string>& rows)
{
    std::string sql = "INSERT INTO " + prefix + table + " VALUES ";
    for (size_t i = 0; i < rows.size(); ++i)
        sql += (i ? ", (" : "(") + rows[i] + ")";
    return sql;
}

}

const std::vector<Table>& tables()
{
    static const std::vector<Table> all{
        {"date",
         {{"d_datekey", I},
          {"d_date", T},
          {"d_dayofweek", T},
          {"d_month", T},
          {"d_year", I},
          {"d_yearmonthnum", I},
          {"d_yearmonth", T},
          {"d_daynuminweek", I},
          {"d_daynuminmonth", I},
          {"d_daynuminyear", I},
          {"d_monthnuminyear", I},
          {"d_weeknuminyear", I},
          {"d_sellingseason", T},
          {"d_lastdayinweekfl", I},
          {"d_lastdayinmonthfl", I},
          {"d_holidayfl", I},
          {"d_weekdayfl", I}},
         "d_datekey",
         &SsbGenerator::dates},
        {"customer",
         {{"c_custkey", I},
          {"c_name", T},
          {"c_address", T},
          {"c_city", T},
          {"c_nation", T},
          {"c_region", T},
          {"c_phone", T},
          {"c_mktsegment", T}},
         "c_custkey",
         &SsbGenerator::customers},
        {"supplier",
         {{"s_suppkey", I},
          {"s_name", T},
          {"s_address", T},
          {"s_city", T},
          {"s_nation", T},
          {"s_region", T},
          {"s_phone", T}},
         "s_suppkey",
         &SsbGenerator::suppliers},
        {"part",
         {{"p_partkey", I},
          {"p_name", T},
          {"p_mfgr", T},
          {"p_category", T},
          {"p_brand1", T},
          {"p_color", T},
          {"p_type", T},
          {"p_size", I},
          {"p_container", T}},
         "p_partkey",
         &SsbGenerator::parts},
        {"lineorder",
         {{"lo_orderkey", I},
          {"lo_linenumber", I},
          {"lo_custkey", I},
          {"lo_partkey", I},
          {"lo_suppkey", I},
          {"lo_orderdate", I},
          {"lo_orderpriority", T},
          {"lo_shippriority", T},
          {"lo_quantity", I},
          {"lo_extendedprice", I},
          {"lo_ordtotalprice", I},
          {"lo_discount", I},
          {"lo_revenue", I},
          {"lo_supplycost", I},
          {"lo_tax", I},
          {"lo_commitdate", I},
          {"lo_shipmode", T}},
         "",
         &SsbGenerator::lineorders},
    };
    return all;
}

std::string createTable(const Table& table, Dialect dialect)
{
    std::string sql = "CREATE TABLE " + quoted(table.name) + " (";
    for (size_t i = 0; i < table.columns.size(); ++i) {
        const Column& c = table.columns[i];
        sql += (i ? ", " : "") + c.name + ' ';
        if (c.type == ColumnType::Text)
            sql += dialect == Dialect::DuckDb ? "VARCHAR" : "TEXT";
        else
            sql += "INTEGER";
        if (c.name == table.primaryKey)
            sql += " PRIMARY KEY";
    }
    return sql + ")";
}

std::vector<std::string> cubeStatements(Dialect dialect)
{
    const std::string meta = dialect == Dialect::Postgres ? "olap." : "";
    const auto numbers = [](const char* table, int first, int last) {
        std::string sql = "INSERT INTO " + std::string(table) + " VALUES ";
        for (int n = first; n <= last; ++n)
            sql += (n > first ? ", (" : "(") + std::to_string(n) + ")";
        return sql;
    };
    // The two measures that the queries compute from two columns each. SQLite adds them to
    // the fact table as virtual columns (computed on reading, stored nowhere), so the fact
    // table stays a table with rowids, which the engine reads on several threads; the
    // server, which has no virtual columns, gets a view.
    std::vector<std::string> statements;
    std::string factTable = "lineorder";
    if (dialect == Dialect::Postgres) {
        factTable = "lineorder_facts";
        statements = {
            "CREATE VIEW lineorder_facts AS SELECT lo_orderdate, lo_custkey, lo_suppkey, lo_partkey, "
            "lo_discount, lo_quantity, lo_orderkey, lo_revenue, lo_extendedprice * lo_discount AS lo_discount_revenue, "
            "lo_revenue - lo_supplycost AS lo_profit FROM lineorder"};
    } else {
        statements = {"ALTER TABLE lineorder ADD COLUMN lo_discount_revenue INTEGER "
                      "GENERATED ALWAYS AS (lo_extendedprice * lo_discount) VIRTUAL",
                      "ALTER TABLE lineorder ADD COLUMN lo_profit INTEGER "
                      "GENERATED ALWAYS AS (lo_revenue - lo_supplycost) VIRTUAL"};
    }
    const std::vector<std::string> rest = {
        "CREATE TABLE discount (discount INTEGER PRIMARY KEY)",
        numbers("discount", 0, 10),
        "CREATE TABLE quantity (quantity INTEGER PRIMARY KEY)",
        numbers("quantity", 1, 50),
        insertRows(meta, "olap_cube (name, caption, fact_table, ordinal)",
                   {"'SSB', 'Star Schema Benchmark', '" + factTable + "', 0"}),
        insertRows(meta, "olap_dimension (cube, name, caption, dim_table, dim_key, fact_key)",
                   {"'SSB', 'Date', 'Order Date', 'date', 'd_datekey', 'lo_orderdate'",
                    "'SSB', 'Customer', 'Customer', 'customer', 'c_custkey', 'lo_custkey'",
                    "'SSB', 'Supplier', 'Supplier', 'supplier', 's_suppkey', 'lo_suppkey'",
                    "'SSB', 'Part', 'Part', 'part', 'p_partkey', 'lo_partkey'",
                    "'SSB', 'Discount', 'Discount', 'discount', 'discount', 'lo_discount'",
                    "'SSB', 'Quantity', 'Quantity', 'quantity', 'quantity', 'lo_quantity'"}),
        insertRows(meta, "olap_hierarchy (cube, name, caption, dimension, ordinal)",
                   {"'SSB', 'Calendar', 'Calendar', 'Date', 1", "'SSB', 'Week', 'Week', 'Date', 2",
                    "'SSB', 'Customer Geography', 'Customer Geography', 'Customer', 3",
                    "'SSB', 'Supplier Geography', 'Supplier Geography', 'Supplier', 4",
                    "'SSB', 'Product', 'Product', 'Part', 5", "'SSB', 'Discount', 'Discount', 'Discount', 6",
                    "'SSB', 'Quantity', 'Quantity', 'Quantity', 7"}),
        insertRows(meta, "olap_level (cube, hierarchy, depth, name, caption, key_column, caption_column, sort_column)",
                   {"'SSB', 'Calendar', 1, 'Year', 'Year', 'd_year', NULL, NULL",
                    "'SSB', 'Calendar', 2, 'Month', 'Month', 'd_yearmonthnum', 'd_yearmonth', NULL",
                    "'SSB', 'Calendar', 3, 'Day', 'Day', 'd_datekey', 'd_date', NULL",
                    "'SSB', 'Week', 1, 'Year', 'Year', 'd_year', NULL, NULL",
                    "'SSB', 'Week', 2, 'Week', 'Week', 'd_weeknuminyear', NULL, NULL",
                    "'SSB', 'Customer Geography', 1, 'Region', 'Region', 'c_region', NULL, NULL",
                    "'SSB', 'Customer Geography', 2, 'Nation', 'Nation', 'c_nation', NULL, NULL",
                    "'SSB', 'Customer Geography', 3, 'City', 'City', 'c_city', NULL, NULL",
                    "'SSB', 'Supplier Geography', 1, 'Region', 'Region', 's_region', NULL, NULL",
                    "'SSB', 'Supplier Geography', 2, 'Nation', 'Nation', 's_nation', NULL, NULL",
                    "'SSB', 'Supplier Geography', 3, 'City', 'City', 's_city', NULL, NULL",
                    "'SSB', 'Product', 1, 'Manufacturer', 'Manufacturer', 'p_mfgr', NULL, NULL",
                    "'SSB', 'Product', 2, 'Category', 'Category', 'p_category', NULL, NULL",
                    "'SSB', 'Product', 3, 'Brand', 'Brand', 'p_brand1', NULL, NULL",
                    "'SSB', 'Discount', 1, 'Discount', 'Discount', 'discount', NULL, NULL",
                    "'SSB', 'Quantity', 1, 'Quantity', 'Quantity', 'quantity', NULL, NULL"}),
        insertRows(meta, "olap_measure (cube, name, caption, column_name, aggregate, number_format, ordinal)",
                   {"'SSB', 'Revenue', 'Revenue', 'lo_revenue', 'sum', '#,##0', 1",
                    "'SSB', 'Discount Revenue', 'Discount Revenue', 'lo_discount_revenue', 'sum', '#,##0', 2",
                    "'SSB', 'Profit', 'Profit', 'lo_profit', 'sum', '#,##0', 3",
                    "'SSB', 'Orders', 'Orders', 'lo_orderkey', 'distinct count', '#,##0', 4"}),
    };
    statements.insert(statements.end(), rest.begin(), rest.end());
    return statements;
}

}
