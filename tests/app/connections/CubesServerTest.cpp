#include "app/connections/CubesTestFixture.h"

#include "app/connections/CubeDiscovery.h"
#include "app/connections/ServerCredentials.h"
#include "app/connections/StartupHooks.h"
#include "app/connections/serverdialog/frmAnalysisServices.h"
#include "app/startup/modMain.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>

using namespace connections;
using namespace modGlobals;

namespace {

using ServerCubes = CubeRun;

// Runs `answer` on the server dialog once it is open and waiting for the user.
void whenTheDialogOpens(std::function<void(serverdialog::frmAnalysisServices&)> answer)
{
    QTimer::singleShot(0, [answer] {
        auto* dialog = qobject_cast<serverdialog::frmAnalysisServices*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        answer(*dialog);
    });
}

}

TEST_F(ServerCubes, TheCatalogsCubesInTheServersOrder)
{
    REQUIRE_TEST_SERVER();
    gstrServerName = testServer();
    gstrDatabase = catalog;
    connections::subGetServerCubes();
    EXPECT_EQ(gdicCubes.Keys(), (QStringList{QStringLiteral("Sales"), QStringLiteral("Budget")}));
    EXPECT_EQ(gdicCubes.Item(QStringLiteral("Budget")), QStringLiteral("Budget"));
    EXPECT_TRUE(gstrCubeName.isEmpty());
    EXPECT_TRUE(run.fakes.messageBox.shown.isEmpty());
}

TEST_F(ServerCubes, AServerThatCannotBeReachedIsNamedThenTheProgramEnds)
{
    gstrServerName = dataPath + QStringLiteral("/no-server");
    gstrDatabase = QStringLiteral("Sales");
    EXPECT_TRUE(run.ends([] { connections::subGetServerCubes(); }));
    ASSERT_EQ(run.fakes.messageBox.shown.size(), 1);
    const QString text = run.fakes.messageBox.shown.front().text;
    EXPECT_TRUE(text.startsWith(QStringLiteral("Unable to connect to the database Sales on the server ")
                                + gstrServerName + QStringLiteral("!\r\nThe error message is: \r\n")))
        << text.toStdString();
    EXPECT_TRUE(text.endsWith(dataPath + QStringLiteral("/ServerName.txt.")));
    EXPECT_EQ(run.fakes.processEnd.ends, 1);
    EXPECT_EQ(run.fakes.processEnd.lastExitCode, 1);   // a script can tell it from a normal close
    EXPECT_TRUE(gdicCubes.Keys().isEmpty());
}

TEST_F(ServerCubes, ACatalogWithoutCubesIsNamedWithTheFileToEditThenTheProgramEndsAsFailed)
{
    REQUIRE_TEST_SERVER();
    gstrServerName = testServer();
    gstrDatabase = QStringLiteral("postgres");   // reachable, and without the olap schema
    EXPECT_TRUE(run.ends([] { connections::subGetServerCubes(); }));
    ASSERT_EQ(run.fakes.messageBox.shown.size(), 1);
    const QString text = run.fakes.messageBox.shown.front().text;
    EXPECT_TRUE(text.startsWith(QStringLiteral("The database postgres on the server ") + gstrServerName
                                + QStringLiteral(" holds no cube.")))
        << text.toStdString();
    EXPECT_TRUE(text.endsWith(dataPath + QStringLiteral("/ServerName.txt.")));
    EXPECT_EQ(run.fakes.processEnd.lastExitCode, 1);
}

TEST_F(ServerCubes, StartUpWithOnlyServerNameTxtFindsTheServersCubes)
{
    REQUIRE_TEST_SERVER();
    put(QStringLiteral("ServerName.txt"), (testServer() + QLatin1Char(',') + catalog).toUtf8());
    run.fakes.app.setCommandLine(dataPath);
    connections::hooks().loadLanguages = [](int) {};
    QWidget* boundPivot = nullptr;
    connections::hooks().bindPivotTable = [&](QWidget* pivot) { boundPivot = pivot; };

    modMain::Main();
    EXPECT_TRUE(gbServerMode);
    EXPECT_EQ(gstrServerName, testServer());
    EXPECT_EQ(gstrDatabase, catalog);
    EXPECT_EQ(gdicCubes.Keys(), (QStringList{QStringLiteral("Sales"), QStringLiteral("Budget")}));
    EXPECT_EQ(gstrCubeFile, QStringLiteral("Sales"));
    EXPECT_NE(boundPivot, nullptr);
    EXPECT_TRUE(run.fakes.messageBox.shown.isEmpty());
}

