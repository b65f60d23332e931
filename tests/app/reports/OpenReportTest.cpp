#include "app/connections/CubesTestFixture.h"
#include "app/reportwindow/FakeReportWindow.h"
#include "app/reportwindow/ReportWindowTestSupport.h"

#include "app/connections/ConnectionStrings.h"
#include "app/connections/StartupHooks.h"
#include "app/reports/OpenReport.h"
#include "app/reports/ReportRecord.h"
#include "app/reports/cOLAPReport.h"
#include "app/reports/cReportsDic.h"
#include "app/reports/tree/ReportTree.h"
#include "app/reportwindow/ReportWindow.h"
#include "app/startup/modMain.h"
#include "common/modScriptingDic.h"
#include "lang/QtTranslations.h"
#include "lang/modGenericLanguages.h"
#include "pivot/PivotXml.h"
#include "platform/MessageBox.h"

#include <QLocalServer>
#include <QPushButton>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace modGlobals;

namespace {

std::shared_ptr<reports::cOLAPReport> report(const QString& cube, const QString& name, const QString& pivotXml)
{
    auto r = std::make_shared<reports::cOLAPReport>();
    r->CubeName = cube;
    r->ViewName = name;
    r->ViewType = 1;
    r->PivotXML = pivotXml;
    return r;
}

}

TEST(OpenReport, AReportWhosePivotStateIsRefusedIsNotLeftCurrent)
{
    ReportWindowRun r;
    modMultiLingual::LNGFAILEDTOGETREPORT = QStringLiteral("Unable to get the report");
    reportwindow::ReportWindow* window = r.load("frmStatsXP");
    window->show();
    gdicCubes = modScriptingDic::fncCreateDic<QString>();
    gdicCubes.Add(QStringLiteral("Sales"), QStringLiteral("Sales.cub"));
    gdicCubes.Add(QStringLiteral("Budget"), QStringLiteral("Budget.cub"));
    gobjReportsDic = std::make_shared<reports::cReportsDic>();
    const auto broken = report(QStringLiteral("Sales"), QStringLiteral("Broken"), QStringLiteral("<no pivot/>"));
    gobjReportsDic->dicViews.Add(reports::reportKey(QStringLiteral("Sales"), QStringLiteral("Broken")), broken);
    // Another report was open before, its info button showing.
    gobjReport = report(QStringLiteral("Sales"), QStringLiteral("Earlier"), QString());
    window->cmdInfo()->show();

    auto* cube = new QTreeWidgetItem(window->treReports(), QStringList{QStringLiteral("Sales")});
    auto* node = new QTreeWidgetItem(cube, QStringList{QStringLiteral("Broken")});
    reports::subHandleNodeClick(node, window);

    ASSERT_EQ(r.run.fakes.messageBox.shown.size(), 1);
    EXPECT_EQ(r.run.fakes.messageBox.shown[0].text, modMultiLingual::LNGFAILEDTOGETREPORT);
    EXPECT_EQ(r.run.fakes.messageBox.shown[0].style, platform::mb::vbCritical);
    EXPECT_EQ(gobjReport, nullptr);
    EXPECT_FALSE(window->cmdInfo()->isVisible());
}

// A report file copied or mailed into a data folder may name any server or cube file. Opening
// it must never connect there (and sign in with the user's password): it is refused with a
// message, while the reports the program wrote open as they always did.

using connections::connectionstrings::localPivot;
using connections::connectionstrings::serverPivot;

namespace {

const QString kProvider = QStringLiteral("Provider=MSOLAP.4");

// A cube server that is not there: a TCP port on the loopback and a socket folder, both
// listening, so that any connection made to them is seen.
class Listeners
{
public:
    Listeners()
    {
        EXPECT_TRUE(tcp.listen(QHostAddress::LocalHost));
        const QString port = qEnvironmentVariable("PGPORT", QStringLiteral("5432"));
        EXPECT_TRUE(socket.listen(socketFolder.path() + QStringLiteral("/.s.PGSQL.") + port));
    }

    QString tcpSource() const { return QStringLiteral("127.0.0.1:%1").arg(tcp.serverPort()); }
    QString socketSource() const { return socketFolder.path(); }

