#pragma once

#include "olap/CubeSource.h"

namespace olap {
// Layouts compare by value; the contract types have no comparison of their own.
bool operator==(const AxisField& a, const AxisField& b);
bool operator==(const Axis& a, const Axis& b);
bool operator==(const Filter& a, const Filter& b);
}

namespace pivot {

enum class Area { Filter, Row, Column, Data };

// What the user drags around: a hierarchy (shown from `level` down) or a measure.
struct FieldRef
{
    enum class Kind { Hierarchy, Measure };
    Kind kind = Kind::Hierarchy;
    QString name;
    int level = 0;
    friend bool operator==(const FieldRef&, const FieldRef&) = default;
};

// A measure in the data area; an empty caption or format falls back to the cube's.
struct DataField
{
    QString measure;
    QString caption;
    QString numberFormat;
    friend bool operator==(const DataField&, const DataField&) = default;
};

struct FilterField
{
    QString hierarchy;
    int level = 0;
    friend bool operator==(const FilterField&, const FilterField&) = default;
};

// Where every field stands and what is filtered, expanded and sorted: everything that
// decides the query, plus the data fields' own captions and formats.
class PivotLayout
{
public:
    olap::Axis rows;
    olap::Axis columns;
    QVector<FilterField> filterFields;
    QVector<olap::Filter> filters;   // member selections, for filter and axis fields alike
    QVector<DataField> dataFields;

    olap::PivotQuery toQuery() const;

    // Puts a field into an area at `index` (-1: at the end), taking it out of wherever it
    // stood. A hierarchy stands in one of filter, row and column; a measure only in data.
    // Returns false when the area cannot take that kind of field.
    bool place(const FieldRef& field, Area area, int index = -1);
    void remove(const FieldRef& field);
    // The area a hierarchy or measure stands in, if any, and its position there.
    std::optional<std::pair<Area, int>> find(const FieldRef& field) const;
    QVector<FieldRef> fieldsOf(Area area) const;

    olap::Axis& axis(Area area) { return area == Area::Row ? rows : columns; }
    const olap::Axis& axis(Area area) const { return area == Area::Row ? rows : columns; }

    const olap::Filter* filterFor(const QString& hierarchy) const;
    // An empty list removes the filter.
    void setFilter(const QString& hierarchy, const QVector<olap::MemberPath>& include);

    // Shows or hides the children of one member of an axis field.
    void setExpanded(Area area, int fieldIndex, const olap::MemberPath& member, bool expanded);
    static bool isExpanded(const olap::AxisField& field, const olap::MemberPath& member);
    // Expands or collapses every member of one level of an axis field.
    void setLevelExpanded(Area area, int fieldIndex, int level, bool expanded);

    friend bool operator==(const PivotLayout&, const PivotLayout&) = default;
};

}
