#include "SampleCubes.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace testcubes {

namespace {

QString readText(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        ADD_FAILURE() << "cannot read " << path.toStdString();
    return QString::fromUtf8(f.readAll());
}

void run(sqlite3* db, const QString& statements)
{
    char* error = nullptr;
    if (sqlite3_exec(db, statements.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        ADD_FAILURE() << "SQL failed: " << (error ? error : "?");
        sqlite3_free(error);
    }
}

}

QString folder()
{
    static QTemporaryDir dir;
    return dir.path();
}

QString buildCube(const QString& name, const QString& extraSql)
{
    return buildCubeFromSql(name, readText(QStringLiteral(TESSALINE_EXAMPLES "/cubes/") + name + QStringLiteral(".sql"))
                                      + extraSql);
}

QString buildCubeFromSql(const QString& name, const QString& sql)
{
    static int serial = 0;
    const QString path = folder() + QStringLiteral("/%1-%2.cub").arg(name).arg(++serial);
    sqlite3* db = nullptr;
    sqlite3_open(path.toUtf8().constData(), &db);
    run(db, readText(QStringLiteral(TESSALINE_EXAMPLES "/cubes/cube-file.sql")) + sql);
    sqlite3_close(db);
    return path;
}

QString salesCube()
{
    static const QString path = buildCube(QStringLiteral("Sales"));
    return path;
}

QString budgetCube()
{
    static const QString path = buildCube(QStringLiteral("Budget"));
    return path;
}

QVector<QVector<QVariant>> sql(const QString& cubeFile, const QString& statement)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(cubeFile.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* st = nullptr;
    QVector<QVector<QVariant>> rows;
    if (sqlite3_prepare_v2(db, statement.toUtf8().constData(), -1, &st, nullptr) != SQLITE_OK) {
        ADD_FAILURE() << "SQL failed: " << sqlite3_errmsg(db);
        sqlite3_close(db);
        return rows;
    }
    while (sqlite3_step(st) == SQLITE_ROW) {
        QVector<QVariant> row;
        for (int c = 0; c < sqlite3_column_count(st); ++c) {
            switch (sqlite3_column_type(st, c)) {
            case SQLITE_NULL:
                row.append(QVariant());
                break;
            case SQLITE_INTEGER:
            case SQLITE_FLOAT:
                row.append(sqlite3_column_double(st, c));
                break;
            default:
                row.append(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, c))));
            }
        }
        rows.append(row);
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
    return rows;
}

void exec(const QString& cubeFile, const QString& statement)
{
    sqlite3* db = nullptr;
    sqlite3_open(cubeFile.toUtf8().constData(), &db);
    run(db, statement);
    sqlite3_close(db);
}

}
