#include "olap/CubeDefinition.h"

#include "platform/VbError.h"

#include <QCoreApplication>

namespace olap {

namespace {

[[noreturn]] void badMetadata(const QString& why)
{
    platform::raiseError(platform::err::Unspecified,
                         QCoreApplication::translate("olap", "The cube metadata is not valid: ") + why,
                         QStringLiteral("CubeDefinition"));
}

QString text(const SqlRow& row, int column)
{
    return row.value(column).isNull() ? QString() : row.value(column).toString();
}

QString required(const SqlRow& row, int column, const QString& what)
{
    const QString value = text(row, column).trimmed();
    if (value.isEmpty())
        badMetadata(QCoreApplication::translate("olap", "%1 is missing").arg(what));
    return value;
}

QString orName(const QString& caption, const QString& name)
{
    return caption.isEmpty() ? name : caption;
}

}

int CubeDefinition::hierarchyIndex(const QString& name) const
{
    for (int i = 0; i < schema.hierarchies.size(); ++i) {
        if (schema.hierarchies[i].name == name)
            return i;
    }
    return -1;
}

int CubeDefinition::measureIndex(const QString& name) const
{
    for (int i = 0; i < schema.measures.size(); ++i) {
        if (schema.measures[i].name == name)
            return i;
    }
    return -1;
}

std::optional<Aggregate> aggregateFromName(const QString& name)
{
    const QString n = name.trimmed().toLower();
    if (n == QLatin1String("sum"))
        return Aggregate::Sum;
    if (n == QLatin1String("count"))
        return Aggregate::Count;
    if (n == QLatin1String("min"))
        return Aggregate::Min;
    if (n == QLatin1String("max"))
        return Aggregate::Max;
    if (n == QLatin1String("average"))
        return Aggregate::Average;
    if (n == QLatin1String("distinct count"))
        return Aggregate::DistinctCount;
    return std::nullopt;
}

QString quoteIdentifier(const QString& name, bool allowSchema)
{
    if (allowSchema) {
        const qsizetype dot = name.indexOf(QLatin1Char('.'));
        if (dot > 0)
            return quoteIdentifier(name.left(dot)) + QLatin1Char('.') + quoteIdentifier(name.mid(dot + 1));
    }
    QString quoted = name;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QStringList readCubeNames(const SqlRunner& run, const QString& tablePrefix)
{
    QStringList names;
    for (const SqlRow& row :
         run(QStringLiteral("SELECT name FROM %1olap_cube ORDER BY ordinal, name").arg(tablePrefix), {}))
        names << text(row, 0);
    return names;
}

CubeDefinition readCubeDefinition(const SqlRunner& run, const QString& tablePrefix, const QString& cubeName)
{
    CubeDefinition def;
    const QStringList cube{cubeName};
    const auto cubes =
        run(QStringLiteral("SELECT name, caption, fact_table FROM %1olap_cube WHERE name = $1").arg(tablePrefix), cube);
    if (cubes.isEmpty())
        badMetadata(QCoreApplication::translate("olap", "no cube named \"%1\"").arg(cubeName));
    def.schema.name = text(cubes[0], 0);
    def.schema.caption = orName(text(cubes[0], 1), def.schema.name);
    def.factTable = required(cubes[0], 2, QCoreApplication::translate("olap", "the fact table"));

    struct DimensionRow
    {
        QString table, key, factKey;
    };
    QHash<QString, DimensionRow> dimensions;
    for (const SqlRow& row : run(QStringLiteral("SELECT name, dim_table, dim_key, fact_key FROM %1olap_dimension "
                                                "WHERE cube = $1")
                                     .arg(tablePrefix),
                                 cube)) {
        const QString name = required(row, 0, QCoreApplication::translate("olap", "a dimension name"));
        dimensions.insert(
            name,
            {required(row, 1, QCoreApplication::translate("olap", "the table of dimension %1").arg(name)),
             required(row, 2, QCoreApplication::translate("olap", "the key of dimension %1").arg(name)),
             required(row, 3, QCoreApplication::translate("olap", "the fact key of dimension %1").arg(name))});
    }

    for (const SqlRow& row : run(QStringLiteral("SELECT name, caption, dimension FROM %1olap_hierarchy "
                                                "WHERE cube = $1 ORDER BY ordinal, name")
                                     .arg(tablePrefix),
                                 cube)) {
        Hierarchy h;
        h.name = required(row, 0, QCoreApplication::translate("olap", "a hierarchy name"));
        h.caption = orName(text(row, 1), h.name);
        h.dimension =
            required(row, 2, QCoreApplication::translate("olap", "the dimension of hierarchy %1").arg(h.name));
        const auto dim = dimensions.constFind(h.dimension);
        if (dim == dimensions.constEnd())
            badMetadata(QCoreApplication::translate("olap", "hierarchy \"%1\" names an unknown dimension").arg(h.name));
        HierarchyStorage storage{dim->table, dim->key, dim->factKey, {}};
        const auto levels = run(QStringLiteral("SELECT depth, name, caption, key_column, caption_column, sort_column "
                                               "FROM %1olap_level WHERE cube = $1 AND hierarchy = $2 ORDER BY depth")
                                    .arg(tablePrefix),
                                {cubeName, h.name});
        for (const SqlRow& lv : levels) {
            if (lv.value(0).toInt() != h.levels.size() + 1)
                badMetadata(
                    QCoreApplication::translate("olap", "the levels of hierarchy \"%1\" are not numbered 1, 2, 3...")
                        .arg(h.name));
            Level level;
            level.name = required(lv, 1, QCoreApplication::translate("olap", "a level name"));
            level.caption = orName(text(lv, 2), level.name);
            h.levels.append(level);
            storage.levels.append(
                {required(lv, 3, QCoreApplication::translate("olap", "the key column of level %1").arg(level.name)),
                 text(lv, 4), text(lv, 5)});
        }
        if (h.levels.isEmpty())
            badMetadata(QCoreApplication::translate("olap", "hierarchy \"%1\" has no levels").arg(h.name));
        def.schema.hierarchies.append(h);
        def.hierarchies.append(storage);
    }
    if (def.schema.hierarchies.isEmpty())
        badMetadata(QCoreApplication::translate("olap", "cube \"%1\" has no hierarchies").arg(cubeName));

    for (const SqlRow& row : run(QStringLiteral("SELECT name, caption, column_name, aggregate, number_format "
                                                "FROM %1olap_measure WHERE cube = $1 ORDER BY ordinal, name")
                                     .arg(tablePrefix),
                                 cube)) {
        Measure m;
        m.name = required(row, 0, QCoreApplication::translate("olap", "a measure name"));
        m.caption = orName(text(row, 1), m.name);
        const auto aggregate = aggregateFromName(text(row, 3));
        if (!aggregate)
            badMetadata(QCoreApplication::translate("olap", "measure \"%1\" has an unknown aggregate \"%2\"")
                            .arg(m.name, text(row, 3)));
        m.aggregate = *aggregate;
        m.numberFormat = text(row, 4);
        const QString column = text(row, 2).trimmed();
        if (column.isEmpty() && m.aggregate != Aggregate::Count)
            badMetadata(QCoreApplication::translate("olap", "measure \"%1\" has no column").arg(m.name));
        def.schema.measures.append(m);
        def.measures.append({column});
    }
    return def;
}

void raiseDuplicateKey(const QString& place, const QString& table, const QString& key)
{
    platform::raiseError(
        platform::err::Unspecified,
        QCoreApplication::translate("olap",
                                    "In %1, the dimension table \"%2\" holds the key \"%3\" more than once. "
                                    "The keys of a dimension table must be unique.")
            .arg(place, table, key),
        QStringLiteral("CubeDefinition"));
}

}