    bool contacted()
    {
        tcp.waitForNewConnection(50);
        socket.waitForNewConnection(50);
        return tcp.hasPendingConnections() || socket.hasPendingConnections();
    }

private:
    QTemporaryDir socketFolder;
    QTcpServer tcp;
    QLocalServer socket;
};

QString notOpened(const QString& report)
{
    return QStringLiteral("The report \"%1\" was not opened: ").arg(report);
}

QStringList shownTexts(const ProgramRun& run)
{
    QStringList texts;
    for (const auto& shown : run.fakes.messageBox.shown)
        texts << shown.text;
    return texts;
}

// The program started on a folder of the two sample cubes with the reports the build saved
// for them, and with reports from elsewhere among them.
class CubeFileFolder : public ::testing::Test
{
protected:
    CubeFileFolder()
    {
        for (const QString& cube : {QStringLiteral("Budget"), QStringLiteral("Sales")}) {
            const QString file = cube + QStringLiteral(".cub");
            QFile::copy(QStringLiteral(TESSALINE_SAMPLE_DATA "/") + file, data.filePath(file));
            QFile::copy(QStringLiteral(TESSALINE_SAMPLE_DATA "/") + file, elsewhere.filePath(file));
            const QDir from(QStringLiteral(TESSALINE_SAMPLE_DATA "/ReportsXP/") + cube);
            QDir().mkpath(data.filePath(QStringLiteral("ReportsXP/") + cube));
            for (const QString& report : from.entryList(QDir::Files))
                QFile::copy(from.filePath(report),
                            data.filePath(QStringLiteral("ReportsXP/") + cube + QLatin1Char('/') + report));
        }
        QFile::link(elsewhere.path(), data.filePath(QStringLiteral("linked")));
        run.fakes.app.setCommandLine(data.path());
        connections::hooks().getLocalLanguage = [] { return 4; };
    }

