#pragma once

#include "olap/AnswerLimits.h"
#include "olap/ConnectionString.h"
#include "olap/CubeDefinition.h"

#include <QElapsedTimer>
#include <atomic>
#include <chrono>
#include <mutex>
#include <optional>

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
//
// A session that the server dropped (a restart) is opened again once, and the statement sent
// again. A statement whose answer does not come within the answer limit that was installed
// when the session opened (olap::answerLimits), or that the user
// stops waiting for, is cancelled on the server and the session dropped, so that a server that
// stopped in the middle of a session never holds the program.
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

    // Both from any thread: how long the statement in hand has waited for its answer (none
    // while no statement waits), and giving that statement up.
    std::optional<qint64> waitingMs() const;
    void stopWaiting() { m_stop = true; }
    // Whether the last statement was given up: the user stopped waiting or the limit passed.
    bool gaveUp() const { return m_gaveUp; }
    // The SQLSTATE of the last statement that the server refused ("42883": no such operator);
    // empty when it did not get that far.
    QString refusedState() const { return m_refusedState; }

private:
    struct Answer;
    void open();
    Answer answer(const QString& sql, const std::vector<QByteArray>& params);
    void giveUp();

    std::vector<QByteArray> m_keys;
    std::vector<QByteArray> m_values;
    QString m_database;
    QString m_refusedState;
    int m_connectSeconds = kMostConnectSeconds;
    PGconn* m_conn = nullptr;
    std::chrono::milliseconds m_answerLimit;
    std::atomic<bool> m_stop{false};
    bool m_gaveUp = false;
    mutable std::mutex m_waitLock;
    std::optional<QElapsedTimer> m_waiting;
};

}
