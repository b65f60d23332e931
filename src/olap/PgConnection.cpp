#include "olap/PgConnection.h"

#include "olap/WorkerPool.h"
#include "platform/VbError.h"

#include <QCoreApplication>
#include <QScopeGuard>
#include <algorithm>
#include <cerrno>
#include <libpq-fe.h>
#include <memory>
#include <poll.h>
#include <thread>
#include <vector>

namespace olap {

namespace {

[[noreturn]] void serverError(const QString& message)
{
    platform::raiseError(platform::err::Unspecified, message.trimmed(), cubeServerErrorSource());
}

QString unreachable(const QString& why)
{
    return QCoreApplication::translate("olap", "The cube server cannot be reached: %1").arg(why.trimmed());
}

std::vector<const char*> pointers(const std::vector<QByteArray>& values, bool terminated)
{
    std::vector<const char*> result;
    for (const QByteArray& v : values)
        result.push_back(v.constData());
    if (terminated)
        result.push_back(nullptr);
    return result;
}

}

struct PgConnection::Answer
{
    std::unique_ptr<PGresult, void (*)(PGresult*)> result{nullptr, PQclear};
    QString message;
};

PgConnection::PgConnection(const DataSource& source) : m_answerLimit(answerLimits().server)
{
    const auto add = [&](const char* key, const QString& value) {
        if (value.isEmpty())
            return;   // libpq's default: the environment, the password file, local sign-in
        m_keys.emplace_back(key);
        m_values.push_back(value.toUtf8());
    };
    add("host", source.host);
    add("port", source.port);
    add("dbname", source.catalog.isEmpty() ? QStringLiteral("postgres") : source.catalog);
    add("user", source.user);
    add("password", source.password);
    m_connectSeconds =
        source.connectTimeout > 0 ? std::min(source.connectTimeout, kMostConnectSeconds) : kMostConnectSeconds;
    add("connect_timeout", QString::number(m_connectSeconds));
    add("application_name", source.applicationName.left(63));
    add("client_encoding", QStringLiteral("UTF8"));
    // A network that drops the connection without a word is noticed within a minute or so.
    add("keepalives", QStringLiteral("1"));
    add("keepalives_idle", QStringLiteral("30"));
    add("keepalives_interval", QStringLiteral("10"));
    add("keepalives_count", QStringLiteral("3"));
    // As many parallel workers for one query as this process has processors.
    add("options",
        QStringLiteral("-c default_transaction_read_only=on -c max_parallel_workers_per_gather=%1").arg(workerCount()));
    open();
}

PgConnection::~PgConnection()
{
    PQfinish(m_conn);
}

void PgConnection::open()
{
    const std::vector<const char*> keys = pointers(m_keys, true);
    const std::vector<const char*> values = pointers(m_values, true);
    QElapsedTimer took;
    took.start();
    // expand_dbname 0: a database name is only ever a name, never a connection string.
    PGconn* conn = PQconnectdbParams(keys.data(), values.data(), 0);
    if (!conn)
        serverError(QCoreApplication::translate("olap", "Out of memory while connecting to the cube server."));
    if (PQstatus(conn) != CONNECTION_OK) {
        const QString message = QString::fromUtf8(PQerrorMessage(conn));
        PQfinish(conn);
        // A server that answered has refused (an unknown catalog, a sign-in): its own words say
        // why. One that never answered within the time allowed is not asked again.
        const bool timedOut = took.elapsed() >= m_connectSeconds * 1000 - 250;
        if (timedOut || PQpingParams(keys.data(), values.data(), 0) != PQPING_OK)
            serverError(unreachable(message));
        serverError(message);
    }
    m_conn = conn;
    m_database = QString::fromUtf8(PQdb(m_conn));
}

QString PgConnection::database() const
{
    return m_database;
}

std::optional<qint64> PgConnection::waitingMs() const
{
    const std::lock_guard lock(m_waitLock);
    return m_waiting ? std::optional<qint64>(m_waiting->elapsed()) : std::nullopt;
}

void PgConnection::giveUp()
{
    // The server's main process passes the cancel on to the session, even to one that is
    // stopped (once it runs again). A thread of its own sends it, so that a network that
    // swallows it cannot hold the program; the session itself is dropped at once.
    if (PGcancel* cancel = PQgetCancel(m_conn)) {
        std::thread([cancel] {
            char error[256];
            PQcancel(cancel, error, int(sizeof error));
            PQfreeCancel(cancel);
        }).detach();
    }
    PQfinish(m_conn);
    m_conn = nullptr;
}

PgConnection::Answer PgConnection::answer(const QString& sql, const std::vector<QByteArray>& params)
{
    Answer answer;
    const std::vector<const char*> values = pointers(params, false);
    if (!PQsendQueryParams(m_conn, sql.toUtf8().constData(), int(values.size()), nullptr, values.data(), nullptr,
                           nullptr, 0)) {
        answer.message = QString::fromUtf8(PQerrorMessage(m_conn));
        return answer;
    }
    QElapsedTimer waited;
    waited.start();
    {
        const std::lock_guard lock(m_waitLock);
        m_waiting = waited;
    }
    const auto done = qScopeGuard([this] {
        const std::lock_guard lock(m_waitLock);
        m_waiting.reset();
    });
    for (;;) {
        while (PQisBusy(m_conn)) {
            const qint64 left = m_answerLimit.count() - waited.elapsed();
            if (m_stop || left <= 0) {
                m_gaveUp = true;
                giveUp();
                serverError(m_stop ? QCoreApplication::translate(
                                "olap", "The query was cancelled: you stopped waiting for the cube server.")
                                   : QCoreApplication::translate("olap",
                                                                 "The cube server did not answer within %1 seconds; "
                                                                 "the query was cancelled.")
                                         .arg(std::max<qint64>(1, m_answerLimit.count() / 1000)));
            }
            // Short slices, so that the user's giving up is seen at once.
            pollfd socket{PQsocket(m_conn), POLLIN, 0};
            if (socket.fd >= 0 && poll(&socket, 1, int(std::min<qint64>(left, 100))) < 0 && errno == EINTR)
                continue;
            if (socket.fd < 0 || !PQconsumeInput(m_conn))
                break;   // the connection is lost: the result says so, without waiting
        }
        PGresult* result = PQgetResult(m_conn);
        if (!result)
            break;
        if (answer.result)
            PQclear(result);
        else
            answer.result.reset(result);
    }
    if (!answer.result || PQresultStatus(answer.result.get()) != PGRES_TUPLES_OK) {
        const char* primary =
            answer.result ? PQresultErrorField(answer.result.get(), PG_DIAG_MESSAGE_PRIMARY) : nullptr;
        answer.message = QString::fromUtf8(primary ? primary : PQerrorMessage(m_conn));
        if (answer.result)
            m_refusedState = QString::fromLatin1(PQresultErrorField(answer.result.get(), PG_DIAG_SQLSTATE));
        answer.result.reset();
    }
    return answer;
}

QVector<SqlRow> PgConnection::rows(const QString& sql, const QStringList& params)
{
    std::vector<QByteArray> values;
    for (const QString& p : params)
        values.push_back(p.toUtf8());
    m_stop = false;
    m_gaveUp = false;
    m_refusedState.clear();
    Answer answer;
    // A session that the server dropped (a restart, a session given up before) is opened again
    // once; every statement only reads, so sending it again changes nothing.
    for (int attempt = 0;; ++attempt) {
        if (!m_conn)
            open();
        answer = this->answer(sql, values);
        if (answer.result || PQstatus(m_conn) == CONNECTION_OK)
            break;
        PQfinish(m_conn);
        m_conn = nullptr;
        if (attempt > 0)
            serverError(unreachable(answer.message));
    }
    if (!answer.result)
        serverError(answer.message);
    QVector<SqlRow> rows;
    PGresult* result = answer.result.get();
    const int columns = PQnfields(result);
    const int count = PQntuples(result);
    rows.reserve(count);
    for (int r = 0; r < count; ++r) {
        SqlRow row;
        row.reserve(columns);
        for (int c = 0; c < columns; ++c) {
            if (PQgetisnull(result, r, c))
                row.append(QVariant());
            else
                row.append(QString::fromUtf8(PQgetvalue(result, r, c), PQgetlength(result, r, c)));
        }
        rows.append(row);
    }
    return rows;
}

}