    // A copy of a sample report of the Budget cube whose pivot table connects as given,
    // filed first in the tree.
    void putForeign(const QString& name, const QString& connection)
    {
        const reports::reportrecord::Context context{reports::reportrecord::Layout::Components10And11, data.path(),
                                                     QString(), 1252};
        QFile sample(QStringLiteral(TESSALINE_SAMPLE_DATA "/ReportsXP/Budget/Budget by division.txt"));
        ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
        reports::cOLAPReport report;
        ASSERT_TRUE(reports::reportrecord::decode(sample.readAll(), context, report));
        std::optional<pivot::PivotState> state = pivot::readPivotXml(report.PivotXML);
        ASSERT_TRUE(state);
        state->connectionString = connection;
        report.PivotXML = pivot::writePivotXml(*state);
        report.ReportCategory = QStringLiteral("Abroad");
        QFile file(data.filePath(QStringLiteral("ReportsXP/Budget/") + name + QStringLiteral(".txt")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(reports::reportrecord::encode(report, context));
        foreign << name;
    }

    ProgramRun run;
    QTemporaryDir data;
    QTemporaryDir elsewhere;
    Listeners server;
    QStringList foreign;
};

}

TEST_F(CubeFileFolder, ReportsNamingAnotherSourceAreRefusedAtStartAndOnClickAndTheProgramsOwnOpen)
{
    putForeign(QStringLiteral("A loopback server"), serverPivot(kProvider, server.tcpSource(), QStringLiteral("x")));
    putForeign(QStringLiteral("Socket folder"), serverPivot(kProvider, server.socketSource(), QStringLiteral("x")));
    putForeign(QStringLiteral("Other folder"), localPivot(kProvider, elsewhere.path(), QStringLiteral("Budget.cub")));
    putForeign(QStringLiteral("Up and over"),
               localPivot(kProvider, data.path(),
                          QStringLiteral("../") + QDir(elsewhere.path()).dirName() + QStringLiteral("/Budget.cub")));
    putForeign(QStringLiteral("Through a link"),
               localPivot(kProvider, data.path(), QStringLiteral("linked/Budget.cub")));
    putForeign(QStringLiteral("Another cube"), localPivot(kProvider, data.path(), QStringLiteral("Sales.cub")));
    putForeign(QStringLiteral("Broken"), kProvider + QStringLiteral(";Data Source=\"unterminated"));

    modMain::Main();
    auto* window = qobject_cast<reportwindow::ReportWindow*>(gfrmStats.data());
    ASSERT_TRUE(window);
    ASSERT_TRUE(QTest::qWaitFor([] { return gobjReportsDic != nullptr; }, 3000));
    // With no click: the tree opened its first report, one from elsewhere.
    ASSERT_EQ(run.fakes.messageBox.shown.size(), 1) << shownTexts(run).join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(run.fakes.messageBox.shown[0].text.startsWith(notOpened(QStringLiteral("A loopback server"))))
        << run.fakes.messageBox.shown[0].text.toStdString();
    EXPECT_FALSE(server.contacted());

    int ownOpened = 0;
    for (QTreeWidgetItemIterator it(window->treReports()); *it; ++it) {
        QTreeWidgetItem* node = *it;
        if (reports::tree::nodeImage(node) != reports::tree::ReportNode)
            continue;
        const QString name = node->text(0);
        SCOPED_TRACE(name.toStdString());
        run.fakes.messageBox.shown.clear();
        window->treReports_NodeClick(node);
        if (!foreign.contains(name)) {
            EXPECT_TRUE(run.fakes.messageBox.shown.isEmpty()) << shownTexts(run).join(QLatin1Char('\n')).toStdString();
            ASSERT_TRUE(gobjReport);
            EXPECT_EQ(gobjReport->ViewName, name);
            EXPECT_FALSE(window->pivReports()->measureCaptions().isEmpty());
            ++ownOpened;
            continue;
        }
        ASSERT_EQ(run.fakes.messageBox.shown.size(), 1);
        EXPECT_TRUE(run.fakes.messageBox.shown[0].text.startsWith(notOpened(name)))
            << run.fakes.messageBox.shown[0].text.toStdString();
        EXPECT_EQ(run.fakes.messageBox.shown[0].style, platform::mb::vbCritical);
        EXPECT_FALSE(gobjReport && gobjReport->ViewName == name);
        EXPECT_FALSE(window->pivReports()->ConnectionString().contains(elsewhere.path()));
        EXPECT_FALSE(server.contacted());
    }
    EXPECT_GE(ownOpened, 5);

    // Why, in the words of the message: where the report connects and where it belongs.
    run.fakes.messageBox.shown.clear();
    window->treReports_NodeClick(
        reports::tree::fncGetNodeFromPath(QStringLiteral("Budget\\Abroad\\Yearly\\A loopback server")));
    ASSERT_EQ(run.fakes.messageBox.shown.size(), 1);
    EXPECT_EQ(run.fakes.messageBox.shown[0].text,
              notOpened(QStringLiteral("A loopback server")) + QStringLiteral("it connects to \"") + server.tcpSource()
                  + QStringLiteral("\", while the reports of this data folder belong to \"") + data.path()
                  + QStringLiteral("/Budget.cub\"."));

    // The message follows the user's language, as the program's other messages do.
    lang::installTranslations(7);
    run.fakes.messageBox.shown.clear();
    window->treReports_NodeClick(
        reports::tree::fncGetNodeFromPath(QStringLiteral("Budget\\Abroad\\Yearly\\Another cube")));
    lang::installTranslations(modGenericLanguages::kEnglishColumn);
    ASSERT_EQ(run.fakes.messageBox.shown.size(), 1);
    EXPECT_EQ(run.fakes.messageBox.shown[0].text,
              QString::fromUtf8("Der Bericht „Another cube“ wurde nicht geöffnet: Er verbindet sich mit „")
                  + data.path() + QString::fromUtf8("/Sales.cub“, die Berichte dieses Datenordners gehören aber zu „")
                  + data.path() + QString::fromUtf8("/Budget.cub“."));
}

namespace {

// A folder whose ServerName.txt names a server: its reports belong to that server.
class ServerFolder : public CubeRun
{
protected:
    ServerFolder()
    {
        modMultiLingual::LNGFAILEDTOGETREPORT = QStringLiteral("The report could not be opened.");
        gbOWCXP = true;
        gbServerMode = true;
        gstrServerName = testServer().isEmpty() ? QStringLiteral("cubes.invalid") : testServer();
        gstrDatabase = testServer().isEmpty() ? QStringLiteral("sales") : sampleCatalog();
        gstrProvider = kProvider;
        gdicCubes = modScriptingDic::fncCreateDic<QString>();
        gdicCubes.Add(QStringLiteral("Sales"), QStringLiteral("Sales"));
        gobjReportsDic = std::make_shared<reports::cReportsDic>();
        gfrmStats = &window;
        cube = new QTreeWidgetItem(window.tree, QStringList{QStringLiteral("Sales")});
        new QTreeWidgetItem(window.tree, QStringList{QStringLiteral("Budget")});
    }

