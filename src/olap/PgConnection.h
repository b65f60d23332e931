#pragma once

#include "olap/ConnectionString.h"
#include "olap/CubeDefinition.h"

typedef struct pg_conn PGconn;

namespace olap {

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
