#include "olap/ServerSql.h"

#include <QMap>
#include <algorithm>

namespace olap {

namespace {

QString alias(int hierarchy)
{
    return QStringLiteral("h%1").arg(hierarchy);
}

// "table alias ON f.key = alias.key": how the facts reach a hierarchy's dimension rows.
QString joinOn(const HierarchyStorage& s, const QString& dimensionAlias)
{
    return QStringLiteral("%1 %2 ON f.%3 = %2.%4")
        .arg(quoteIdentifier(s.dimensionTable, true), dimensionAlias, quoteIdentifier(s.factKey),
             quoteIdentifier(s.dimensionKey));
}

bool sameJoin(const HierarchyStorage& a, const HierarchyStorage& b)
{
    return a.factKey == b.factKey && a.dimensionTable == b.dimensionTable && a.dimensionKey == b.dimensionKey;
}

QString asText(const QString& expression)
{
    return QStringLiteral("CAST(%1 AS text)").arg(expression);
}

// An array in the server's text form: every element quoted, quotes and backslashes escaped.
QString arrayLiteral(const QStringList& values)
{
    QStringList quoted;
    for (QString v : values) {
        v.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('"'), QStringLiteral("\\\""));
        quoted << QLatin1Char('"') + v + QLatin1Char('"');
    }
    return QLatin1Char('{') + quoted.join(QLatin1Char(',')) + QLatin1Char('}');
}

std::vector<const FieldPlan*> axisFields(const QueryPlan& plan)
{
    std::vector<const FieldPlan*> fields;
    for (const FieldPlan& f : plan.rows)
        fields.push_back(&f);
    for (const FieldPlan& f : plan.columns)
        fields.push_back(&f);
    return fields;
}

// A combination of depths, one per field of an axis (-1: All), that one grouping set computes.
struct AxisShape
{
    std::vector<int> depths;
    bool leaves = false;   // some of its positions are no total: every field at a member without shown children
};

// The shapes an axis is grouped at: each field down to some level, the fields after the first
// All field all at All. A field followed by another one is grouped only at depths where it has
// visible members without shown children; the last grouped field at any depth with visible members.
std::vector<AxisShape> axisShapes(const std::vector<FieldPlan>& fields)
{
    std::vector<AxisShape> shapes{{std::vector<int>(fields.size(), -1), fields.empty()}};
    std::vector<std::vector<int>> prefixes{{}};
    for (size_t f = 0; f < fields.size(); ++f) {
        const FieldPlan& field = fields[f];
        std::vector<uint8_t> anyVisible(size_t(field.deepestLevel) + 1, 0);
        std::vector<uint8_t> anyLeaf(size_t(field.deepestLevel) + 1, 0);
        for (size_t id = 0; id < field.visible.size(); ++id) {
            if (!field.visible[id])
                continue;
            const size_t level = size_t(field.index->member(int(id)).level);
            anyVisible[level] = 1;
            anyLeaf[level] = anyLeaf[level] || !field.open[id];
        }
        std::vector<std::vector<int>> next;
        for (const auto& prefix : prefixes) {
            for (int depth = 0; depth <= field.deepestLevel; ++depth) {
                std::vector<int> shape = prefix;
                shape.push_back(depth);
                if (anyVisible[size_t(depth)]) {
                    std::vector<int> full = shape;
                    full.resize(fields.size(), -1);
                    shapes.push_back({full, f + 1 == fields.size() && anyLeaf[size_t(depth)]});
                }
                if (anyLeaf[size_t(depth)])
                    next.push_back(shape);
            }
        }
        prefixes = std::move(next);
    }
    return shapes;
}

bool isAll(const AxisShape& shape)
{
    return std::all_of(shape.depths.begin(), shape.depths.end(), [](int depth) { return depth < 0; });
}

// Whether the layout shows positions of this shape: totals only where the axis shows them.
bool shown(const AxisShape& shape, const Axis& axis)
{
    if (isAll(shape))
        return shape.depths.empty() || axis.grandTotal;
    return shape.leaves || axis.subtotals;
}

// Sorting an axis by value needs each of its members' totals over the whole other axis.
bool sortedByValue(const Axis& axis)
{
    return axis.sortByValue != SortOrder::None && axis.sortByMeasure.has_value();
}

QString groupByClause(const std::vector<QStringList>& sets)
{
    // A single set is a plain GROUP BY, which the server can aggregate in parallel workers
    // (it cannot with grouping sets).
    if (sets.size() == 1)
        return sets.front().isEmpty() ? QString()
                                      : QStringLiteral(" GROUP BY ") + sets.front().join(QStringLiteral(", "));
    QStringList groupingSets;
    for (const QStringList& columns : sets)
        groupingSets << QLatin1Char('(') + columns.join(QStringLiteral(", ")) + QLatin1Char(')');
    return QStringLiteral(" GROUP BY GROUPING SETS (") + groupingSets.join(QStringLiteral(", ")) + QLatin1Char(')');
}

}