    QTreeWidgetItem* put(const QString& name, const QString& connection)
    {
        pivot::PivotState state;
        state.connectionString = connection;
        state.dataMember = QStringLiteral("Sales");
        auto report = std::make_shared<reports::cOLAPReport>();
        report->CubeName = QStringLiteral("Sales");
        report->ViewName = name;
        report->ViewType = 2;
        report->PivotXML = pivot::writePivotXml(state);
        gobjReportsDic->dicViews.Add(report->Key(), report);
        return new QTreeWidgetItem(cube, QStringList{name});
    }

    FakeReportWindow window;
    QTreeWidgetItem* cube = nullptr;
    Listeners server;
};

}

TEST_F(ServerFolder, ReportsNamingAnotherServerPortSocketOrFileAreRefused)
{
    const QString own = gstrServerName;
    const std::pair<const char*, QString> cases[] = {
        {"Loopback server", serverPivot(kProvider, server.tcpSource(), gstrDatabase)},
        {"Socket folder", serverPivot(kProvider, server.socketSource(), gstrDatabase)},
        {"Host list", serverPivot(kProvider, own + QLatin1Char(',') + server.tcpSource(), gstrDatabase)},
        {"Another port",
         serverPivot(kProvider, QStringLiteral("cubes.invalid:%1").arg(server.tcpSource().section(QLatin1Char(':'), 1)),
                     gstrDatabase)},
        {"No server named", kProvider + QStringLiteral(";Data Source=;Initial Catalog=") + gstrDatabase},
        {"A cube file", localPivot(kProvider, dataPath, QStringLiteral("Sales.cub"))},
    };
    putSampleCube("Sales", QStringLiteral("Sales.cub"));
    for (const auto& [name, connection] : cases) {
        SCOPED_TRACE(name);
        run.fakes.messageBox.shown.clear();
        reports::subHandleNodeClick(put(QString::fromUtf8(name), connection), &window);
        ASSERT_EQ(run.fakes.messageBox.shown.size(), 1);
        EXPECT_TRUE(run.fakes.messageBox.shown[0].text.startsWith(notOpened(QString::fromUtf8(name))))
            << run.fakes.messageBox.shown[0].text.toStdString();
        EXPECT_FALSE(gobjReport);
        EXPECT_TRUE(window.pivot->ConnectionString().isEmpty());
        EXPECT_FALSE(server.contacted());
    }

    // A report of this server, whatever catalog it names, is no refusal (without a test
    // server it then fails to connect as any report would).
    run.fakes.messageBox.shown.clear();
    reports::subHandleNodeClick(put(QStringLiteral("Own"), serverPivot(kProvider, own, gstrDatabase)), &window);
    for (const QString& text : shownTexts(run))
        EXPECT_FALSE(text.contains(QStringLiteral("was not opened"))) << text.toStdString();
    ASSERT_TRUE(gobjReport);
    EXPECT_EQ(gobjReport->ViewName, QStringLiteral("Own"));
    if (!testServer().isEmpty()) {
        EXPECT_TRUE(run.fakes.messageBox.shown.isEmpty());
        EXPECT_EQ(window.pivot->DataMember(), QStringLiteral("Sales"));
    }
}
