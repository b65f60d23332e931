#include "app/connections/CubesTestFixture.h"

#include "app/connections/ConnectionStrings.h"
#include "app/connections/CubeConnection.h"
#include "app/connections/ServerCredentials.h"
#include "olap/ConnectionString.h"
#include "olap/PgConnection.h"
#include "pivot/PivotTable.h"

#include <QElapsedTimer>
#include <QTcpServer>

using namespace connections;
using namespace modGlobals;

namespace {

const QString kProviderQuestion =
    QStringLiteral("Failed to get an OLAP provider\r\nWould you like to go to the MS download site now?");

class Binding : public CubeRun
{
protected:
    int providerQuestions() const
    {
        int asked = 0;
        for (const auto& shown : run.fakes.messageBox.shown)
            asked += shown.text == kProviderQuestion ? 1 : 0;
        return asked;
    }

    pivot::PivotTable pivot;
};

using LocalBinding = Binding;
using ServerBinding = Binding;
using ServerConnection = CubeRun;

}

TEST(ConnectionStringValues, EveryAwkwardValueComesBackFromTheProvidersParser)
{
    const QStringList values = {QStringLiteral("a;b"), QStringLiteral("say \"hi\""), QStringLiteral("\"quoted\""),
                                QStringLiteral(" padded "), QStringLiteral("k=v"), QStringLiteral("'single"),
                                QStringLiteral("x;Data Source=evil"), QStringLiteral("[NUMBER]"),
                                // A ServerName.txt of "==,==" and passwords that begin with "=".
                                QStringLiteral("=="), QStringLiteral("=secret"), QStringLiteral("=a=b")};
    for (const QString& value : values) {
        const auto server = olap::ConnectionString::parse(connectionstrings::serverPass(
            connectionstrings::serverTemplate(value, value, QStringLiteral("u"), value), 4));
        EXPECT_EQ(server.value(QStringLiteral("Data Source"), QString()), value);
        EXPECT_EQ(server.value(QStringLiteral("Initial Catalog"), QString()), value);
        EXPECT_EQ(server.value(QStringLiteral("Password"), QString()), value);
        EXPECT_EQ(server.value(QStringLiteral("Provider"), QString()), QStringLiteral("MSOLAP.4"));
        const auto local = olap::ConnectionString::parse(connectionstrings::localTest(QStringLiteral("/d"), value));
        EXPECT_EQ(local.value(QStringLiteral("data source"), QString()), QStringLiteral("/d/") + value);
    }
}

TEST_F(ServerConnection, StepMessagesNeverShowTheSignIn)
{
    olap::Connection cn;
    QString why;
    const QString nowhere = dataPath + QStringLiteral("/no-server");
    EXPECT_FALSE(connections::GetMOLAPConnection(cn, nowhere, QStringLiteral("Sales"), QStringLiteral("ann"),
                                                 QStringLiteral("s3cret"), &why));
    EXPECT_FALSE(why.isEmpty());
    // No server there: the first provider version's failure is the network's, so it is the only try.
    EXPECT_EQ(modErroHandling::fncGetLastStep(),
              QStringLiteral("Trying to use the connection string :\r\nProvider=MSOLAP.4;Persist Security Info=True;"
                             "TimeOut=100;ShowHiddenCubes=True;SspropInitAppName=\"Tessaline Tool for Excel - Zelbrin "
                             "Outlook Solutions\";User ID=***;Password=***;Data Source=")
                  + nowhere + QStringLiteral(";Initial Catalog=Sales"));

    // A user of blanks only is no user: the local sign-in, nothing to hide.
    EXPECT_FALSE(
        connections::GetMOLAPConnection(cn, nowhere, QString(), QStringLiteral("  "), QStringLiteral("s3cret")));
    EXPECT_FALSE(modErroHandling::fncGetLastStep().contains(QStringLiteral("s3cret")));
    EXPECT_FALSE(modErroHandling::fncGetLastStep().contains(QStringLiteral("Initial Catalog")));
    EXPECT_TRUE(run.fakes.messageBox.shown.isEmpty());
}

