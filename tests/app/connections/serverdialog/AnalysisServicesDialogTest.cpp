#include "app/connections/CubesTestFixture.h"

#include "app/connections/serverdialog/frmAnalysisServices.h"
#include "olap/PgConnection.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTcpServer>
#include <QTest>
#include <QTimer>

using namespace connections::serverdialog;

namespace {

class ServerDialog : public CubeRun
{
protected:
    ServerDialog()
    {
        using namespace modMultiLingual;
        LNGANALYSISSERVICES = QStringLiteral("Analysis Server");
        LNGINTEGRATEDSECURITY = QStringLiteral("Integrated Security");
        LNGUSERNAME = QStringLiteral("User name");
        LNGPASSWORD = QStringLiteral("Password");
        LNGGETDATABASES = QStringLiteral("Get Databases");
        LNGDATABASES = QStringLiteral("Databases");
        LNGOK = QStringLiteral("OK");
        LNGCANCEL = QStringLiteral("Cancel");
    }

    static bool credentialsEnabled(const frmAnalysisServices& dialog)
    {
        const bool all = dialog.lblUserName()->isEnabled() && dialog.txtUserName()->isEnabled()
            && dialog.lblPassword()->isEnabled() && dialog.txtPassword()->isEnabled();
        const bool any = dialog.lblUserName()->isEnabled() || dialog.txtUserName()->isEnabled()
            || dialog.lblPassword()->isEnabled() || dialog.txtPassword()->isEnabled();
        EXPECT_EQ(all, any);
        return all;
    }
};

}

TEST_F(ServerDialog, OpensAskingForAServerWithTheTrustedSignIn)
{
    frmAnalysisServices dialog;
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("MS Analysis Server"));
    EXPECT_TRUE(dialog.isModal());
    EXPECT_TRUE(dialog.chkIntegratedSecurity()->isChecked());
    EXPECT_EQ(dialog.chkIntegratedSecurity()->palette().color(QPalette::Window), QColor(239, 239, 222));
    EXPECT_FALSE(credentialsEnabled(dialog));
    EXPECT_EQ(dialog.txtPassword()->echoMode(), QLineEdit::Password);
    EXPECT_TRUE(dialog.txtServer()->isEnabled());
    EXPECT_FALSE(dialog.cmdGetDatabases()->isEnabled());
    EXPECT_FALSE(dialog.cmbDatabase()->isEnabled());
    EXPECT_EQ(dialog.cmbDatabase()->count(), 0);
    EXPECT_FALSE(dialog.cmdOK()->isEnabled());
    EXPECT_TRUE(dialog.cmdCancel()->isEnabled());
    // Everything is registered: no warnings.
    EXPECT_FALSE(dialog.lblXML6Missing()->isVisible());
    EXPECT_FALSE(dialog.lblOLEDBMissing()->isVisible());

    const std::pair<QWidget*, const char*> captions[] = {
        {dialog.lblServerName(), "Analysis Server"},
        {dialog.chkIntegratedSecurity(), "Integrated Security"},
        {dialog.lblUserName(), "User name"},
        {dialog.lblPassword(), "Password"},
        {dialog.cmdGetDatabases(), "Get Databases"},
        {dialog.lblDatabase(), "Databases"},
        {dialog.cmdOK(), "OK"},
        {dialog.cmdCancel(), "Cancel"},
    };
    for (const auto& [control, caption] : captions) {
        const QString text = qobject_cast<QLabel*>(control) ? qobject_cast<QLabel*>(control)->text()
                                                            : qobject_cast<QAbstractButton*>(control)->text();
        EXPECT_EQ(text, QString::fromLatin1(caption)) << control->objectName().toStdString();
    }
    dialog.hide();
}

TEST_F(ServerDialog, TheCheckBoxSwitchesTheSignInControlsAndTheServerNameTheListButton)
{
    frmAnalysisServices dialog;
    dialog.show();
    dialog.chkIntegratedSecurity()->click();
    EXPECT_TRUE(credentialsEnabled(dialog));
    dialog.chkIntegratedSecurity()->click();
    EXPECT_FALSE(credentialsEnabled(dialog));

    QTest::keyClicks(dialog.txtServer(), QStringLiteral("olap1"));
    EXPECT_TRUE(dialog.cmdGetDatabases()->isEnabled());
    dialog.txtServer()->selectAll();
    QTest::keyClick(dialog.txtServer(), Qt::Key_Delete);
    EXPECT_FALSE(dialog.cmdGetDatabases()->isEnabled());
    dialog.hide();
}

