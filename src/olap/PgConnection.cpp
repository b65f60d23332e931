#include "olap/PgConnection.h"

#include "olap/WorkerPool.h"
#include "platform/VbError.h"

#include <QCoreApplication>
#include <algorithm>
#include <libpq-fe.h>
#include <memory>
#include <vector>

namespace olap {

namespace {

[[noreturn]] void serverError(const QString& message)
{
    platform::raiseError(platform::err::Unspecified, message.trimmed(), cubeServerErrorSource());
}

}

PgConnection::PgConnection(const DataSource& source)
{
    std::vector<QByteArray> keys;
    std::vector<QByteArray> values;
    const auto add = [&](const char* key, const QString& value) {
        if (value.isEmpty())
            return;   // libpq's default: the environment, the password file, local sign-in
        keys.emplace_back(key);
        values.push_back(value.toUtf8());
    };
    add("host", source.host);
    add("port", source.port);
    add("dbname", source.catalog.isEmpty() ? QStringLiteral("postgres") : source.catalog);
    add("user", source.user);
    add("password", source.password);
    const int timeout =
        source.connectTimeout > 0 ? std::min(source.connectTimeout, kMostConnectSeconds) : kMostConnectSeconds;
    add("connect_timeout", QString::number(timeout));
    add("application_name", source.applicationName.left(63));
    add("client_encoding", QStringLiteral("UTF8"));
    // As many parallel workers for one query as this process has processors.
    add("options",
        QStringLiteral("-c default_transaction_read_only=on -c max_parallel_workers_per_gather=%1").arg(workerCount()));
    std::vector<const char*> keyPtrs;
    std::vector<const char*> valuePtrs;
    for (size_t i = 0; i < keys.size(); ++i) {
        keyPtrs.push_back(keys[i].constData());
        valuePtrs.push_back(values[i].constData());
    }
    keyPtrs.push_back(nullptr);
    valuePtrs.push_back(nullptr);
    // expand_dbname 0: a database name is only ever a name, never a connection string.
    m_conn = PQconnectdbParams(keyPtrs.data(), valuePtrs.data(), 0);
    if (!m_conn)
        serverError(QCoreApplication::translate("olap", "Out of memory while connecting to the cube server."));
    if (PQstatus(m_conn) != CONNECTION_OK) {
        const QString message = QString::fromUtf8(PQerrorMessage(m_conn));
        PQfinish(m_conn);
        m_conn = nullptr;
        serverError(message);
    }
}

PgConnection::~PgConnection()
{
    PQfinish(m_conn);
}

QString PgConnection::database() const
{
    return QString::fromUtf8(PQdb(m_conn));
}

QVector<SqlRow> PgConnection::rows(const QString& sql, const QStringList& params)
{
    std::vector<QByteArray> values;
    std::vector<const char*> pointers;
    for (const QString& p : params)
        values.push_back(p.toUtf8());
    for (const QByteArray& v : values)
        pointers.push_back(v.constData());
    const std::unique_ptr<PGresult, void (*)(PGresult*)> result(PQexecParams(m_conn, sql.toUtf8().constData(),
                                                                             int(pointers.size()), nullptr,
                                                                             pointers.data(), nullptr, nullptr, 0),
                                                                PQclear);
    if (!result || PQresultStatus(result.get()) != PGRES_TUPLES_OK)
        serverError(QString::fromUtf8(PQerrorMessage(m_conn)));
    QVector<SqlRow> rows;
    const int columns = PQnfields(result.get());
    const int count = PQntuples(result.get());
    rows.reserve(count);
    for (int r = 0; r < count; ++r) {
        SqlRow row;
        row.reserve(columns);
        for (int c = 0; c < columns; ++c) {
            if (PQgetisnull(result.get(), r, c))
                row.append(QVariant());
            else
                row.append(QString::fromUtf8(PQgetvalue(result.get(), r, c), PQgetlength(result.get(), r, c)));
        }
        rows.append(row);
    }
    return rows;
}

}
