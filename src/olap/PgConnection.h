#pragma once

#include "olap/ConnectionString.h"
#include "olap/CubeDefinition.h"

typedef struct pg_conn PGconn;

namespace olap {

// The longest wait for the server to take a connection, whatever the connection string's
// TimeOut asks: a server that accepts and never answers must not hold the program for long.
constexpr int kMostConnectSeconds = 5;

// Failures of the server or of the network (not of the provider) carry this source: no other
// provider version can mend them.
inline const QString& cubeServerErrorSource()
{
    static const QString source = QStringLiteral("CubeServer");
    return source;
}

// A read-only session with the cube server. Connection values go to libpq as separate
// keywords and statement values as bound parameters, never into a command text. Every
// failure is raised as platform::VbError (0x80004005) with the server's message.
class PgConnection
{
public:
    explicit PgConnection(const DataSource& source);
    ~PgConnection();
    PgConnection(const PgConnection&) = delete;
    PgConnection& operator=(const PgConnection&) = delete;

    // Rows as texts (NULL as a null QVariant); "$1", "$2"... are bound to `params`.
    QVector<SqlRow> rows(const QString& sql, const QStringList& params = {});
    QString database() const;

private:
    PGconn* m_conn = nullptr;
};

}
