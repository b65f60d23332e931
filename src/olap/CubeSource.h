#pragma once

// The contract between the data layer and the components that show cube data (pivot
// table, chart): a cube's schema, pivot queries and their cell sets, member lists and
// detail rows. Cube files and the cube server both answer through CubeSource.

#include "olap/CellValue.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <memory>
#include <optional>
#include <vector>

namespace olap {

enum class Aggregate { Sum, Count, Min, Max, Average, DistinctCount };

struct Level
{
    QString name;   // unique within its hierarchy
    QString caption;
};

struct Hierarchy
{
    QString name;   // unique within the cube, e.g. "Time" or "Geography"
    QString caption;
    QString dimension;       // the dimension it belongs to
    QVector<Level> levels;   // top level first
};

struct Measure
{
    QString name;   // unique within the cube
    QString caption;
    Aggregate aggregate = Aggregate::Sum;
    QString numberFormat;   // "Currency", "Percent", "#,##0", "0.00", ... as the cube defines it
};

struct CubeSchema
{
    QString name;
    QString caption;
    QVector<Hierarchy> hierarchies;
    QVector<Measure> measures;
};

// A member of a hierarchy: the keys from the top level down to its own level, so that
// path.size() - 1 is its level. An empty path is the hierarchy's "All" member.
struct MemberPath
{
    QStringList keys;
    int level() const { return int(keys.size()) - 1; }
    bool isAll() const { return keys.isEmpty(); }
    friend bool operator==(const MemberPath&, const MemberPath&) = default;
};

struct Member
{
    MemberPath path;
    QString caption;
};

// A hierarchy placed on the row or column axis. Members of levels up to `level` are
// always shown; a member listed in `expanded` also shows its children (drill-down).
struct AxisField
{
    QString hierarchy;
    int level = 0;
    QVector<MemberPath> expanded;
    QVector<MemberPath> collapsed;   // members of levels <= `level` shown without children
};

enum class SortOrder { None, Ascending, Descending };

struct Axis
{
    QVector<AxisField> fields;   // outermost first
    bool showEmpty = false;      // members with no value in any cell are kept
    bool subtotals = true;       // one total tuple per expanded member
    bool grandTotal = true;
    SortOrder sortByLabel = SortOrder::None;   // None: the hierarchy's own order
    // Sorting by value: the measure and the tuple of the other axis whose values order this axis.
    // (sortByMeasure indexes PivotQuery::measures; members are ordered by their totals over the
    // whole other axis, siblings among themselves, members without a value last. It takes
    // precedence over sortByLabel.)
    std::optional<int> sortByMeasure;
    SortOrder sortByValue = SortOrder::None;
};

// Members kept by a filter: only these (and what lies below them) take part. An empty
// list keeps everything.
struct Filter
{
    QString hierarchy;
    QVector<MemberPath> include;
};

struct PivotQuery
{
    Axis rows;
    Axis columns;
    QVector<Filter> filters;   // filter-area fields and filters on axis fields alike
    QStringList measures;      // measure names, in the order shown
};

// One position of an axis: a member for each field of the axis. A total stands where a
// field's member is the parent whose children precede it (`isTotal`), or the All member.
// Example, rows Year then Channel: (2023, Online) (2023, Retail) (2023, All*) ... (All*, All*),
// where * marks isTotal; with Year expanded to quarters: (Q1, ...) ... (2023*, All*). The member
// whose inner fields are All keeps isTotal false: it is that member's total over the inner fields.
struct TupleMember
{
    Member member;
    bool isTotal = false;
};

struct Tuple
{
    QVector<TupleMember> members;   // one per axis field; empty for an axis without fields
};

// An axis without fields has exactly one tuple, with no members: the total.
struct CellSet
{
    QVector<Tuple> rows;
    QVector<Tuple> columns;
    QStringList measures;
    // Values by (row, column, measure), row-major; no value where no fact contributes. A sum of
    // an integer column is whole: 9007199254740993 and 1 give whole(9007199254740994) (CellValue).
    std::vector<CellValue> values;

    // The value exactly, as the pivot shows it.
    const CellValue& cell(int row, int column, int measure) const
    {
        return values[(size_t(row) * size_t(columns.size()) + size_t(column)) * size_t(measures.size())
                      + size_t(measure)];
    }
    // The value as a double, as a chart draws it.
    std::optional<double> value(int row, int column, int measure) const
    {
        return cell(row, column, measure).toOptional();
    }
};

struct DetailRows
{
    // The caption of every level of every hierarchy, then every measure that has a column.
    QStringList columns;
    QVector<QVector<QVariant>> rows;
    bool truncated = false;   // more rows exist than were asked for
};

class CubeSource
{
public:
    virtual ~CubeSource() = default;
    virtual const CubeSchema& schema() const = 0;
    // Throws platform::VbError on failure.
    virtual CellSet query(const PivotQuery& query) = 0;
    // The members of one level, below `parent` when it is not the All member, whose caption
    // contains `search` (ignoring case) when it is not empty; in the hierarchy's order.
    virtual QVector<Member> members(const QString& hierarchy, int level, const MemberPath& parent = {},
                                    const QString& search = {}) = 0;
    // The fact rows behind one cell of the query's cell set, at most `limit` of them.
    virtual DetailRows details(const PivotQuery& query, int row, int column, int limit) = 0;
    // While the source's data is still being read: rows read and rows in all (0: not known).
    virtual std::optional<std::pair<qint64, qint64>> readProgress() const { return std::nullopt; }
    // While a call waits for the cube server's answer: milliseconds waited. Safe from any thread.
    virtual std::optional<qint64> serverWait() const { return std::nullopt; }
    // Gives up the call that waits for the cube server; it fails, saying so. Safe from any thread.
    virtual void stopWaiting() {}
};

}
