#include "olap/ServerCube.h"

#include "olap/CellSetBuilder.h"
#include "olap/MemberLookup.h"
#include "olap/PgConnection.h"
#include "olap/ServerSql.h"
#include "olap/WorkerPool.h"
#include "platform/VbError.h"

#include <QCoreApplication>
#include <QSet>

namespace olap {

namespace {

const QString kMetadataSchema = QStringLiteral("olap.");

SqlRunner runnerOf(PgConnection& connection)
{
    return [&connection](const QString& sql, const QStringList& params) { return connection.rows(sql, params); };
}

// A dimension key that stands twice would count its facts twice; the cube file refuses
// such a cube alike.
void refuseDuplicateKeys(PgConnection& connection, const CubeDefinition& cube)
{
    QSet<QPair<QString, QString>> checked;
    for (const HierarchyStorage& h : cube.hierarchies) {
        const QPair<QString, QString> dimension{h.dimensionTable, h.dimensionKey};
        if (checked.contains(dimension))
            continue;
        checked.insert(dimension);
        const QString key = quoteIdentifier(h.dimensionKey);
        const auto twice = connection.rows(
            QStringLiteral(
                "SELECT CAST(%1 AS text) FROM %2 WHERE %1 IS NOT NULL GROUP BY %1 HAVING COUNT(*) > 1 LIMIT 1")
                .arg(key, quoteIdentifier(h.dimensionTable, true)));
        if (!twice.isEmpty())
            raiseDuplicateKey(QCoreApplication::translate("olap", "the catalog \"%1\"").arg(connection.database()),
                              h.dimensionTable, twice[0].value(0).toString());
    }
}

// Fact and dimension keys that the server cannot compare (an integer with a text) would fail
// every query: the cube is refused when it opens, naming the tables, the keys and the reason.
void refuseIncomparableKeys(PgConnection& connection, const CubeDefinition& cube)
{
    for (const HierarchyStorage& h : cube.hierarchies) {
        try {
            connection.rows(QStringLiteral("SELECT 1 FROM ") + quoteIdentifier(cube.factTable, true)
                            + QStringLiteral(" f JOIN ") + quoteIdentifier(h.dimensionTable, true)
                            + QStringLiteral(" d ON f.") + quoteIdentifier(h.factKey) + QStringLiteral(" = d.")
                            + quoteIdentifier(h.dimensionKey) + QStringLiteral(" LIMIT 0"));
        } catch (const platform::VbError& e) {
            // No operator for the two types, types that do not match, or no cast between them;
            // anything else (a missing column) the server's own message says well enough.
            const QString state = connection.refusedState();
            if (state != QLatin1String("42883") && state != QLatin1String("42804") && state != QLatin1String("42846"))
                throw;
            platform::raiseError(
                platform::err::Unspecified,
                QCoreApplication::translate("olap",
                                            "In %1, the facts of \"%2\" cannot be matched to the dimension table "
                                            "\"%3\": the server cannot compare the fact key \"%4\" with the "
                                            "dimension key \"%5\" (%6).")
                    .arg(QCoreApplication::translate("olap", "the catalog \"%1\"").arg(connection.database()),
                         cube.factTable, h.dimensionTable, h.factKey, h.dimensionKey, e.description()),
                QStringLiteral("CubeDefinition"));
        }
    }
}

}

QStringList ServerCube::cubeNames(PgConnection& connection)
{
    const auto exists = connection.rows(QStringLiteral("SELECT to_regclass('olap.olap_cube') IS NOT NULL"));
    if (exists.isEmpty() || exists[0].value(0).toString() != QLatin1String("t"))
        return {};
    return readCubeNames(runnerOf(connection), kMetadataSchema);
}

ServerCube::ServerCube(std::shared_ptr<PgConnection> connection, const QString& cubeName)
    : m_connection(std::move(connection))
{
    // The schema is wanted at once (the field list, a saved layout checked against the cube),
    // and is a few small statements; the keys may take seconds.
    m_cube = readCubeDefinition(runnerOf(*m_connection), kMetadataSchema, cubeName);
    m_keysSince.start();
    auto read = std::make_shared<std::packaged_task<ServerKeys()>>([this] {
        try {
            return readKeys();
        } catch (const platform::VbError&) {
            m_keyReadGivenUp = m_connection->gaveUp();
            throw;
        }
    });
    m_keys = read->get_future().share();
    platform::Result<std::thread> reader = startThread([read] { (*read)(); });
    if (reader)
        m_keyReader = std::move(reader).value();
    else
        (*read)();   // no thread to spare: read them here rather than fail the cube
}

ServerCube::~ServerCube()
{
    // A cube dropped while its keys are read (another one picked at once) gives the statement in
    // hand up on the server rather than wait for it. A stop that falls between two statements
    // is not seen, so it is repeated until the read ends.
    while (!keysRead()) {
        m_connection->stopWaiting();
        m_keys.wait_for(std::chrono::milliseconds(20));
    }
    if (m_keyReader.joinable())
        m_keyReader.join();
}

ServerKeys ServerCube::readKeys()
{
    refuseDuplicateKeys(*m_connection, m_cube);
    refuseIncomparableKeys(*m_connection, m_cube);
    return readServerKeys(runnerOf(*m_connection), m_cube);
}

const ServerKeys& ServerCube::keys()
{
    if (m_keysReadAgain)
        return *m_keysReadAgain;
    if (!m_readAgain) {
        try {
            return m_keys.get();
        } catch (const platform::VbError&) {
            // A read that was given up (the user stopped waiting, or the limit passed) fails the
            // query that waited for it; the next ones read the keys again, as any statement given
            // up is sent again at the next change. A cube whose keys were refused stays refused.
            m_readAgain = m_keyReadGivenUp;
            throw;
        }
    }
    m_keysReadAgain = readKeys();
    return *m_keysReadAgain;
}

CellSet ServerCube::query(const PivotQuery& query)
{
    const ServerKeys& keys = this->keys();
    const QueryPlan plan = QueryPlan::build(m_cube, keys.indexes, query);
    const ServerSql sql(m_cube, keys);
    QStringList params;
    const QString statement = sql.pivotQuery(plan, query, params);
    CellTable cells(int(plan.measures.size()));
    sql.readPivotRows(plan, m_connection->rows(statement, params), cells);
    return CellSetBuilder(plan, cells, query).build();
}

QVector<Member> ServerCube::members(const QString& hierarchy, int level, const MemberPath& parent,
                                    const QString& search)
{
    return listMembers(m_cube, keys().indexes, hierarchy, level, parent, search);
}

DetailRows ServerCube::details(const PivotQuery& query, int row, int column, int limit)
{
    const CellSet cells = this->query(query);
    const ServerKeys& keys = this->keys();
    const std::vector<CellMember> cell = membersOfCell(query, cells, row, column, m_cube, keys.indexes);
    const QueryPlan plan = QueryPlan::build(m_cube, keys.indexes, query);
    QStringList params;
    const QString statement = ServerSql(m_cube, keys).detailQuery(plan, cell, std::max(0, limit), params);
    DetailRows result;
    result.columns = detailColumns(m_cube);
    int levelColumns = 0;
    for (const Hierarchy& h : m_cube.schema.hierarchies)
        levelColumns += int(h.levels.size());
    for (const SqlRow& r : m_connection->rows(statement, params)) {
        if (result.rows.size() >= limit) {
            result.truncated = true;
            break;
        }
        QVector<QVariant> values = r;
        for (int c = levelColumns; c < values.size(); ++c) {
            if (const CellValue v = CellValue::fromText(values[c].toString()))
                values[c] = v.toVariant();
        }
        result.rows.append(values);
    }
    return result;
}

std::optional<qint64> ServerCube::serverWait() const
{
    // A query waits for the keys as it would for its own answer, from when the cube was opened.
    if (!keysRead())
        return m_keysSince.elapsed();
    return m_connection->waitingMs();
}

void ServerCube::stopWaiting()
{
    m_connection->stopWaiting();
}

}