TEST_F(ServerCubes, WithNeitherTheDialogListsTheDatabasesAndOkWritesServerNameTxt)
{
    REQUIRE_TEST_SERVER();
    QStringList listed;
    whenTheDialogOpens([&](serverdialog::frmAnalysisServices& dialog) {
        dialog.txtServer()->setText(testServer());
        dialog.cmdGetDatabases()->click();
        for (int i = 0; i < dialog.cmbDatabase()->count(); ++i)
            listed.append(dialog.cmbDatabase()->itemText(i));
        // The first is chosen, which allows OK.
        EXPECT_EQ(dialog.cmbDatabase()->currentIndex(), 0);
        EXPECT_TRUE(dialog.cmdOK()->isEnabled());
        dialog.cmbDatabase()->setCurrentText(catalog);
        dialog.cmdOK()->click();
    });
    connections::subGetServerName();
    QStringList byName = listed;
    byName.sort();
    EXPECT_EQ(listed, byName);   // in the server's order, which is by name
    EXPECT_TRUE(listed.contains(QStringLiteral("postgres")));
    EXPECT_TRUE(listed.contains(catalog));
    EXPECT_EQ(gstrServerName, testServer());
    EXPECT_EQ(gstrDatabase, catalog);
    EXPECT_EQ(FreshRun::bytesOf(dataPath + QStringLiteral("/ServerName.txt")),
              (testServer() + QLatin1Char(',') + catalog).toUtf8());
    EXPECT_FALSE(servercredentials::forServer(testServer()));
    EXPECT_TRUE(run.fakes.messageBox.shown.isEmpty());
}

TEST_F(ServerCubes, ASignInTypedInTheDialogIsKeptForTheRunButNeverWritten)
{
    REQUIRE_TEST_SERVER();
    whenTheDialogOpens([&](serverdialog::frmAnalysisServices& dialog) {
        dialog.txtServer()->setText(testServer());
        dialog.chkIntegratedSecurity()->click();
        dialog.txtUserName()->setText(QStringLiteral("postgres"));
        dialog.txtPassword()->setText(QStringLiteral("s3cret"));
        dialog.cmdGetDatabases()->click();
        dialog.cmbDatabase()->setCurrentText(catalog);
        dialog.cmdOK()->click();
    });
    connections::subGetServerName();
    const auto kept = servercredentials::forServer(testServer());
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->user, QStringLiteral("postgres"));
    EXPECT_EQ(kept->password, QStringLiteral("s3cret"));
    EXPECT_EQ(FreshRun::bytesOf(dataPath + QStringLiteral("/ServerName.txt")),
              (testServer() + QLatin1Char(',') + catalog).toUtf8());

    connections::subGetServerCubes();
    EXPECT_EQ(gdicCubes.Count(), 2);
    EXPECT_TRUE(modErroHandling::fncGetLastStep().contains(QStringLiteral("User ID=***;Password=***")));
    EXPECT_FALSE(modErroHandling::fncGetLastStep().contains(QStringLiteral("s3cret")));
}

TEST_F(ServerCubes, CancellingTheDialogEndsTheProgramAndWritesNothing)
{
    whenTheDialogOpens([](serverdialog::frmAnalysisServices& dialog) { dialog.cmdCancel()->click(); });
    connections::subGetServerName();
    EXPECT_EQ(run.fakes.processEnd.ends, 1);
    EXPECT_FALSE(QFile::exists(dataPath + QStringLiteral("/ServerName.txt")));
    EXPECT_TRUE(gstrServerName.isEmpty());
    EXPECT_TRUE(run.fakes.messageBox.shown.isEmpty());
}
