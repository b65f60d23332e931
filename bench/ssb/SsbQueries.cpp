#include "SsbQueries.h"

namespace ssb {

namespace {

using olap::AxisField;
using olap::Filter;
using olap::MemberPath;
using olap::PivotQuery;

MemberPath path(std::initializer_list<const char*> keys)
{
    MemberPath p;
    for (const char* key : keys)
        p.keys << QString::fromLatin1(key);
    return p;
}

Filter filter(const char* hierarchy, QVector<MemberPath> include)
{
    return {QString::fromLatin1(hierarchy), std::move(include)};
}

QVector<MemberPath> numbers(int first, int last)
{
    QVector<MemberPath> paths;
    for (int n = first; n <= last; ++n)
        paths.append(MemberPath{{QString::number(n)}});
    return paths;
}

AxisField field(const char* hierarchy, int level)
{
    AxisField f;
    f.hierarchy = QString::fromLatin1(hierarchy);
    f.level = level;
    return f;
}

// The benchmark asks for the groups only: no subtotals or grand totals on either axis.
PivotQuery pivot(const char* measure, QVector<AxisField> rows, QVector<AxisField> columns, QVector<Filter> filters)
{
    PivotQuery q;
    q.measures << QString::fromLatin1(measure);
    q.rows.fields = std::move(rows);
    q.columns.fields = std::move(columns);
    for (olap::Axis* axis : {&q.rows, &q.columns}) {
        axis->subtotals = false;
        axis->grandTotal = false;
    }
    q.filters = std::move(filters);
    return q;
}

const char* const kYear = "Calendar";
const char* const kCustomer = "Customer Geography";
const char* const kSupplier = "Supplier Geography";
const char* const kProduct = "Product";

std::vector<SsbQuery> build()
{
    const std::string flight1 = "SELECT sum(lo_extendedprice * lo_discount) AS revenue FROM lineorder, \"date\" "
                                "WHERE lo_orderdate = d_datekey AND ";
    const std::string flight2 =
        " sum(lo_revenue) FROM lineorder, \"date\", part, supplier "
        "WHERE lo_orderdate = d_datekey AND lo_partkey = p_partkey AND lo_suppkey = s_suppkey AND ";
    const std::string flight3 =
        " sum(lo_revenue) AS revenue FROM customer, lineorder, supplier, \"date\" "
        "WHERE lo_custkey = c_custkey AND lo_suppkey = s_suppkey AND lo_orderdate = d_datekey AND ";
    const std::string flight4 = " sum(lo_revenue - lo_supplycost) AS profit FROM \"date\", customer, supplier, part, "
                                "lineorder WHERE lo_custkey = c_custkey AND lo_suppkey = s_suppkey AND "
                                "lo_partkey = p_partkey AND lo_orderdate = d_datekey AND ";
    const QVector<MemberPath> years92to97 = numbers(1992, 1997);
    const QVector<MemberPath> ukCities{path({"EUROPE", "UNITED KINGDOM", "UNITED KI1"}),
                                       path({"EUROPE", "UNITED KINGDOM", "UNITED KI5"})};
    QVector<MemberPath> brands2221to2228;
    for (int b = 1; b <= 8; ++b)
        brands2221to2228.append(
            MemberPath{{QStringLiteral("MFGR#2"), QStringLiteral("MFGR#22"), QStringLiteral("MFGR#222%1").arg(b)}});

    return {
        {"Q1.1", flight1 + "d_year = 1993 AND lo_discount BETWEEN 1 AND 3 AND lo_quantity < 25",
         pivot(
             "Discount Revenue", {}, {},
             {filter(kYear, {path({"1993"})}), filter("Discount", numbers(1, 3)), filter("Quantity", numbers(1, 24))})},
        {"Q1.2", flight1 + "d_yearmonthnum = 199401 AND lo_discount BETWEEN 4 AND 6 AND lo_quantity BETWEEN 26 AND 35",
         pivot("Discount Revenue", {}, {},
               {filter(kYear, {path({"1994", "199401"})}), filter("Discount", numbers(4, 6)),
                filter("Quantity", numbers(26, 35))})},
        {"Q1.3",
         flight1
             + "d_weeknuminyear = 6 AND d_year = 1994 AND lo_discount BETWEEN 5 AND 7 "
               "AND lo_quantity BETWEEN 26 AND 35",
         pivot("Discount Revenue", {}, {},
               {filter("Week", {path({"1994", "6"})}), filter("Discount", numbers(5, 7)),
                filter("Quantity", numbers(26, 35))})},
        {"Q2.1",
         "SELECT p_brand1, d_year," + flight2
             + "p_category = 'MFGR#12' AND s_region = 'AMERICA' GROUP BY d_year, p_brand1 ORDER BY d_year, p_brand1",
         pivot("Revenue", {field(kProduct, 2)}, {field(kYear, 0)},
               {filter(kProduct, {path({"MFGR#1", "MFGR#12"})}), filter(kSupplier, {path({"AMERICA"})})})},
        {"Q2.2",
         "SELECT p_brand1, d_year," + flight2
             + "p_brand1 BETWEEN 'MFGR#2221' AND 'MFGR#2228' AND s_region = 'ASIA' "
               "GROUP BY d_year, p_brand1 ORDER BY d_year, p_brand1",
         pivot("Revenue", {field(kProduct, 2)}, {field(kYear, 0)},
               {filter(kProduct, brands2221to2228), filter(kSupplier, {path({"ASIA"})})})},
        {"Q2.3",
         "SELECT p_brand1, d_year," + flight2
             + "p_brand1 = 'MFGR#2239' AND s_region = 'EUROPE' GROUP BY d_year, p_brand1 ORDER BY d_year, p_brand1",
         pivot("Revenue", {field(kProduct, 2)}, {field(kYear, 0)},
               {filter(kProduct, {path({"MFGR#2", "MFGR#22", "MFGR#2239"})}), filter(kSupplier, {path({"EUROPE"})})})},
        {"Q3.1",
         "SELECT c_nation, s_nation, d_year," + flight3
             + "c_region = 'ASIA' AND s_region = 'ASIA' AND d_year >= 1992 AND d_year <= 1997 "
               "GROUP BY c_nation, s_nation, d_year ORDER BY d_year ASC, revenue DESC",
         pivot("Revenue", {field(kCustomer, 1), field(kSupplier, 1)}, {field(kYear, 0)},
               {filter(kCustomer, {path({"ASIA"})}), filter(kSupplier, {path({"ASIA"})}), filter(kYear, years92to97)})},
        {"Q3.2",
         "SELECT c_city, s_city, d_year," + flight3
             + "c_nation = 'UNITED STATES' AND s_nation = 'UNITED STATES' AND d_year >= 1992 AND d_year <= 1997 "
               "GROUP BY c_city, s_city, d_year ORDER BY d_year ASC, revenue DESC",
         pivot("Revenue", {field(kCustomer, 2), field(kSupplier, 2)}, {field(kYear, 0)},
               {filter(kCustomer, {path({"AMERICA", "UNITED STATES"})}),
                filter(kSupplier, {path({"AMERICA", "UNITED STATES"})}), filter(kYear, years92to97)})},
        {"Q3.3",
         "SELECT c_city, s_city, d_year," + flight3
             + "(c_city = 'UNITED KI1' OR c_city = 'UNITED KI5') AND (s_city = 'UNITED KI1' OR s_city = 'UNITED KI5') "
               "AND d_year >= 1992 AND d_year <= 1997 GROUP BY c_city, s_city, d_year ORDER BY d_year ASC, revenue "
               "DESC",
         pivot("Revenue", {field(kCustomer, 2), field(kSupplier, 2)}, {field(kYear, 0)},
               {filter(kCustomer, ukCities), filter(kSupplier, ukCities), filter(kYear, years92to97)})},
        {"Q3.4",
         "SELECT c_city, s_city, d_year," + flight3
             + "(c_city = 'UNITED KI1' OR c_city = 'UNITED KI5') AND (s_city = 'UNITED KI1' OR s_city = 'UNITED KI5') "
               "AND d_yearmonth = 'Dec1997' GROUP BY c_city, s_city, d_year ORDER BY d_year ASC, revenue DESC",
         pivot("Revenue", {field(kCustomer, 2), field(kSupplier, 2)}, {field(kYear, 0)},
               {filter(kCustomer, ukCities), filter(kSupplier, ukCities), filter(kYear, {path({"1997", "199712"})})})},
        {"Q4.1",
         "SELECT c_nation, d_year," + flight4
             + "c_region = 'AMERICA' AND s_region = 'AMERICA' AND (p_mfgr = 'MFGR#1' OR p_mfgr = 'MFGR#2') "
               "GROUP BY d_year, c_nation ORDER BY d_year, c_nation",
         pivot("Profit", {field(kCustomer, 1)}, {field(kYear, 0)},
               {filter(kCustomer, {path({"AMERICA"})}), filter(kSupplier, {path({"AMERICA"})}),
                filter(kProduct, {path({"MFGR#1"}), path({"MFGR#2"})})})},
        {"Q4.2",
         "SELECT s_nation, p_category, d_year," + flight4
             + "c_region = 'AMERICA' AND s_region = 'AMERICA' AND (d_year = 1997 OR d_year = 1998) "
               "AND (p_mfgr = 'MFGR#1' OR p_mfgr = 'MFGR#2') "
               "GROUP BY d_year, s_nation, p_category ORDER BY d_year, s_nation, p_category",
         pivot("Profit", {field(kSupplier, 1), field(kProduct, 1)}, {field(kYear, 0)},
               {filter(kCustomer, {path({"AMERICA"})}), filter(kSupplier, {path({"AMERICA"})}),
                filter(kProduct, {path({"MFGR#1"}), path({"MFGR#2"})}), filter(kYear, numbers(1997, 1998))})},
        {"Q4.3",
         "SELECT s_city, p_brand1, d_year," + flight4
             + "c_region = 'AMERICA' AND s_nation = 'UNITED STATES' AND (d_year = 1997 OR d_year = 1998) "
               "AND p_category = 'MFGR#14' GROUP BY d_year, s_city, p_brand1 ORDER BY d_year, s_city, p_brand1",
         pivot("Profit", {field(kSupplier, 2), field(kProduct, 2)}, {field(kYear, 0)},
               {filter(kCustomer, {path({"AMERICA"})}), filter(kSupplier, {path({"AMERICA", "UNITED STATES"})}),
                filter(kProduct, {path({"MFGR#1", "MFGR#14"})}), filter(kYear, numbers(1997, 1998))})},
    };
}

// City x City x Year: 437,500 groups at scale factor 1, with and without every subtotal
// (the SQL's ROLLUPs give the same total levels as the pivot, and name every level, so that
// every total cell is compared too), then the same with the distinct count of orders, and a
// small distinct count with totals.
std::vector<SsbQuery> beyond()
{
    const std::string from = " FROM customer, lineorder, supplier, \"date\" WHERE lo_custkey = c_custkey "
                             "AND lo_suppkey = s_suppkey AND lo_orderdate = d_datekey ";
    const std::string cities = "SELECT c_city, s_city, d_year, ";
    const std::string citiesByLevel = "SELECT c_region, c_nation, c_city, s_region, s_nation, s_city, d_year, ";
    const std::string flat = " GROUP BY c_city, s_city, d_year";
    const std::string rollUp =
        " GROUP BY ROLLUP (c_region, c_nation, c_city, s_region, s_nation, s_city), ROLLUP (d_year)";
    const auto withTotals = [](PivotQuery q) {
        for (olap::Axis* axis : {&q.rows, &q.columns}) {
            axis->subtotals = true;
            axis->grandTotal = true;
        }
        return q;
    };
    const PivotQuery revenue = pivot("Revenue", {field(kCustomer, 2), field(kSupplier, 2)}, {field(kYear, 0)}, {});
    const PivotQuery orders = pivot("Orders", {field(kCustomer, 2), field(kSupplier, 2)}, {field(kYear, 0)}, {});
    std::vector<SsbQuery> queries{
        {"A cities", cities + "sum(lo_revenue)" + from + flat, revenue, false},
        {"A cities totals", citiesByLevel + "sum(lo_revenue)" + from + rollUp, withTotals(revenue), false},
        {"B cities", cities + "count(DISTINCT lo_orderkey)" + from + flat, orders, false},
        {"B cities totals", citiesByLevel + "count(DISTINCT lo_orderkey)" + from + rollUp, withTotals(orders), false},
        {"B year region totals",
         "SELECT d_year, c_region, count(DISTINCT lo_orderkey)" + from + "GROUP BY CUBE (d_year, c_region)",
         withTotals(pivot("Orders", {field(kYear, 0)}, {field(kCustomer, 0)}, {})), false},
    };
    return queries;
}

}

const std::vector<SsbQuery>& ssbQueries()
{
    static const std::vector<SsbQuery> queries = [] {
        std::vector<SsbQuery> all = build();
        for (SsbQuery& q : beyond())
            all.push_back(std::move(q));
        return all;
    }();
    return queries;
}

}