TEST_F(ServerConnection, KeptSignInIsAddedOnlyForItsServerAndOnlyWithoutAUser)
{
    servercredentials::keep(QStringLiteral("olap;1"), QStringLiteral("ann;x"), QStringLiteral("p\"w"));
    const auto signedIn = olap::ConnectionString::parse(servercredentials::signedIn(connectionstrings::serverPivot(
        QStringLiteral("Provider=MSOLAP.4"), QStringLiteral("olap;1"), QStringLiteral("Sales"))));
    EXPECT_EQ(signedIn.value(QStringLiteral("User ID"), QString()), QStringLiteral("ann;x"));
    EXPECT_EQ(signedIn.value(QStringLiteral("Password"), QString()), QStringLiteral("p\"w"));
    EXPECT_EQ(signedIn.value(QStringLiteral("Initial Catalog"), QString()), QStringLiteral("Sales"));

    const QString other = connectionstrings::serverPivot(QStringLiteral("Provider=MSOLAP.4"), QStringLiteral("olap2"),
                                                         QStringLiteral("Sales"));
    EXPECT_EQ(servercredentials::signedIn(other), other);
    const QString ownUser = connectionstrings::serverPass(
        connectionstrings::serverTemplate(QStringLiteral("olap;1"), QString(), QStringLiteral("bob"), QString()), 4);
    EXPECT_EQ(servercredentials::signedIn(ownUser), ownUser);
    const QString cubeFile = connectionstrings::localTest(dataPath, QStringLiteral("Sales.cub"));
    EXPECT_EQ(servercredentials::signedIn(cubeFile), cubeFile);
}

TEST_F(LocalBinding, TheFirstCubeFileIsBoundWithTheProviderItsTestConnectionReports)
{
    putSampleCube("Sales", QStringLiteral("Sales.cub"));
    gstrCubeFile = QStringLiteral("Sales.cub");
    const std::pair<std::vector<const char*>, const char*> cases[] = {
        {{}, "Provider=MSOLAP.4"},
        {{"MSOLAP.4"}, "Provider=MSOLAP.3"},
        {{"MSOLAP.3"}, "Provider=MSOLAP"},
    };
    for (const auto& [removed, provider] : cases) {
        for (const char* progId : removed)
            unregister(progId);
        connections::subBindPivotTable(&pivot);
        EXPECT_EQ(gstrProvider, QString::fromLatin1(provider));
        EXPECT_EQ(pivot.ConnectionString(),
                  QString::fromLatin1(provider) + QStringLiteral(";data source=") + dataPath
                      + QStringLiteral("/Sales.cub"));
        EXPECT_EQ(pivot.DataMember(), QStringLiteral("Sales"));
    }
    // A cube file keeps the pivot's own title bar and field list.
    EXPECT_NE(pivot.ActiveView().TitleBar().Caption(), gstrAppTitle);
    EXPECT_TRUE(run.fakes.messageBox.shown.isEmpty());
}

TEST_F(LocalBinding, ACubeFileThatCannotBeOpenedIsNamedAndLeavesThePivotUnbound)
{
    putSampleCube("Sales", QStringLiteral("Sales.cub"));
    gstrCubeFile = QStringLiteral("Sales.cub");
    connections::subBindPivotTable(&pivot);
    ASSERT_FALSE(pivot.ConnectionString().isEmpty());

    // The provider works, the file does not: the user hears which file and why, and the
    // pivot table no longer shows the previous cube.
    const QString broken = put(QStringLiteral("Broken.cub"), "this is no cube file");
    gstrCubeFile = QStringLiteral("Broken.cub");
    connections::subBindPivotTable(&pivot);
    EXPECT_EQ(providerQuestions(), 0);
    ASSERT_EQ(run.fakes.messageBox.shown.size(), 1);
    EXPECT_EQ(run.fakes.messageBox.shown.front().style, platform::mb::vbCritical);
    EXPECT_EQ(run.fakes.messageBox.shown.front().title, gstrAppTitle);
    EXPECT_TRUE(run.fakes.messageBox.shown.front().text.contains(broken))
        << run.fakes.messageBox.shown.front().text.toStdString();
    EXPECT_TRUE(run.fakes.messageBox.shown.front().text.contains(QStringLiteral("not a database")));
    EXPECT_TRUE(pivot.ConnectionString().isEmpty());
    EXPECT_TRUE(run.fakes.urlOpener.urls.isEmpty());
    EXPECT_EQ(run.fakes.processEnd.ends, 0);

    // With no provider registered at all the answer is the download question, once.
    gstrProvider.clear();
    gstrCubeFile = QStringLiteral("Sales.cub");
    run.fakes.messageBox.answers = {platform::mb::vbYes};
    for (const char* progId : {"MSOLAP", "MSOLAP.3", "MSOLAP.4"})
        unregister(progId);
    connections::subBindPivotTable(&pivot);
    EXPECT_EQ(providerQuestions(), 1);
    EXPECT_EQ(run.fakes.urlOpener.urls, QStringList{connections::providerDownloadPage()});
    EXPECT_EQ(run.fakes.processEnd.ends, 0);
}