TEST_F(ServerDialog, WarningLabelsFollowTheRegistrationsAndOpenTheDownloadPage)
{
    unregister("MSOLAP.3");
    frmAnalysisServices withoutProvider;
    withoutProvider.show();
    EXPECT_TRUE(withoutProvider.lblOLEDBMissing()->isVisible());
    EXPECT_FALSE(withoutProvider.lblXML6Missing()->isVisible());
    QTest::mouseClick(withoutProvider.lblOLEDBMissing(), Qt::LeftButton);
    withoutProvider.hide();

    unregister("Msxml2.DOMDocument.6.0");
    frmAnalysisServices withoutParser;
    withoutParser.show();
    EXPECT_TRUE(withoutParser.lblXML6Missing()->isVisible());
    QTest::mouseClick(withoutParser.lblXML6Missing(), Qt::LeftButton);
    withoutParser.hide();

    // Both through the default browser's program.
    ASSERT_EQ(run.fakes.launcher.started.size(), 2);
    for (const auto& started : run.fakes.launcher.started) {
        EXPECT_EQ(started.program, QStringLiteral("/usr/bin/xdg-open"));
        EXPECT_EQ(started.arguments, QStringList{frmAnalysisServices::componentsDownloadPage()});
    }
    EXPECT_TRUE(run.fakes.messageBox.shown.isEmpty());
    EXPECT_EQ(run.fakes.processEnd.ends, 0);
}

TEST_F(ServerDialog, AnUnreachableServerIsToldAndTheDialogStaysOpen)
{
    frmAnalysisServices dialog;
    dialog.show();
    const QString nowhere = dataPath + QStringLiteral("/no-server");
    dialog.txtServer()->setText(nowhere);
    dialog.cmdGetDatabases()->click();
    ASSERT_EQ(run.fakes.messageBox.shown.size(), 1);
    const auto& shown = run.fakes.messageBox.shown.front();
    EXPECT_TRUE(shown.text.startsWith(QStringLiteral("Unable to find databases on the server ") + nowhere
                                      + QStringLiteral("\r\n")));
    EXPECT_GT(shown.text.size(), (QStringLiteral("Unable to find databases on the server \r\n") + nowhere).size());
    EXPECT_EQ(shown.style, platform::mb::vbOKOnly | platform::mb::vbCritical);
    EXPECT_EQ(shown.title, modGlobals::gstrAppTitle);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.cmbDatabase()->isEnabled());
    EXPECT_FALSE(dialog.cmdOK()->isEnabled());
    EXPECT_EQ(dialog.cursor().shape(), Qt::ArrowCursor);
    dialog.hide();
}

TEST_F(ServerDialog, AServerThatNeverAnswersLeavesTheDialogAnsweringAndCancellable)
{
    QTcpServer silent;   // accepts every connection and never says a word
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost));
    const QString server = QStringLiteral("127.0.0.1:%1").arg(silent.serverPort());

    // Left to wait, the dialog says within seconds that the server cannot be reached.
    {
        connections::serverdialog::frmAnalysisServices dialog;
        dialog.show();
        dialog.txtServer()->setText(server);
        bool answered = false;
        QTimer::singleShot(200, &dialog, [&] { answered = dialog.cmdCancel()->isEnabled() && dialog.isVisible(); });
        QElapsedTimer waited;
        waited.start();
        dialog.cmdGetDatabases()->click();
        EXPECT_LT(waited.elapsed(), 4 * 1000 * olap::kMostConnectSeconds);
        EXPECT_TRUE(answered);   // events were handled while the server was asked
        ASSERT_EQ(run.fakes.messageBox.shown.size(), 1);
        EXPECT_TRUE(run.fakes.messageBox.shown.front().text.contains(server));
        EXPECT_TRUE(dialog.cmdGetDatabases()->isEnabled());
        dialog.hide();
    }

    // Cancel while it waits ends the dialog at once, as Cancel always does.
    connections::serverdialog::frmAnalysisServices dialog;
    dialog.show();
    dialog.txtServer()->setText(server);
    QTimer::singleShot(200, &dialog, [&] { dialog.cmdCancel()->click(); });
    QElapsedTimer waited;
    waited.start();
    dialog.cmdGetDatabases()->click();
    EXPECT_LT(waited.elapsed(), 1000 * olap::kMostConnectSeconds);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(run.fakes.processEnd.ends, 1);
    EXPECT_EQ(run.fakes.messageBox.shown.size(), 1);   // nothing more about the abandoned try
    // The abandoned try ends on its own, within the connection's bound.
    QTest::qWait(1000 * olap::kMostConnectSeconds + 1000);
    EXPECT_EQ(run.fakes.messageBox.shown.size(), 1);
}

