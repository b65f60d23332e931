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

// The depths an axis is grouped at: each field down to some level, the fields after the
// first All field all at All (-1). A field followed by another one is grouped only at depths
// where it has visible members without shown children; the last grouped field at any depth
// with visible members.
std::vector<std::vector<int>> axisShapes(const std::vector<FieldPlan>& fields)
{
    std::vector<std::vector<int>> shapes{std::vector<int>(fields.size(), -1)};
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
                    shapes.push_back(full);
                }
                if (anyLeaf[size_t(depth)])
                    next.push_back(shape);
            }
        }
        prefixes = std::move(next);
    }
    // Every level column selected must be grouped somewhere, even where no member shows.
    std::vector<int> deepest(fields.size(), -1);
    for (const auto& shape : shapes) {
        for (size_t f = 0; f < fields.size(); ++f)
            deepest[f] = std::max(deepest[f], shape[f]);
    }
    for (size_t f = 0; f < fields.size(); ++f) {
        if (deepest[f] < fields[f].deepestLevel) {
            std::vector<int> all;
            for (const FieldPlan& field : fields)
                all.push_back(field.deepestLevel);
            shapes.push_back(all);
            break;
        }
    }
    return shapes;
}

}

std::vector<HierarchyIndex> readHierarchyIndexes(const SqlRunner& run, const CubeDefinition& cube)
{
    std::vector<HierarchyIndex> indexes;
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
        QVector<LevelCell> cells(levels);
        for (const SqlRow& row : run(sql, {})) {
            for (int l = 0; l < levels; ++l)
                cells[l] = {row[3 * l].toString(), row[3 * l + 1].toString(), row[3 * l + 2].toString()};
            index.addRow(cells);
        }
        index.finish();
        indexes.push_back(std::move(index));
    }
    return indexes;
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

QString ServerSql::fromClause(const std::set<int>& hierarchies) const
{
    QString from = QStringLiteral(" FROM %1 f").arg(quoteIdentifier(m_cube.factTable, true));
    for (int h : hierarchies)
        from += QStringLiteral(" JOIN ") + joinOn(m_cube.hierarchies[h], alias(h));
    return from;
}

QString ServerSql::keyCondition(int hierarchy, int level, const QString& key, QStringList& params) const
{
    const QString column = levelColumn(hierarchy, level);
    // The member with the empty key stands for NULL and for an empty text alike.
    if (key.isEmpty())
        return QStringLiteral("(%1 IS NULL OR %2 = '')").arg(column, asText(column));
    // The parameter takes the column's own type, so the planner sees the column and its statistics.
    params << key;
    return QStringLiteral("%1 = $%2").arg(column).arg(params.size());
}

QString ServerSql::memberCondition(int hierarchy, int member, QStringList& params) const
{
    const MemberPath path = m_indexes[size_t(hierarchy)].pathOf(member);
    QStringList parts;
    for (int level = 0; level < path.keys.size(); ++level)
        parts << keyCondition(hierarchy, level, path.keys[level], params);
    return QLatin1Char('(') + parts.join(QStringLiteral(" AND ")) + QLatin1Char(')');
}