std::vector<HierarchyIndex> readHierarchyIndexes(const SqlRunner& run, const CubeDefinition& cube,
                                                 std::vector<std::vector<bool>>& emptyTexts)
{
    std::vector<HierarchyIndex> indexes;
    emptyTexts.clear();
    for (const HierarchyStorage& h : cube.hierarchies) {
        // The key, caption and sort value of each level, as texts.
        QStringList columns;
        for (const LevelColumns& level : h.levels) {
            columns << asText(quoteIdentifier(level.keyColumn))
                    << asText(quoteIdentifier(level.captionColumn.isEmpty() ? level.keyColumn : level.captionColumn))
                    << asText(quoteIdentifier(level.sortColumn.isEmpty() ? level.keyColumn : level.sortColumn));
        }
        const QString sql = QStringLiteral("SELECT %1 FROM %2")
                                .arg(columns.join(QStringLiteral(", ")), quoteIdentifier(h.dimensionTable, true));
        const int levels = int(h.levels.size());
        HierarchyIndex index(levels);
        std::vector<bool> empty(size_t(levels), false);
        QVector<LevelCell> cells(levels);
        for (const SqlRow& row : run(sql, {})) {
            for (int l = 0; l < levels; ++l) {
                const QVariant& key = row[3 * l];
                cells[l] = {key.toString(), row[3 * l + 1].toString(), row[3 * l + 2].toString()};
                if (!key.isNull() && cells[l].key.isEmpty())
                    empty[size_t(l)] = true;
            }
            index.addRow(cells);
        }
        index.finish();
        indexes.push_back(std::move(index));
        emptyTexts.push_back(std::move(empty));
    }
    return indexes;
}

ServerKeys readServerKeys(const SqlRunner& run, const CubeDefinition& cube)
{
    ServerKeys keys;
    keys.unmatched = hierarchiesWithUnmatchedFacts(run, cube);
    keys.indexes = readHierarchyIndexes(run, cube, keys.emptyTexts);
    return keys;
}

std::vector<bool> hierarchiesWithUnmatchedFacts(const SqlRunner& run, const CubeDefinition& cube)
{
    // One scan of the fact table answers for every dimension. The dimension key is unique
    // (a repeated one is refused), so the left joins keep one row per fact; a NULL key on
    // either side matches nothing, as in the inner join of a pivot query. MAX over 0 and 1
    // rather than bool_or keeps the statement plain SQL.
    std::vector<int> columnOf;   // by hierarchy; hierarchies with the same join share a column
    QStringList columns;
    QString joins;
    for (int h = 0; h < cube.hierarchies.size(); ++h) {
        const HierarchyStorage& s = cube.hierarchies[h];
        int first = 0;
        while (!sameJoin(cube.hierarchies[first], s))
            ++first;
        if (first < h) {
            columnOf.push_back(columnOf[size_t(first)]);
            continue;
        }
        joins += QStringLiteral(" LEFT JOIN ") + joinOn(s, alias(h));
        columns << QStringLiteral("MAX(CASE WHEN %1.%2 IS NULL THEN 1 ELSE 0 END)")
                       .arg(alias(h), quoteIdentifier(s.dimensionKey));
        columnOf.push_back(int(columns.size()) - 1);
    }
    if (columns.isEmpty())
        return {};
    const QVector<SqlRow> rows =
        run(QStringLiteral("SELECT %1 FROM %2 f%3")
                .arg(columns.join(QStringLiteral(", ")), quoteIdentifier(cube.factTable, true), joins),
            {});
    std::vector<bool> unmatched;
    for (int c : columnOf)
        unmatched.push_back(!rows.isEmpty() && rows.front().value(c).toString() == QLatin1String("1"));
    return unmatched;
}