TEST_F(ServerDialog, ChangingTheServerForgetsTheDatabasesListedForTheOldOne)
{
    frmAnalysisServices dialog;
    dialog.show();
    dialog.txtServer()->setText(QStringLiteral("olapA"));
    dialog.cmbDatabase()->addItem(QStringLiteral("Sales"));   // as listing olapA would
    ASSERT_TRUE(dialog.cmdOK()->isEnabled());
    dialog.txtServer()->setText(QStringLiteral("olapB"));
    EXPECT_EQ(dialog.cmbDatabase()->count(), 0);
    dialog.cmdOK()->click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    ASSERT_EQ(run.fakes.messageBox.shown.size(), 1);
    EXPECT_TRUE(run.fakes.messageBox.shown.front().text.contains(QStringLiteral("olapB")));
    EXPECT_EQ(run.fakes.processEnd.ends, 0);
}

TEST_F(ServerDialog, ANameThatServerNameTxtCannotHoldIsRefused)
{
    const std::pair<const char*, const char*> refused[] = {
        {"olap1,olap2", "Sales"}, {"olap1", "Sales,2024"}, {"olap1\n", "Sales"}, {"olap1", "Sa\r\nles"}};
    for (const auto& [server, database] : refused) {
        frmAnalysisServices dialog;
        dialog.show();
        dialog.txtServer()->setText(QString::fromLatin1(server));
        dialog.cmbDatabase()->addItem(QString::fromLatin1(database));
        ASSERT_TRUE(dialog.cmdOK()->isEnabled());
        dialog.cmdOK()->click();
        EXPECT_TRUE(dialog.isVisible()) << server << " / " << database;
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        dialog.hide();
    }
    ASSERT_EQ(run.fakes.messageBox.shown.size(), 4);
    EXPECT_TRUE(run.fakes.messageBox.shown.front().text.contains(QStringLiteral("ServerName.txt")));
    EXPECT_EQ(run.fakes.processEnd.ends, 0);
}

TEST_F(ServerDialog, CancelEscapeAndTheCloseBoxEndTheProgramWithoutAMessage)
{
    const std::function<void(frmAnalysisServices&)> ways[] = {
        [](frmAnalysisServices& d) { d.cmdCancel()->click(); },
        [](frmAnalysisServices& d) { QTest::keyClick(&d, Qt::Key_Escape); },
        [](frmAnalysisServices& d) { d.close(); },
    };
    int expectedEnds = 0;
    for (const auto& leave : ways) {
        frmAnalysisServices dialog;
        dialog.show();
        leave(dialog);
        EXPECT_EQ(run.fakes.processEnd.ends, ++expectedEnds);
        EXPECT_EQ(run.fakes.processEnd.lastExitCode, 0);   // the user's own choice
        EXPECT_FALSE(dialog.isVisible());
    }
    EXPECT_TRUE(run.fakes.messageBox.shown.isEmpty());

    // After OK the caller closes the dialog itself; that is no end.
    frmAnalysisServices answered;
    answered.show();
    answered.txtServer()->setText(QStringLiteral("olap1"));
    answered.cmbDatabase()->addItem(QStringLiteral("Sales"));
    answered.cmdOK()->click();
    EXPECT_EQ(answered.result(), QDialog::Accepted);
    answered.close();
    EXPECT_EQ(run.fakes.processEnd.ends, expectedEnds);
}

TEST_F(ServerDialog, AnErrorReportWhileItIsOpenStillEndsTheRunAsFailed)
{
    frmAnalysisServices dialog;
    dialog.show();
    // The error report closes every window; the dialog's own end must not come first.
    EXPECT_TRUE(run.ends([] { modErroHandling::subHandleError(QStringLiteral("boom"), 5, 0, QStringLiteral("x")); }));
    EXPECT_EQ(run.fakes.processEnd.ends, 1);
    EXPECT_EQ(run.fakes.processEnd.lastExitCode, 1);
}

TEST_F(ServerDialog, TheChoiceCarriesASignInOnlyWhenOneWasTyped)
{
    frmAnalysisServices dialog;
    dialog.show();
    dialog.txtServer()->setText(QStringLiteral("olap1"));
    dialog.cmbDatabase()->addItem(QStringLiteral("Sales"));
    dialog.chkIntegratedSecurity()->click();
    dialog.txtUserName()->setText(QStringLiteral("ann"));
    dialog.txtPassword()->setText(QStringLiteral("s3cret"));
    const ServerChoice typed = dialog.chosen();
    EXPECT_EQ(typed.server, QStringLiteral("olap1"));
    EXPECT_EQ(typed.database, QStringLiteral("Sales"));
    EXPECT_EQ(typed.userName, QStringLiteral("ann"));
    EXPECT_EQ(typed.password, QStringLiteral("s3cret"));

    // Back to the trusted sign-in: what was typed stays in the fields but is not chosen.
    dialog.chkIntegratedSecurity()->click();
    const ServerChoice trusted = dialog.chosen();
    EXPECT_EQ(trusted.server, QStringLiteral("olap1"));
    EXPECT_TRUE(trusted.userName.isEmpty());
    EXPECT_TRUE(trusted.password.isEmpty());
    dialog.hide();
}
