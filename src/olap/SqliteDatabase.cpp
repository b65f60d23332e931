#include "olap/SqliteDatabase.h"

#include "olap/AnswerLimits.h"
#include "olap/WorkerPool.h"
#include "platform/VbError.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cstring>
#include <fstream>
#include <sqlite3.h>

namespace olap {

namespace {

// How often SQLite lets the clock be read while a statement runs.
constexpr int kInstructionsPerCheck = 1000;
// Another program writing the file holds it for a moment; longer is a lock that stays.
constexpr int kBusyWaitMs = 2000;

// A database in write-ahead-log mode is read through a shared-memory file beside it, which
// a folder the user cannot write does not allow ("attempt to write a readonly database").
// When no log with pending changes lies beside it either, the file alone holds every row and
// nobody can change it, so it is read as an unchanging file.
// The file is opened without a QFile: readers open their databases on threads of their own,
// where a QObject would leave Qt's record of the thread behind.
bool unchangingLogFile(const QString& path)
{
    std::ifstream file(QFile::encodeName(path).toStdString(), std::ios::binary);
    char header[20] = {};
    if (!file.read(header, sizeof header))
        return false;
    const bool logMode = std::memcmp(header, "SQLite format 3", 16) == 0 && header[18] == 2 && header[19] == 2;
    const QFileInfo info(path);
    return logMode && !QFileInfo(info.absolutePath()).isWritable()
        && QFileInfo(path + QStringLiteral("-wal")).size() == 0;
}

// "file:" with the path's reserved characters escaped, opened read-only and unchanging.
QByteArray immutableUri(const QString& path)
{
    return "file:" + QFile::encodeName(QFileInfo(path).absoluteFilePath()).toPercentEncoding("/")
        + "?mode=ro&immutable=1";
}

}

int SqliteDatabase::onProgress(void* self)
{
    auto* db = static_cast<SqliteDatabase*>(self);
    if (std::chrono::steady_clock::now() < db->m_deadline)
        return 0;
    db->m_timedOut = true;
    return 1;
}

void SqliteDatabase::startWaiting()
{
    m_timedOut = false;
    m_deadline = std::chrono::steady_clock::now() + m_answerLimit;
}

SqliteDatabase::SqliteDatabase(const QString& path) : m_path(path), m_answerLimit(answerLimits().cubeFile)
{
    if (!QFileInfo(path).isFile())
        platform::raiseError(platform::err::Unspecified,
                             QCoreApplication::translate("olap", "The cube file \"%1\" does not exist.").arg(path),
                             QStringLiteral("CubeFile"));
    const int rc = unchangingLogFile(path)
        ? sqlite3_open_v2(immutableUri(path).constData(), &m_db,
                          SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_URI, nullptr)
        : sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX,
                          nullptr);
    if (rc != SQLITE_OK) {
        const QString message = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QStringLiteral("out of memory");
        sqlite3_close(m_db);
        m_db = nullptr;
        platform::raiseError(
            platform::err::Unspecified,
            QCoreApplication::translate("olap", "The cube file \"%1\" cannot be opened: %2").arg(path, message),
            QStringLiteral("CubeFile"));
    }
    // A quoted name that matches no column must be an error, not a text constant, or a
    // metadata typo would give every member the column's name as its key.
    sqlite3_db_config(m_db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_db_config(m_db, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
    sqlite3_busy_timeout(m_db, kBusyWaitMs);
    startWaiting();
    sqlite3_progress_handler(m_db, kInstructionsPerCheck, &SqliteDatabase::onProgress, this);
}

SqliteDatabase::~SqliteDatabase()
{
    sqlite3_close(m_db);
}

void SqliteDatabase::fail(const QString& what) const
{
    if (m_timedOut)
        platform::raiseError(
            platform::err::Unspecified,
            QCoreApplication::translate("olap",
                                        "The cube file \"%1\" does not answer: reading it gave nothing "
                                        "for %2 seconds, so it was stopped.")
                .arg(m_path, QString::number(double(m_answerLimit.count()) / 1000.0)),
            QStringLiteral("CubeFile"));
    platform::raiseError(platform::err::Unspecified,
                         QCoreApplication::translate("olap", "The cube file \"%1\" cannot be used (%2): %3")
                             .arg(m_path, what, QString::fromUtf8(sqlite3_errmsg(m_db))),
                         QStringLiteral("CubeFile"));
}

SqliteDatabase::Statement::Statement(SqliteDatabase& db, const QString& sql, const QStringList& params) : m_db(db)
{
    const QByteArray utf8 = sql.toUtf8();
    db.startWaiting();
    if (sqlite3_prepare_v2(db.m_db, utf8.constData(), int(utf8.size()), &m_stmt, nullptr) != SQLITE_OK)
        db.fail(QStringLiteral("reading"));
    for (int i = 0; i < params.size(); ++i) {
        const QByteArray value = params[i].toUtf8();
        if (sqlite3_bind_text(m_stmt, i + 1, value.constData(), int(value.size()), SQLITE_TRANSIENT) != SQLITE_OK)
            db.fail(QStringLiteral("binding"));
    }
}

SqliteDatabase::Statement::~Statement()
{
    sqlite3_finalize(m_stmt);
}

bool SqliteDatabase::Statement::next()
{
    m_db.startWaiting();
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    m_db.fail(QStringLiteral("reading"));
}

QVariant SqliteDatabase::Statement::value(int column) const
{
    switch (sqlite3_column_type(m_stmt, column)) {
    case SQLITE_INTEGER:
        return QVariant(qint64(sqlite3_column_int64(m_stmt, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(m_stmt, column));
    case SQLITE_NULL:
        return QVariant();
    default:
        return QVariant(text(column));
    }
}

QString SqliteDatabase::Statement::text(int column) const
{
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
    return bytes ? QString::fromUtf8(bytes, sqlite3_column_bytes(m_stmt, column)) : QString();
}

QVector<SqlRow> SqliteDatabase::rows(const QString& sql, const QStringList& params)
{
    Statement st(*this, sql, params);
    QVector<SqlRow> result;
    const int columns = sqlite3_column_count(st.handle());
    while (st.next()) {
        SqlRow row;
        for (int c = 0; c < columns; ++c)
            row.append(st.value(c));
        result.append(row);
    }
    return result;
}

qint64 SqliteDatabase::pragma(const char* name)
{
    Statement st(*this, QStringLiteral("PRAGMA ") + QLatin1String(name));
    return st.next() ? sqlite3_column_int64(st.handle(), 0) : 0;
}

QString SqliteDatabase::objectType(const QString& name)
{
    Statement st(*this, QStringLiteral("SELECT type FROM sqlite_schema WHERE name = ?1 COLLATE NOCASE"), {name});
    return st.next() ? st.text(0) : QString();
}

WorkerConnections::WorkerConnections(const QString& path) : m_path(path), m_connections(workerCount())
{
}

SqliteDatabase& WorkerConnections::of(size_t worker)
{
    std::unique_ptr<SqliteDatabase>& connection = m_connections[worker];
    if (!connection)
        connection = std::make_unique<SqliteDatabase>(m_path);
    return *connection;
}

}