QString ServerSql::levelColumn(int hierarchy, int level) const
{
    return alias(hierarchy) + QLatin1Char('.') + quoteIdentifier(m_cube.hierarchies[hierarchy].levels[level].keyColumn);
}

QString ServerSql::groupColumn(int hierarchy, int level) const
{
    // NULL and '' are one member, the empty one: the server groups them together, or one group
    // would overwrite the other. A text cast on every row costs time, so only where '' occurs.
    const QString column = levelColumn(hierarchy, level);
    if (!m_keys.emptyTexts[size_t(hierarchy)][size_t(level)])
        return column;
    return QStringLiteral("CASE WHEN ") + asText(column) + QStringLiteral(" = '' THEN NULL ELSE ") + column
        + QStringLiteral(" END");
}

QString ServerSql::fromClause(const std::set<int>& hierarchies) const
{
    QString from = QStringLiteral(" FROM %1 f").arg(quoteIdentifier(m_cube.factTable, true));
    for (int h : hierarchies)
        from += QStringLiteral(" JOIN ") + joinOn(m_cube.hierarchies[h], alias(h));
    return from;
}

// Names and keys never go through QString::arg after another text was put in: a column named
// "a%1" would be read as a placeholder.
QString ServerSql::keyCondition(int hierarchy, int level, const QString& key, QStringList& params) const
{
    const QString column = levelColumn(hierarchy, level);
    // The member with the empty key stands for NULL and for an empty text alike.
    if (key.isEmpty())
        return QStringLiteral("(") + column + QStringLiteral(" IS NULL OR ") + asText(column)
            + QStringLiteral(" = '')");
    // The parameter takes the column's own type, so the planner sees the column and its statistics.
    params << key;
    return column + QStringLiteral(" = $") + QString::number(params.size());
}

QString ServerSql::memberCondition(int hierarchy, int member, QStringList& params) const
{
    const MemberPath path = m_keys.indexes[size_t(hierarchy)].pathOf(member);
    QStringList parts;
    for (int level = 0; level < path.keys.size(); ++level)
        parts << keyCondition(hierarchy, level, path.keys[level], params);
    return QLatin1Char('(') + parts.join(QStringLiteral(" AND ")) + QLatin1Char(')');
}

QString ServerSql::membersCondition(int hierarchy, const QVector<int>& members, QStringList& params) const
{
    // Members under the same parent share its conditions and compare their own keys with
    // one array; members with an empty key have a condition of their own.
    const HierarchyIndex& index = m_keys.indexes[size_t(hierarchy)];
    QMap<QPair<int, int>, QStringList> keysUnder;   // (level, parent) -> keys
    QStringList any;
    for (int member : members) {
        const auto& info = index.member(member);
        if (info.key.isEmpty())
            any << memberCondition(hierarchy, member, params);
        else
            keysUnder[{info.level, info.parent}] << info.key;
    }
    for (auto it = keysUnder.cbegin(); it != keysUnder.cend(); ++it) {
        const auto [level, parent] = it.key();
        QStringList parts;
        if (parent >= 0) {
            const MemberPath above = index.pathOf(parent);
            for (int l = 0; l < above.keys.size(); ++l)
                parts << keyCondition(hierarchy, l, above.keys[l], params);
        }
        if (it->size() == 1) {
            parts << keyCondition(hierarchy, level, it->front(), params);
        } else {
            params << arrayLiteral(*it);
            parts << levelColumn(hierarchy, level) + QStringLiteral(" = ANY($") + QString::number(params.size())
                    + QLatin1Char(')');
        }
        any << QLatin1Char('(') + parts.join(QStringLiteral(" AND ")) + QLatin1Char(')');
    }
    return any.isEmpty() ? QStringLiteral("FALSE")
                         : QLatin1Char('(') + any.join(QStringLiteral(" OR ")) + QLatin1Char(')');
}