QString ServerSql::membersCondition(int hierarchy, const QVector<int>& members, QStringList& params) const
{
    // Members under the same parent share its conditions and compare their own keys with
    // one array; members with an empty key have a condition of their own.
    const HierarchyIndex& index = m_indexes[size_t(hierarchy)];
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
            parts << QStringLiteral("%1 = ANY($%2)").arg(levelColumn(hierarchy, level)).arg(params.size());
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

QString ServerSql::pivotQuery(const QueryPlan& plan, const PivotQuery& query, QStringList& params) const
{
    // Only the grouping sets whose positions the layout shows, or sorts an axis by.
    const auto isAll = [](const std::vector<int>& shape) {
        return std::all_of(shape.begin(), shape.end(), [](int depth) { return depth < 0; });
    };
    const auto shown = [&](const std::vector<int>& shape, const Axis& axis) {
        if (isAll(shape))
            return shape.empty() || axis.grandTotal;
        return axis.subtotals || std::none_of(shape.begin(), shape.end(), [](int depth) { return depth < 0; });
    };
    const auto sorted = [](const Axis& a) { return a.sortByValue != SortOrder::None && a.sortByMeasure.has_value(); };
    std::vector<QStringList> sets;
    for (const auto& rowShape : axisShapes(plan.rows)) {
        for (const auto& columnShape : axisShapes(plan.columns)) {
            if (!(shown(rowShape, query.rows) && shown(columnShape, query.columns))
                && !(sorted(query.rows) && isAll(columnShape)) && !(sorted(query.columns) && isAll(rowShape)))
                continue;
            QStringList columns;
            const auto add = [&](const std::vector<FieldPlan>& fields, const std::vector<int>& shape) {
                for (size_t f = 0; f < fields.size(); ++f) {
                    for (int level = 0; level <= shape[f]; ++level)
                        columns << levelColumn(fields[f].hierarchy, level);
                }
            };
            add(plan.rows, rowShape);
            add(plan.columns, columnShape);
            sets.push_back(columns);
        }
    }
    // A single set is a plain GROUP BY, which the server can aggregate in parallel workers
    // (it cannot with grouping sets); its flags are then constants.
    const bool single = sets.size() == 1;
    std::set<int> used;
    QStringList select;
    for (const FieldPlan* f : axisFields(plan)) {
        used.insert(f->hierarchy);
        for (int level = 0; level <= f->deepestLevel; ++level) {
            const QString column = levelColumn(f->hierarchy, level);
            if (!single)
                select << QStringLiteral("GROUPING(%1)").arg(column) << asText(column);
            else if (sets.front().contains(column))
                select << QStringLiteral("0") << asText(column);
            else
                select << QStringLiteral("1") << QStringLiteral("NULL");
        }
    }
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
        if (m_unmatched[size_t(h)] && !dropped())
            used.insert(h);
    }
    for (int m : plan.measures) {
        const QString column = QStringLiteral("f.") + quoteIdentifier(m_cube.measures[m].column);
        QString aggregate;
        switch (m_cube.schema.measures[m].aggregate) {
        case Aggregate::Sum:
            aggregate = QStringLiteral("SUM(%1)").arg(column);
            break;
        case Aggregate::Count:
            aggregate = m_cube.measures[m].column.isEmpty() ? QStringLiteral("COUNT(*)")
                                                            : QStringLiteral("COUNT(%1)").arg(column);
            break;
        case Aggregate::Min:
            aggregate = QStringLiteral("MIN(%1)").arg(column);
            break;
        case Aggregate::Max:
            aggregate = QStringLiteral("MAX(%1)").arg(column);
            break;
        case Aggregate::Average:
            aggregate = QStringLiteral("AVG(%1)").arg(column);
            break;
        case Aggregate::DistinctCount:
            aggregate = QStringLiteral("COUNT(DISTINCT %1)").arg(column);
            break;
        }
        select << QStringLiteral("CAST(%1 AS double precision)").arg(aggregate);
    }
    if (select.isEmpty())
        select << QStringLiteral("COUNT(*)");

    QString sql = QStringLiteral("SELECT ") + select.join(QStringLiteral(", ")) + fromClause(used)
        + whereClause(plan, {}, params);
    if (single) {
        if (!sets.front().isEmpty())
            sql += QStringLiteral(" GROUP BY ") + sets.front().join(QStringLiteral(", "));
        return sql;
    }
    QStringList groupingSets;
    for (const QStringList& columns : sets)
        groupingSets << QLatin1Char('(') + columns.join(QStringLiteral(", ")) + QLatin1Char(')');
    sql += QStringLiteral(" GROUP BY GROUPING SETS (") + groupingSets.join(QStringLiteral(", ")) + QLatin1Char(')');
    return sql;
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
        std::optional<double>* values =
            cells.cell(cells.rows.intern(rowPosition), cells.columns.intern(columnPosition));
        for (int m = 0; m < cells.measureCount(); ++m) {
            const QVariant& v = row[column + m];
            if (!v.isNull())
                values[m] = v.toDouble();
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
