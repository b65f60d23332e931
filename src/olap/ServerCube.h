#pragma once

#include "olap/CubeDefinition.h"
#include "olap/ServerSql.h"

#include <QElapsedTimer>
#include <future>
#include <memory>
#include <optional>
#include <thread>

namespace olap {

class PgConnection;

// A cube of a catalog on the cube server. Its definition is read when it is opened; its keys
// (members, and which dimensions have facts without a dimension row) are checked and read once,
// on a thread of its own, so that opening never waits for them; queries, member lists and
// details wait for them instead. Every pivot query is one grouped statement that the server
// computes.
class ServerCube : public CubeSource
{
public:
    // Throws platform::VbError (0x80004005) when the catalog has no such cube or its metadata
    // is wrong. Keys that cannot be matched (a key twice in a dimension table, fact and
    // dimension keys the server cannot compare), and a server that fails while they are read,
    // fail every query, member list and details with that error; a read given up (stopped, or
    // past the answer limit) fails the one that waited, and the next one reads them again.
    // Until the keys are read the connection is the cube's alone.
    ServerCube(std::shared_ptr<PgConnection> connection, const QString& cubeName);
    ~ServerCube() override;   // gives up the key read in hand

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
    ServerKeys readKeys();   // the checks and the keys
    // Waits for the keys; throws the failure of their read. On a query's thread only.
    const ServerKeys& keys();
    bool keysRead() const { return m_keys.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }

    std::shared_ptr<PgConnection> m_connection;
    CubeDefinition m_cube;
    QElapsedTimer m_keysSince;
    std::shared_future<ServerKeys> m_keys;
    std::thread m_keyReader;
    // Whether the first read of the keys failed because it was given up; then the queries after
    // the one it failed read them again, on their own thread (queries on a cube take turns).
    bool m_keyReadGivenUp = false;
    bool m_readAgain = false;
    std::optional<ServerKeys> m_keysReadAgain;
};

}