QString ServerSql::whereClause(const QueryPlan& plan, const std::vector<CellMember>& cell, QStringList& params) const
{
    QStringList conditions;
    for (const HierarchyFilter& filter : plan.filters) {
        for (const QVector<int>& set : filter.includeSets)
            conditions << membersCondition(filter.hierarchy, set, params);
    }
    for (const CellMember& c : cell)
        conditions << (c.member < 0 ? QStringLiteral("FALSE") : memberCondition(c.hierarchy, c.member, params));
    return conditions.isEmpty() ? QString() : QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
}

std::vector<QStringList> ServerSql::groupingSets(const QueryPlan& plan, const PivotQuery& query) const
{
    // Only the sets whose positions the layout shows, or sorts an axis by: a coarser level
    // fetched for nothing costs a pass over the facts and the server's parallel workers.
    const auto columnsOf = [&](const std::vector<FieldPlan>& fields, const AxisShape& shape, QStringList& columns) {
        for (size_t f = 0; f < fields.size(); ++f) {
            for (int level = 0; level <= shape.depths[f]; ++level)
                columns << groupColumn(fields[f].hierarchy, level);
        }
    };
    std::vector<QStringList> sets;
    for (const AxisShape& rowShape : axisShapes(plan.rows)) {
        for (const AxisShape& columnShape : axisShapes(plan.columns)) {
            if (!(shown(rowShape, query.rows) && shown(columnShape, query.columns))
                && !(sortedByValue(query.rows) && isAll(columnShape))
                && !(sortedByValue(query.columns) && isAll(rowShape)))
                continue;
            QStringList columns;
            columnsOf(plan.rows, rowShape, columns);
            columnsOf(plan.columns, columnShape, columns);
            sets.push_back(columns);
        }
    }
    return sets;
}

QStringList ServerSql::groupedLevels(const QueryPlan& plan, const std::vector<QStringList>& sets) const
{
    // Each level of each axis field as a flag and a text: the flag is 1 where the row's set does
    // not group the level. A single set is a plain GROUP BY, so its flags are constants; so
    // are those of a level that no set groups.
    QStringList select;
    for (const FieldPlan* f : axisFields(plan)) {
        for (int level = 0; level <= f->deepestLevel; ++level) {
            const QString column = groupColumn(f->hierarchy, level);
            const auto inSet = [&](const QStringList& set) { return set.contains(column); };
            if (sets.size() > 1 && std::any_of(sets.begin(), sets.end(), inSet))
                select << QStringLiteral("GROUPING(") + column + QLatin1Char(')') << asText(column);
            else if (sets.size() == 1 && inSet(sets.front()))
                select << QStringLiteral("0") << asText(column);
            else
                select << QStringLiteral("1") << QStringLiteral("NULL");
        }
    }
    return select;
}

QString ServerSql::aggregate(int measure) const
{
    const QString column = QStringLiteral("f.") + quoteIdentifier(m_cube.measures[measure].column);
    QString aggregate;
    switch (m_cube.schema.measures[measure].aggregate) {
    case Aggregate::Sum:
        aggregate = QStringLiteral("SUM(") + column + QLatin1Char(')');
        break;
    case Aggregate::Count:
        aggregate = m_cube.measures[measure].column.isEmpty() ? QStringLiteral("COUNT(*)")
                                                              : QStringLiteral("COUNT(") + column + QLatin1Char(')');
        break;
    case Aggregate::Min:
        aggregate = QStringLiteral("MIN(") + column + QLatin1Char(')');
        break;
    case Aggregate::Max:
        aggregate = QStringLiteral("MAX(") + column + QLatin1Char(')');
        break;
    case Aggregate::Average:
        aggregate = QStringLiteral("AVG(") + column + QLatin1Char(')');
        break;
    case Aggregate::DistinctCount:
        aggregate = QStringLiteral("COUNT(DISTINCT ") + column + QLatin1Char(')');
        break;
    }
    // As text, which keeps every digit: the sum of a bigint column is a numeric that may pass
    // 64 bits, and a double would round whole numbers beyond 2^53.
    return asText(aggregate);
}

