#pragma once

#include "olap/CubeDefinition.h"
#include "olap/ServerSql.h"

#include <memory>

namespace olap {

class PgConnection;

// A cube of a catalog on the cube server. Members, and which dimensions have facts without a
// dimension row, are read once, when the cube is opened; every pivot query is one grouped
// statement that the server computes.
class ServerCube : public CubeSource
{
public:
    // Throws platform::VbError (0x80004005) when the catalog has no such cube, its metadata
    // does not match its tables, or its keys cannot be matched (a key twice in a dimension
    // table, fact and dimension keys the server cannot compare).
    ServerCube(std::shared_ptr<PgConnection> connection, const QString& cubeName);

    const CubeSchema& schema() const override { return m_cube.schema; }
    CellSet query(const PivotQuery& query) override;
    QVector<Member> members(const QString& hierarchy, int level, const MemberPath& parent = {},
                            const QString& search = {}) override;
    DetailRows details(const PivotQuery& query, int row, int column, int limit) override;
    std::optional<qint64> serverWait() const override;
    void stopWaiting() override;

    // The cubes of the catalog that `connection` is signed in to, in their order; none
    // when the catalog has no cube metadata.
    static QStringList cubeNames(PgConnection& connection);

private:
    std::shared_ptr<PgConnection> m_connection;
    CubeDefinition m_cube;
    ServerKeys m_keys;
};

}
