#include "pivot/PivotLayout.h"

#include <algorithm>

namespace olap {
bool operator==(const AxisField& a, const AxisField& b)
{
    return a.hierarchy == b.hierarchy && a.level == b.level && a.expanded == b.expanded && a.collapsed == b.collapsed;
}
bool operator==(const Axis& a, const Axis& b)
{
    return a.fields == b.fields && a.showEmpty == b.showEmpty && a.subtotals == b.subtotals
        && a.grandTotal == b.grandTotal && a.sortByLabel == b.sortByLabel && a.sortByMeasure == b.sortByMeasure
        && a.sortByValue == b.sortByValue;
}
bool operator==(const Filter& a, const Filter& b)
{
    return a.hierarchy == b.hierarchy && a.include == b.include;
}
}

namespace pivot {

olap::PivotQuery PivotLayout::toQuery() const
{
    olap::PivotQuery query;
    query.rows = rows;
    query.columns = columns;
    query.filters = filters;
    for (const DataField& field : dataFields)
        query.measures << field.measure;
    // A value sort names a measure by its place among the data fields; drop one that
    // no longer exists rather than hand the engine an index out of range.
    for (olap::Axis* axis : {&query.rows, &query.columns}) {
        if (axis->sortByMeasure && (*axis->sortByMeasure < 0 || *axis->sortByMeasure >= dataFields.size())) {
            axis->sortByMeasure.reset();
            axis->sortByValue = olap::SortOrder::None;
        }
    }
    return query;
}

std::optional<std::pair<Area, int>> PivotLayout::find(const FieldRef& field) const
{
    if (field.kind == FieldRef::Kind::Measure) {
        for (int i = 0; i < dataFields.size(); ++i)
            if (dataFields[i].measure == field.name)
                return std::pair{Area::Data, i};
        return std::nullopt;
    }
    for (Area area : {Area::Row, Area::Column}) {
        const auto& fields = axis(area).fields;
        for (int i = 0; i < fields.size(); ++i)
            if (fields[i].hierarchy == field.name)
                return std::pair{area, i};
    }
    for (int i = 0; i < filterFields.size(); ++i)
        if (filterFields[i].hierarchy == field.name)
            return std::pair{Area::Filter, i};
    return std::nullopt;
}

QVector<FieldRef> PivotLayout::fieldsOf(Area area) const
{
    QVector<FieldRef> out;
    switch (area) {
    case Area::Data:
        for (const DataField& f : dataFields)
            out << FieldRef{FieldRef::Kind::Measure, f.measure, 0};
        break;
    case Area::Filter:
        for (const FilterField& f : filterFields)
            out << FieldRef{FieldRef::Kind::Hierarchy, f.hierarchy, f.level};
        break;
    case Area::Row:
    case Area::Column:
        for (const olap::AxisField& f : axis(area).fields)
            out << FieldRef{FieldRef::Kind::Hierarchy, f.hierarchy, f.level};
        break;
    }
    return out;
}

bool PivotLayout::place(const FieldRef& field, Area area, int index)
{
    const bool measure = field.kind == FieldRef::Kind::Measure;
    if (measure != (area == Area::Data))
        return false;
    const auto from = find(field);
    // Keep what the field carried (expanded members, the data field's caption) when it
    // only moves; a level dropped from the field list replaces the shown level.
    olap::AxisField axisField{field.name, field.level, {}, {}};
    DataField dataField{field.name, {}, {}};
    // A value sort names its measure by place, so it follows the measures a move shifts.
    QString sortedMeasure[2];
    for (const olap::Axis* sorted : {&rows, &columns})
        if (sorted->sortByMeasure && *sorted->sortByMeasure >= 0 && *sorted->sortByMeasure < dataFields.size())
            sortedMeasure[sorted == &rows ? 0 : 1] = dataFields[*sorted->sortByMeasure].measure;
    if (from) {
        const auto [fromArea, fromIndex] = *from;
        if (fromArea == Area::Data)
            dataField = dataFields.takeAt(fromIndex);
        else if (fromArea == Area::Filter)
            filterFields.remove(fromIndex);
        else
            axisField = axis(fromArea).fields.takeAt(fromIndex);
        if (fromArea == area && index > fromIndex)
            --index;
    }
    axisField.level = field.level;
    auto insertAt = [index](auto& list, auto value) {
        const int at = index < 0 || index > list.size() ? int(list.size()) : index;
        list.insert(at, value);
    };
    switch (area) {
    case Area::Data:
        insertAt(dataFields, dataField);
        break;
    case Area::Filter:
        insertAt(filterFields, FilterField{field.name, field.level});
        break;
    case Area::Row:
    case Area::Column:
        insertAt(axis(area).fields, axisField);
        break;
    }
    for (olap::Axis* sorted : {&rows, &columns}) {
        const QString& name = sortedMeasure[sorted == &rows ? 0 : 1];
        for (int i = 0; i < dataFields.size() && !name.isEmpty(); ++i)
            if (dataFields[i].measure == name)
                sorted->sortByMeasure = i;
    }
    return true;
}

void PivotLayout::remove(const FieldRef& field)
{
    const auto at = find(field);
    if (!at)
        return;
    const auto [area, index] = *at;
    switch (area) {
    case Area::Data:
        dataFields.remove(index);
        // A value sort on a removed measure has nothing left to sort by; one on a later
        // measure now names it one place earlier.
        for (olap::Axis* a : {&rows, &columns}) {
            if (!a->sortByMeasure)
                continue;
            if (*a->sortByMeasure == index) {
                a->sortByMeasure.reset();
                a->sortByValue = olap::SortOrder::None;
            } else if (*a->sortByMeasure > index) {
                a->sortByMeasure = *a->sortByMeasure - 1;
            }
        }
        break;
    case Area::Filter:
        filterFields.remove(index);
        break;
    case Area::Row:
    case Area::Column:
        axis(area).fields.remove(index);
        break;
    }
    // A filter on a hierarchy that left the pivot would go on hiding data unseen.
    if (field.kind == FieldRef::Kind::Hierarchy)
        setFilter(field.name, {});
}

const olap::Filter* PivotLayout::filterFor(const QString& hierarchy) const
{
    for (const olap::Filter& f : filters)
        if (f.hierarchy == hierarchy)
            return &f;
    return nullptr;
}

void PivotLayout::setFilter(const QString& hierarchy, const QVector<olap::MemberPath>& include)
{
    filters.removeIf([&](const olap::Filter& f) { return f.hierarchy == hierarchy; });
    if (!include.isEmpty())
        filters << olap::Filter{hierarchy, include};
}

bool PivotLayout::isExpanded(const olap::AxisField& field, const olap::MemberPath& member)
{
    if (member.level() < field.level)
        return !field.collapsed.contains(member);
    return field.expanded.contains(member);
}

void PivotLayout::setExpanded(Area area, int fieldIndex, const olap::MemberPath& member, bool expanded)
{
    auto& fields = axis(area).fields;
    if (fieldIndex < 0 || fieldIndex >= fields.size())
        return;
    olap::AxisField& field = fields[fieldIndex];
    field.expanded.removeAll(member);
    field.collapsed.removeAll(member);
    if (member.level() < field.level) {
        if (!expanded)
            field.collapsed << member;
    } else if (expanded) {
        field.expanded << member;
    }
}

void PivotLayout::setLevelExpanded(Area area, int fieldIndex, int level, bool expanded)
{
    auto& fields = axis(area).fields;
    if (fieldIndex < 0 || fieldIndex >= fields.size())
        return;
    olap::AxisField& field = fields[fieldIndex];
    // Showing the children of every member of `level` means showing levels down to level+1.
    field.level = expanded ? std::max(field.level, level + 1) : std::min(field.level, level);
    auto below = [&](const olap::MemberPath& m) { return expanded ? m.level() <= level : m.level() >= level; };
    field.expanded.removeIf(below);
    field.collapsed.removeIf(below);
}

}