std::set<int> ServerSql::joinedHierarchies(const QueryPlan& plan) const
{
    std::set<int> used;
    for (const FieldPlan* f : axisFields(plan))
        used.insert(f->hierarchy);
    for (const HierarchyFilter& filter : plan.filters)
        used.insert(filter.hierarchy);
    // A fact whose key matches no dimension row counts nowhere, so that no total depends on
    // the layout (as in a cube file): a dimension with such facts joins, shown or not, unless
    // a joined hierarchy already drops them. Joining the others too would only cost time.
    for (int h = 0; h < int(m_cube.hierarchies.size()); ++h) {
        const auto dropped = [&] {
            return std::any_of(used.begin(), used.end(),
                               [&](int u) { return sameJoin(m_cube.hierarchies[u], m_cube.hierarchies[h]); });
        };
        if (m_keys.unmatched[size_t(h)] && !dropped())
            used.insert(h);
    }
    return used;
}

QString ServerSql::pivotQuery(const QueryPlan& plan, const PivotQuery& query, QStringList& params) const
{
    const std::vector<QStringList> sets = groupingSets(plan, query);
    QStringList select = groupedLevels(plan, sets);
    for (int m : plan.measures)
        select << aggregate(m);
    if (select.isEmpty())
        select << QStringLiteral("COUNT(*)");
    return QStringLiteral("SELECT ") + select.join(QStringLiteral(", ")) + fromClause(joinedHierarchies(plan))
        + whereClause(plan, {}, params) + groupByClause(sets);
}

void ServerSql::readPivotRows(const QueryPlan& plan, const QVector<SqlRow>& rows, CellTable& cells) const
{
    const std::vector<const FieldPlan*> fields = axisFields(plan);
    const size_t rowFields = plan.rows.size();
    for (const SqlRow& row : rows) {
        Position rowPosition(qsizetype(rowFields), -1);
        Position columnPosition(qsizetype(plan.columns.size()), -1);
        int column = 0;
        bool shown = true;
        bool afterAll[2] = {false, false};
        bool afterSubtotal[2] = {false, false};
        for (size_t f = 0; f < fields.size(); ++f) {
            const FieldPlan& field = *fields[f];
            MemberPath path;
            for (int level = 0; level <= field.deepestLevel; ++level, column += 2) {
                if (row[column].toString() == QLatin1String("0"))
                    path.keys << row[column + 1].toString();
            }
            const int axis = f < rowFields ? 0 : 1;
            int member = -1;
            if (!path.isAll()) {
                member = field.index->find(path);
                // A member below one whose children are hidden, or after a subtotal or All on
                // the same axis, is no position of the layout.
                shown =
                    shown && member >= 0 && field.visible[size_t(member)] && !afterAll[axis] && !afterSubtotal[axis];
                if (shown && field.open[size_t(member)])
                    afterSubtotal[axis] = true;
            } else {
                afterAll[axis] = true;
            }
            (axis == 0 ? rowPosition[qsizetype(f)] : columnPosition[qsizetype(f - rowFields)]) = member;
        }
        if (!shown)
            continue;
        // The layout looks for the positions above a member to find the members with facts,
        // also where no grouping set computes their values.
        for (const Position& p : positionsAbove(rowPosition, plan.rows))
            cells.rows.intern(p);
        for (const Position& p : positionsAbove(columnPosition, plan.columns))
            cells.columns.intern(p);
        CellValue* values = cells.cell(cells.rows.intern(rowPosition), cells.columns.intern(columnPosition));
        for (int m = 0; m < cells.measureCount(); ++m) {
            const QVariant& v = row[column + m];
            if (!v.isNull())
                values[m] = CellValue::fromText(v.toString());
        }
    }
}

QString ServerSql::detailQuery(const QueryPlan& plan, const std::vector<CellMember>& cell, int limit,
                               QStringList& params) const
{
    std::set<int> all;
    QStringList select;
    for (int h = 0; h < m_cube.hierarchies.size(); ++h) {
        all.insert(h);
        for (const LevelColumns& level : m_cube.hierarchies[h].levels)
            select << asText(alias(h) + QLatin1Char('.')
                             + quoteIdentifier(level.captionColumn.isEmpty() ? level.keyColumn : level.captionColumn));
    }
    for (const MeasureStorage& m : m_cube.measures) {
        if (!m.column.isEmpty())
            select << asText(QStringLiteral("f.") + quoteIdentifier(m.column));
    }
    return QStringLiteral("SELECT ") + select.join(QStringLiteral(", ")) + fromClause(all)
        + whereClause(plan, cell, params) + QStringLiteral(" LIMIT %1").arg(qint64(limit) + 1);
}

}
