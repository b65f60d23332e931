#include "app/connections/CubesTestFixture.h"

#include "app/connections/CubeDiscovery.h"
#include "app/connections/StartupHooks.h"
#include "app/startup/modMain.h"

#include <QApplication>
#include <unistd.h>

using namespace connections;
using namespace modGlobals;
using connections::fncIsTempCubeName;

namespace {

using CubeFiles = CubeRun;
using ServerNameFile = CubeRun;

}

TEST(CubeNames, OnlyBracedHexNamesWithTwoHyphensAreTemporary)
{
    for (const char* temporary : {"{1A2B-3C4D-5E6F}.cub", "{1a2b3c4d-1111-2222-3333-444455556666}.cub", "{AB-CD-}.CUB"})
        EXPECT_TRUE(fncIsTempCubeName(QString::fromLatin1(temporary))) << temporary;
    for (const char* cube : {"Sales {2023-01-15}.cub", "{AB-C}.cub", "x-y-z.cub", "{Plan-2024-Q1}.cub",
                             "{1A2B-3C4D-5E6F}.cub.bak", "a{1A2B-3C4D-5E6F}.cub", "{1A2B-3C4D-5E6F}", "Sales.cub"})
        EXPECT_FALSE(fncIsTempCubeName(QString::fromLatin1(cube))) << cube;
}

TEST(CubeNames, NamesThatCouldLeadOutOfTheReportFolderAreNoFolderNames)
{
    for (const char* usable : {"Sales", "Sales 2024", "a..b", "Göteborg", ".hidden"})
        EXPECT_TRUE(connections::isUsableFolderName(QString::fromUtf8(usable))) << usable;
    for (const char* unusable : {"", ".", "..", "../Sales", "a/b", "a\\b", "line\nbreak", "tab\there", "nul\x7f"})
        EXPECT_FALSE(connections::isUsableFolderName(QString::fromUtf8(unusable))) << unusable;
}

TEST_F(CubeFiles, AreTakenInNameOrderAndTemporaryOnesAreDeleted)
{
    for (const char* name :
         {"c.CUB", "b.cub", "{1A2B-3C4D-5E6F}.cub", "Sales {2023-01-15}.cub", "A.cub", "{AB-C}.cub", "notes.txt"})
        put(QString::fromLatin1(name));
    connections::subGetCubeFileNames();

    // Sorted in the user's collation, where punctuation may come first or last.
    ASSERT_EQ(gdicCubes.Count(), 4);
    EXPECT_LT(gdicCubes.Keys().indexOf(QStringLiteral("A")), gdicCubes.Keys().indexOf(QStringLiteral("b")));
    EXPECT_LT(gdicCubes.Keys().indexOf(QStringLiteral("b")),
              gdicCubes.Keys().indexOf(QStringLiteral("Sales {2023-01-15}")));
    EXPECT_TRUE(gdicCubes.Exists(QStringLiteral("{AB-C}")));
    EXPECT_EQ(gdicCubes.Item(QStringLiteral("b")), dataPath + QStringLiteral("/b.cub"));
    // The last one taken in name order.
    EXPECT_EQ(gstrCubeName, QStringLiteral("{AB-C}"));
    EXPECT_FALSE(QFile::exists(dataPath + QStringLiteral("/{1A2B-3C4D-5E6F}.cub")));
    for (const char* kept : {"c.CUB", "Sales {2023-01-15}.cub", "notes.txt"})
        EXPECT_TRUE(QFile::exists(dataPath + QLatin1Char('/') + QString::fromLatin1(kept))) << kept;
    // Report folders come with the report dictionary, under the root of the components in use.
    EXPECT_FALSE(QDir(dataPath + QStringLiteral("/Reports2K")).exists());
}

TEST_F(CubeFiles, NamesDifferingOnlyInCaseGiveOneCubeTheFirst)
{
    put(QStringLiteral("sales.cub"));
    put(QStringLiteral("Sales.cub"));
    put(QStringLiteral("SALES.cub"));
    connections::subGetCubeFileNames();
    ASSERT_EQ(gdicCubes.Count(), 1);
    EXPECT_EQ(gdicCubes.Keys().front(), QStringLiteral("SALES"));
    EXPECT_EQ(gdicCubes.Items().front(), dataPath + QStringLiteral("/SALES.cub"));
    EXPECT_EQ(run.fakes.processEnd.ends, 0);
}