TEST_F(LocalBinding, WithoutACubeNothingIsBoundAndNothingAsked)
{
    connections::subBindPivotTable(&pivot);
    EXPECT_TRUE(run.fakes.messageBox.shown.isEmpty());
    EXPECT_TRUE(pivot.ConnectionString().isEmpty());
}

TEST_F(ServerBinding, EachProviderOutcome)
{
    REQUIRE_TEST_SERVER();
    gbServerMode = true;
    gstrServerName = testServer();
    gstrDatabase = catalog;
    gdicCubes.Add(QStringLiteral("Sales"), QStringLiteral("Sales"));
    gdicCubes.Add(QStringLiteral("Budget"), QStringLiteral("Budget"));

    connections::subBindPivotTable(&pivot);
    EXPECT_EQ(gstrProvider, QStringLiteral("Provider=MSOLAP.4"));
    EXPECT_EQ(pivot.ConnectionString(),
              connectionstrings::serverPivot(QStringLiteral("Provider=MSOLAP.4"), testServer(), catalog));
    // No cube chosen yet: the first one.
    EXPECT_EQ(gstrCubeName, QStringLiteral("Sales"));
    EXPECT_EQ(pivot.DataMember(), QStringLiteral("Sales"));
    EXPECT_EQ(pivot.ActiveView().TitleBar().Caption(), gstrAppTitle);
    EXPECT_TRUE(pivot.DisplayFieldList());

    gstrCubeName = QStringLiteral("Budget");
    unregister("MSOLAP.4");
    connections::subBindPivotTable(&pivot);
    EXPECT_EQ(gstrProvider, QStringLiteral("Provider=MSOLAP.3"));
    EXPECT_EQ(pivot.DataMember(), QStringLiteral("Budget"));

    unregister("MSOLAP.3");
    connections::subBindPivotTable(&pivot);
    EXPECT_EQ(gstrProvider, QStringLiteral("Provider=MSOLAP"));
    EXPECT_TRUE(run.fakes.messageBox.shown.isEmpty());

    unregister("MSOLAP");
    connections::subBindPivotTable(&pivot);
    EXPECT_TRUE(gstrProvider.isEmpty());
    EXPECT_EQ(providerQuestions(), 1);
    EXPECT_EQ(run.fakes.messageBox.shown.size(), 1);
    EXPECT_EQ(run.fakes.processEnd.ends, 0);
}

// Only a missing provider is answered with the download question: a server that cannot be
// reached, or a cube it cannot give, is told as it stands.
TEST_F(ServerBinding, FailuresOfTheServerOrTheCubeAreToldWithoutADownload)
{
    REQUIRE_TEST_SERVER();
    gbServerMode = true;
    gstrServerName = dataPath + QStringLiteral("/no-server");
    gstrDatabase = catalog;
    connections::subBindPivotTable(&pivot);
    EXPECT_TRUE(gstrProvider.isEmpty());
    ASSERT_EQ(run.fakes.messageBox.shown.size(), 1);
    EXPECT_TRUE(run.fakes.messageBox.shown[0].text.startsWith(QStringLiteral("The cube server cannot be reached: ")))
        << run.fakes.messageBox.shown[0].text.toStdString();

    gstrServerName = testServer();
    gstrCubeName = QStringLiteral("NoSuchCube");
    connections::subBindPivotTable(&pivot);
    EXPECT_EQ(gstrProvider, QStringLiteral("Provider=MSOLAP.4"));
    ASSERT_EQ(run.fakes.messageBox.shown.size(), 2);
    EXPECT_TRUE(run.fakes.messageBox.shown[1].text.contains(QStringLiteral("\"NoSuchCube\"")));
    EXPECT_EQ(providerQuestions(), 0);
    EXPECT_EQ(run.fakes.processEnd.ends, 0);
}

