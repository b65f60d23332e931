#pragma once

#include "app/ProgramRun.h"

#include "app/state/modGlobals.h"
#include "olap/Connection.h"
#include "support/CatalogLock.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <gtest/gtest.h>

// A run of the program's cube code: fake desktop services, fresh globals, an empty data
// folder, the file-system object ready.
class CubeRun : public ::testing::Test
{
protected:
    CubeRun()
    {
        modGlobals::gstrAppTitle = QStringLiteral("Tessaline Tool for Excel");
        modFileHandling::subSetupFS();
        dataPath = run.fakes.path(QStringLiteral("data"));
        QDir().mkpath(dataPath);
        modGlobals::gstrDataPath = dataPath;
    }
    // A file of the data folder with the given bytes.
    QString put(const QString& name, const QByteArray& bytes = {}) const
    {
        QFile file(dataPath + QLatin1Char('/') + name);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return file.fileName();
    }

    // A sample cube built by the build, copied into the data folder under a name of choice.
    QString putSampleCube(const char* sample, const QString& name) const
    {
        const QString target = dataPath + QLatin1Char('/') + name;
        QFile::copy(QStringLiteral(TESSALINE_SAMPLE_DATA "/") + QString::fromLatin1(sample) + QStringLiteral(".cub"),
                    target);
        return target;
    }

    void unregister(const char* progId)
    {
        run.fakes.registry.removeKey(platform::Hive::ClassesRoot, QString::fromLatin1(progId));
    }

    ProgramRun run;
    QString dataPath;
};

// The throw-away test server that the test command starts (its socket folder), or empty.
inline QString testServer()
{
    return qEnvironmentVariable("PGHOST");
}

// The catalog of the sample cubes on the test server, created once per server by the
// project's script; test programs running side by side wait for each other on a lock.
inline QString sampleCatalog()
{
    static QString name;
    if (!name.isEmpty())
        return name;
    const QString candidate = QStringLiteral("tessaline_test_samples");
    QLockFile lock(catalogLockPath());
    if (!lock.lock())
        return {};
    olap::Connection cn;
    cn.Open(QStringLiteral("Provider=MSOLAP;Data Source=") + testServer());
    for (olap::Recordset rs = cn.OpenSchema(olap::Connection::adSchemaCatalogs); !rs.Eof(); rs.MoveNext()) {
        if (rs.Fields(QStringLiteral("CATALOG_NAME")).toString() == candidate)
            return name = candidate;
    }
    QProcess script;
    script.start(QStringLiteral("bash"),
                 {QStringLiteral(TESSALINE_SOURCE_DIR "/scripts/create-sample-catalog.sh"), candidate});
    script.waitForFinished(300000);
    if (script.exitCode() != 0) {
        ADD_FAILURE() << script.readAllStandardError().toStdString();
        return {};
    }
    return name = candidate;
}

#define REQUIRE_TEST_SERVER() \
    if (testServer().isEmpty()) \
        GTEST_SKIP() << "no test server (scripts/test-postgres.sh start sets PGHOST)"; \
    const QString catalog = sampleCatalog(); \
    ASSERT_FALSE(catalog.isEmpty())
