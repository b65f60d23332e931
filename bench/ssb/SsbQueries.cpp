#include "SsbQueries.h"

#include <QFile>
#include <QRegularExpression>

using namespace olap;

namespace {

MemberPath path(const QStringList& keys)
{
    return MemberPath{keys};
}

Filter filter(const char* hierarchy, const QVector<MemberPath>& include)
{
    return Filter{QString::fromLatin1(hierarchy), include};
}

QVector<MemberPath> range(int first, int last, const QStringList& prefix = {})
{
    QVector<MemberPath> paths;
    for (int i = first; i <= last; ++i)
        paths.append(path(prefix + QStringList{QString::number(i)}));
    return paths;
}

QVector<MemberPath> singles(std::initializer_list<QStringList> keys)
{
    QVector<MemberPath> paths;
    for (const QStringList& k : keys)
        paths.append(path(k));
    return paths;
}

AxisField field(const char* hierarchy, int level)
{
    AxisField f;
    f.hierarchy = QString::fromLatin1(hierarchy);
    f.level = level;
    return f;
}

PivotQuery pivot(const char* measure, std::initializer_list<AxisField> rows, QVector<Filter> filters)
{
    PivotQuery q;
    q.rows.fields = rows;
    q.rows.subtotals = false;   // the benchmark asks for the groups only
    q.rows.grandTotal = rows.size() == 0;
    q.columns.subtotals = false;
    q.filters = std::move(filters);
    q.measures = {QString::fromLatin1(measure)};
    return q;
}

QString s(const char* text)
{
    return QString::fromLatin1(text);
}

}

std::vector<SsbQuery> ssbQueries(const QString& queriesSqlPath)
{
    const QStringList ukCities{s("UNITED KI1"), s("UNITED KI5")};
    QVector<MemberPath> uk;
    for (const QString& city : ukCities)
        uk.append(path({s("EUROPE"), s("UNITED KINGDOM"), city}));
    const QVector<MemberPath> years92to97 = range(1992, 1997);
    const QVector<MemberPath> mfgr1and2 = singles({{s("MFGR#1")}, {s("MFGR#2")}});
    const QVector<MemberPath> america = singles({{s("AMERICA")}});
    const QVector<MemberPath> unitedStates = singles({{s("AMERICA"), s("UNITED STATES")}});
    QVector<MemberPath> brands2221to2228;
    for (int b = 21; b <= 28; ++b)
        brands2221to2228.append(path({s("MFGR#2"), s("MFGR#22"), s("MFGR#22") + QString::number(b)}));

    std::vector<SsbQuery> q{
        {s("Q1.1"), pivot("Discount Revenue", {}, {filter("Date", range(1993, 1993)), filter("Discount", range(1, 3)),
                                                    filter("Quantity", range(1, 24))}), {}},
        {s("Q1.2"), pivot("Discount Revenue", {}, {filter("Date", singles({{s("1994"), s("1")}})),
                                                    filter("Discount", range(4, 6)), filter("Quantity", range(26, 35))}), {}},
        {s("Q1.3"), pivot("Discount Revenue", {}, {filter("Week", singles({{s("1994"), s("6")}})),
                                                    filter("Discount", range(5, 7)), filter("Quantity", range(26, 35))}), {}},
        {s("Q2.1"), pivot("Revenue", {field("Date", 0), field("Part", 2)},
                          {filter("Part", singles({{s("MFGR#1"), s("MFGR#12")}})), filter("Supplier", america)}), {}},
        {s("Q2.2"), pivot("Revenue", {field("Date", 0), field("Part", 2)},
                          {filter("Part", brands2221to2228), filter("Supplier", singles({{s("ASIA")}}))}), {}},
        {s("Q2.3"), pivot("Revenue", {field("Date", 0), field("Part", 2)},
                          {filter("Part", singles({{s("MFGR#2"), s("MFGR#22"), s("MFGR#2239")}})),
                           filter("Supplier", singles({{s("EUROPE")}}))}), {}},
        {s("Q3.1"), pivot("Revenue", {field("Customer", 1), field("Supplier", 1), field("Date", 0)},
                          {filter("Customer", singles({{s("ASIA")}})), filter("Supplier", singles({{s("ASIA")}})),
                           filter("Date", years92to97)}), {}},
        {s("Q3.2"), pivot("Revenue", {field("Customer", 2), field("Supplier", 2), field("Date", 0)},
                          {filter("Customer", unitedStates), filter("Supplier", unitedStates),
                           filter("Date", years92to97)}), {}},
        {s("Q3.3"), pivot("Revenue", {field("Customer", 2), field("Supplier", 2), field("Date", 0)},
                          {filter("Customer", uk), filter("Supplier", uk), filter("Date", years92to97)}), {}},
        {s("Q3.4"), pivot("Revenue", {field("Customer", 2), field("Supplier", 2), field("Date", 0)},
                          {filter("Customer", uk), filter("Supplier", uk),
                           filter("Date", singles({{s("1997"), s("12")}}))}), {}},
        {s("Q4.1"), pivot("Profit", {field("Date", 0), field("Customer", 1)},
                          {filter("Customer", america), filter("Supplier", america), filter("Part", mfgr1and2)}), {}},
        {s("Q4.2"), pivot("Profit", {field("Date", 0), field("Supplier", 1), field("Part", 1)},
                          {filter("Customer", america), filter("Supplier", america), filter("Date", range(1997, 1998)),
                           filter("Part", mfgr1and2)}), {}},
        {s("Q4.3"), pivot("Profit", {field("Date", 0), field("Supplier", 2), field("Part", 2)},
                          {filter("Customer", america), filter("Supplier", unitedStates),
                           filter("Date", range(1997, 1998)),
                           filter("Part", singles({{s("MFGR#1"), s("MFGR#14")}}))}), {}},
    };

    QFile file(queriesSqlPath);
    if (file.open(QIODevice::ReadOnly)) {
        const QString text = QString::fromUtf8(file.readAll());
        const QStringList parts = text.split(QRegularExpression(s("^-- (Q\\d\\.\\d)$"),
                                                                QRegularExpression::MultilineOption));
        for (size_t i = 0; i < q.size() && qsizetype(i) + 1 < parts.size(); ++i)
            q[i].sql = parts[qsizetype(i) + 1].trimmed().chopped(1);   // without the ";"
    }
    return q;
}