TEST_F(ServerConnection, TheProviderPassesOnTheTestServer)
{
    REQUIRE_TEST_SERVER();
    const std::pair<const char*, const char*> outcomes[] = {
        {nullptr, "MSOLAP.4"}, {"MSOLAP.4", "MSOLAP.3"}, {"MSOLAP.3", "MSOLAP"}};
    for (const auto& [removed, reported] : outcomes) {
        if (removed)
            unregister(removed);
        olap::Connection cn;
        ASSERT_TRUE(connections::GetMOLAPConnection(cn, testServer(), catalog, QString(), QString()));
        EXPECT_EQ(cn.DefaultDatabase(), catalog);
        EXPECT_EQ(cn.Provider(), QString::fromLatin1(reported));
        EXPECT_TRUE(modErroHandling::fncGetLastStep().startsWith(
            QStringLiteral("Trying to use the connection string :\r\nProvider=") + QString::fromLatin1(reported)
            + QLatin1Char(';')));
    }
    unregister("MSOLAP");
    olap::Connection none;
    QString why;
    EXPECT_FALSE(connections::GetMOLAPConnection(none, testServer(), catalog, QString(), QString(), &why));
    EXPECT_FALSE(none.isOpen());
    EXPECT_TRUE(why.contains(QStringLiteral("Provider cannot be found")));
}

TEST_F(ServerConnection, ASignInKeptForTheServerIsUsedWhenNoneIsGiven)
{
    REQUIRE_TEST_SERVER();
    // The test server lets every existing role in, so an unknown role proves the kept one was used.
    servercredentials::keep(testServer(), QStringLiteral("no_such_role"), QStringLiteral("pw"));
    olap::Connection refused;
    EXPECT_FALSE(connections::GetMOLAPConnection(refused, testServer(), catalog, QString(), QString()));
    EXPECT_TRUE(modErroHandling::fncGetLastStep().contains(QStringLiteral("User ID=***;Password=***")));

    servercredentials::keep(testServer(), QStringLiteral("postgres"), QStringLiteral("pw"));
    olap::Connection accepted;
    EXPECT_TRUE(connections::GetMOLAPConnection(accepted, testServer(), catalog, QString(), QString()));

    // The pivot table's connections to that server sign in the same way, while the string
    // it keeps (and reports save) carries no sign-in.
    servercredentials::keep(testServer(), QStringLiteral("no_such_role"), QStringLiteral("pw"));
    pivot::PivotTable pivot;
    pivot.setConnectionString(
        connectionstrings::serverPivot(QStringLiteral("Provider=MSOLAP.4"), testServer(), catalog));
    EXPECT_THROW(pivot.DataMemberStrings(), platform::VbError);
    EXPECT_FALSE(pivot.ConnectionString().contains(QStringLiteral("no_such_role")));
    servercredentials::forget();
    EXPECT_EQ(pivot.DataMemberStrings(), (QStringList{QStringLiteral("Sales"), QStringLiteral("Budget")}));
}

TEST_F(ServerConnection, AServerThatAcceptsAndNeverAnswersIsGivenUpWithinSecondsAndOnce)
{
    // Listening is enough: the system accepts the connection, and nothing ever answers it.
    QTcpServer silent;
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost));
    const QString server = QStringLiteral("127.0.0.1:%1").arg(silent.serverPort());
    olap::Connection cn;
    QString why;
    QElapsedTimer waited;
    waited.start();
    EXPECT_FALSE(connections::GetMOLAPConnection(cn, server, QStringLiteral("Sales"), QString(), QString(), &why));
    // One try of at most a few seconds, where the provider's TimeOut and its four versions
    // made nearly seven minutes.
    EXPECT_LT(waited.elapsed(), 4 * 1000 * olap::kMostConnectSeconds);
    EXPECT_FALSE(why.isEmpty());
    EXPECT_TRUE(modErroHandling::fncGetLastStep().contains(QStringLiteral("Provider=MSOLAP.4;")));

    gbServerMode = true;
    gstrServerName = server;
    gstrDatabase = QStringLiteral("Sales");
    pivot::PivotTable pivot;
    waited.restart();
    connections::subBindPivotTable(&pivot);
    EXPECT_LT(waited.elapsed(), 4 * 1000 * olap::kMostConnectSeconds);
    EXPECT_TRUE(gstrProvider.isEmpty());
    ASSERT_EQ(run.fakes.messageBox.shown.size(), 1);
    EXPECT_TRUE(run.fakes.messageBox.shown[0].text.startsWith(QStringLiteral("The cube server cannot be reached: ")));
}