TEST_F(CubeFiles, FilesWhoseCubeNameCouldLeadOutOfTheReportFolderAreNotCubes)
{
    // "..." less ".cub" names the report root's parent, ".cub" the root itself.
    for (const char* name : {"...cub", "..cub", ".cub", "Sales.cub"})
        put(QString::fromLatin1(name));
    connections::subGetCubeFileNames();
    EXPECT_EQ(gdicCubes.Keys(), QStringList{QStringLiteral("Sales")});
    EXPECT_EQ(run.fakes.processEnd.ends, 0);
}

TEST_F(CubeFiles, AMissingDataFolderGoesToTheErrorReport)
{
    gstrDataPath = dataPath + QStringLiteral("/gone");
    EXPECT_TRUE(run.ends([] { connections::subGetCubeFileNames(); }));
    EXPECT_TRUE(modErroHandling::gstrErrorReport.contains(QStringLiteral("subGetCubeFileNames")));
}

TEST_F(CubeFiles, AnUnreadableDataFolderIsNamedNotTakenForAnEmptyOne)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root reads every folder";
    put(QStringLiteral("Sales.cub"));
    QFile::setPermissions(dataPath, QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const bool ended = run.ends([] { connections::subGetCubeFileNames(); });
    QFile::setPermissions(dataPath, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_TRUE(ended);
    ASSERT_EQ(run.fakes.messageBox.shown.size(), 1);
    EXPECT_TRUE(run.fakes.messageBox.shown.front().text.contains(dataPath));
    EXPECT_EQ(gdicCubes.Count(), 0);
}

TEST_F(CubeFiles, StartUpOnTheSampleFolderFindsItsCubesAndBindsTheFirst)
{
    putSampleCube("Sales", QStringLiteral("Sales.cub"));
    putSampleCube("Budget", QStringLiteral("Budget.cub"));
    run.fakes.app.setCommandLine(dataPath);
    connections::hooks().loadLanguages = [](int) {};

    modMain::Main();
    EXPECT_EQ(gdicCubes.Keys(), (QStringList{QStringLiteral("Budget"), QStringLiteral("Sales")}));
    EXPECT_FALSE(gbServerMode);
    EXPECT_EQ(gstrCubeFile, QStringLiteral("Budget.cub"));
    // The test connection to the first cube told which provider answers.
    EXPECT_EQ(gstrProvider, QStringLiteral("Provider=MSOLAP.4"));
    EXPECT_TRUE(run.fakes.messageBox.shown.isEmpty());
    EXPECT_FALSE(QFile::exists(dataPath + QStringLiteral("/ServerName.txt")));
}

TEST_F(ServerNameFile, IsReadAsServerCommaDatabase)
{
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"srv,db", "srv", "db"},
        {"srv,db,x", "srv", "db"},
        {",db", "", "db"},
        {"srv,db\r\nother,line", "srv", "db"},
        {"\xEF\xBB\xBFsrv,db", "srv", "db"},
        {" srv , db ", " srv ", " db "},
        {"Z\xC3\xBCrich,Sales", "Zürich", "Sales"},
        {"Z\xFCrich,Sales", "Zürich", "Sales"},
        // 8-bit files are in the ANSI code page of the user's language (English: 1252).
        {"\x80uro,Sales", "€uro", "Sales"},
        {"==,==", "==", "=="},
    };
    for (const auto& [bytes, server, database] : cases) {
        const auto read = connections::parseServerNameFile(QByteArray(bytes));
        EXPECT_EQ(read.server, QString::fromUtf8(server)) << bytes;
        EXPECT_EQ(read.database, QString::fromUtf8(database)) << bytes;
    }
    EXPECT_EQ(connections::serverNameFileBytes(QStringLiteral("OLAPSRV"), QStringLiteral("Sales")),
              QByteArray("OLAPSRV,Sales"));
}

TEST_F(ServerNameFile, SetsTheServerAndDatabaseWithoutAskingWhenPresent)
{
    put(QStringLiteral("ServerName.txt"), "olap1,Finance");
    connections::subGetServerName();
    EXPECT_EQ(gstrServerName, QStringLiteral("olap1"));
    EXPECT_EQ(gstrDatabase, QStringLiteral("Finance"));
    EXPECT_TRUE(run.fakes.messageBox.shown.isEmpty());
}

TEST_F(ServerNameFile, WithoutACommaOrEmptyEndsInTheErrorReport)
{
    for (const char* bytes : {"olap1", ""}) {
        // The end of the program released the file-system object.
        common::startFreshRun();
        modFileHandling::subSetupFS();
        put(QStringLiteral("ServerName.txt"), bytes);
        EXPECT_TRUE(run.ends([] { connections::subGetServerName(); })) << bytes;
        EXPECT_TRUE(modErroHandling::gstrErrorReport.contains(QStringLiteral("subGetServerName"))) << bytes;
    }
}
