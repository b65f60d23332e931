#include "app/ProgramRun.h"

#include "app/connections/StartupHooks.h"
#include "app/reports/cOLAPReport.h"
#include "app/reports/tree/ReportTree.h"
#include "app/reportwindow/ReportWindow.h"
#include "app/reportwindow/ReportWindows.h"
#include "app/startup/modMain.h"
#include "app/state/modGlobals.h"
#include "common/ProgramConfig.h"
#include "lang/LanguageServices.h"
#include "lang/modGenericLanguages.h"
#include "lang/modMultiLingual.h"
#include "olap/AnswerLimits.h"
#include "platform/FakeServices.h"
#include "platform/MessageBox.h"
#include "platform/VbError.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace modGlobals;
using platform::Hive;

namespace {

// A run of start-up: fake services, fresh globals, start-up steps recorded.
class Startup : public ::testing::Test
{
protected:
    Startup()
    {
        using namespace modMultiLingual;
        LNGREPORTS = QStringLiteral("Reports");
        LNGSAVEREPORT = QStringLiteral("Save Report");
        LNGREMOVEREPORT = QStringLiteral("Remove Report");
        LNGHELP = QStringLiteral("Help");
        LNGTOOLS = QStringLiteral("Tools");
        LNGBOTH = QStringLiteral("Both");
        LNGPIVOT = QStringLiteral("Pivot");
        LNGGRAPH = QStringLiteral("Graph");
        LNGSAVEPICTURE = QStringLiteral("Save Picture");
        LNGPRINT = QStringLiteral("Print");
        connections::hooks().loadLanguages = [this](int language) { languages.append(language); };
        connections::hooks().bindPivotTable = [this](QWidget* pivot) { boundPivot = pivot; };
        // No discovery, and above all no server dialog, unless a test asks for it.
        connections::hooks().getCubeFileNames = [] {};
        connections::hooks().getServerName = [] {};
        connections::hooks().getServerCubes = [] {};
    }

    void unregister(const char* progId)
    {
        run.fakes.registry.removeKey(Hive::ClassesRoot, QString::fromLatin1(progId));
    }

    ProgramRun run;
    QList<int> languages;
    QWidget* boundPivot = nullptr;
};

QString captionOf(QWidget* window, const char* name)
{
    QObject* control = window->findChild<QObject*>(QString::fromLatin1(name));
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return button->text();
    if (auto* menu = qobject_cast<QMenu*>(control))
        return menu->title();
    if (auto* action = qobject_cast<QAction*>(control))
        return action->text();
    return QStringLiteral("<none>");
}

}

TEST_F(Startup, ShowsTheNewestReportWindowWithItsCaptionsAndBindsTheFirstCube)
{
    connections::hooks().getCubeFileNames = [] {
        gdicCubes.Add(QStringLiteral("Budget"), QStringLiteral("/d/Budget.cub"));
        gdicCubes.Add(QStringLiteral("Sales"), QStringLiteral("/d/Sales.cub"));
    };
    modMain::Main();
    ASSERT_NE(gfrmStats, nullptr);
    EXPECT_EQ(gfrmStats->objectName(), QStringLiteral("frmStats2003"));
    EXPECT_TRUE(gfrmStats->isVisible());
    EXPECT_EQ(gfrmStats->windowTitle(), QStringLiteral("Tessaline Tool for Excel"));
    EXPECT_TRUE(gbOWCXP);
    EXPECT_FALSE(gbServerMode);
    EXPECT_EQ(gstrCubeFile, QStringLiteral("Budget.cub"));
    EXPECT_EQ(boundPivot, gfrmStats->findChild<QWidget*>(QStringLiteral("pivReports")));
    EXPECT_TRUE(run.fakes.messageBox.shown.isEmpty());
    EXPECT_EQ(languages, QList<int>{4});

    const std::pair<const char*, const char*> captions[] = {
        {"lblReports", "Reports"}, {"cmdAddReport", "Save Report"}, {"cmdRemoveReport", "Remove Report"},
        {"mnuHelp", "Help"},       {"mnuTools", "Tools"},           {"optBoth", "Both"},
        {"optPivot", "Pivot"},     {"optGraph", "Graph"},           {"mnuSavePicture", "Save Picture ..."},
        {"mnuPrint", "Print ..."},
    };
    for (const auto& [control, caption] : captions)
        EXPECT_EQ(captionOf(gfrmStats, control), QString::fromLatin1(caption)) << control;

    // What a user sees, drawn offscreen: each captioned control inside the window, wide enough
    // for its caption, and drawn (not one flat colour where it stands).
    const QImage shot = gfrmStats->grab().toImage();
    const qreal ratio = shot.devicePixelRatio();
    for (const char* name : {"lblReports", "cmdAddReport", "cmdRemoveReport", "optBoth", "optPivot", "optGraph"}) {
        auto* control = gfrmStats->findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(control, nullptr) << name;
        const QRect where(control->mapTo(gfrmStats, QPoint()), control->size());
        EXPECT_TRUE(gfrmStats->rect().contains(where)) << name;
        EXPECT_GE(control->width(), control->sizeHint().width()) << name;
        int lightest = 0;
        int darkest = 255;
        for (int x = where.left(); x <= where.right(); ++x)
            for (int y = where.top(); y <= where.bottom(); ++y) {
                const int lightness = shot.pixelColor(QPointF(x, y).toPoint() * ratio).lightness();
                lightest = std::max(lightest, lightness);
                darkest = std::min(darkest, lightness);
            }
        EXPECT_GT(lightest - darkest, 60) << name;
    }
}

TEST_F(Startup, ASecondStartEndsSilently)
{
    platform::App other(run.fakes.path(QStringLiteral("app")), QString(), run.fakes.path(QStringLiteral("run")));
    ASSERT_FALSE(other.prevInstance());   // the copy that runs already
    modMain::Main();
    EXPECT_EQ(gfrmStats, nullptr);
    EXPECT_TRUE(run.fakes.messageBox.shown.isEmpty());
    EXPECT_EQ(run.fakes.forms.count(), 0);
    EXPECT_TRUE(gstrAppTitle.isEmpty());
}

TEST_F(Startup, WithoutTheNewestComponentsTheOlderWindowOpensWithoutAMessage)
{
    unregister("OWC11.ChartSpace");
    modMain::Main();
    ASSERT_NE(gfrmStats, nullptr);
    EXPECT_EQ(gfrmStats->objectName(), QStringLiteral("frmStatsXP"));
    EXPECT_TRUE(gbOWCXP);
    EXPECT_TRUE(run.fakes.messageBox.shown.isEmpty());

    // With no cubes the binding step is skipped and the cube file stays empty.
    EXPECT_TRUE(gstrCubeFile.isEmpty());
}

TEST_F(Startup, OnlyVersionNineGivesTheOldWindow)
{
    unregister("OWC11.ChartSpace");
    unregister("OWC10.ChartSpace");
    modMain::Main();
    ASSERT_NE(gfrmStats, nullptr);
    EXPECT_EQ(gfrmStats->objectName(), QStringLiteral("frmStats2K"));
    EXPECT_FALSE(gbOWCXP);
}

TEST_F(Startup, WithoutComponentsTheErrorBoxAndTheQuestionThenTheEnd)
{
    for (const char* progId : {"OWC11.ChartSpace", "OWC10.ChartSpace", "OWC.Chart"})
        unregister(progId);
    run.fakes.messageBox.answers = {platform::mb::vbOK, platform::mb::vbYes};
    EXPECT_TRUE(run.ends([] { modMain::Main(); }));
    ASSERT_EQ(run.fakes.messageBox.shown.size(), 2);
    EXPECT_EQ(run.fakes.messageBox.shown[0].text, QStringLiteral("429\r\nActiveX component can't create object"));
    EXPECT_EQ(run.fakes.messageBox.shown[0].style, platform::mb::vbOKOnly);
    EXPECT_TRUE(run.fakes.messageBox.shown[0].title.isEmpty());
    EXPECT_EQ(run.fakes.messageBox.shown[1].text,
              QStringLiteral("Unable to start the MS Office Web Components!\r\nPlease download these FREE components "
                             "from Microsoft Download.\r\nDo you want to go to that website now?"));
    EXPECT_EQ(run.fakes.messageBox.shown[1].style, platform::mb::vbYesNo);
    EXPECT_EQ(run.fakes.urlOpener.urls, QStringList{config::webComponentsDownloadPage()});
    EXPECT_EQ(run.fakes.processEnd.ends, 1);
    EXPECT_EQ(run.fakes.processEnd.lastExitCode, 1);
}

TEST_F(Startup, AReportOpenedWhileTheWindowLoadedIsNotWipedByBindingTheFirstCube)
{
    connections::hooks().getCubeFileNames = [] {
        gdicCubes.Add(QStringLiteral("Budget"), QStringLiteral("/d/Budget.cub"));
    };
    reportwindow::registerReportWindow(QStringLiteral("frmStats2003"), []() -> QMainWindow* {
        auto* window = new QMainWindow;
        gobjReport = std::make_shared<reports::cOLAPReport>();   // as the version 9 window's load does
        return window;
    });
    modMain::Main();
    EXPECT_EQ(boundPivot, nullptr);
    EXPECT_EQ(gstrCubeFile, QStringLiteral("Budget.cub"));
}

TEST_F(Startup, ADamagedCommonControlsLibraryIsRepairedOnceThenOffered)
{
    int attempts = 0;
    reportwindow::registerReportWindow(QStringLiteral("frmStats2003"), [&]() -> QMainWindow* {
        ++attempts;
        platform::raiseError(platform::err::ComponentNotRegistered,
                             QStringLiteral("Component 'COMCTL32.OCX' or one of its dependencies not correctly "
                                            "registered: a file is missing or invalid"));
    });
    run.fakes.messageBox.answers = {platform::mb::vbOK, platform::mb::vbOK, platform::mb::vbYes};
    EXPECT_TRUE(run.ends([] { modMain::Main(); }));
    EXPECT_EQ(attempts, 2);
    ASSERT_EQ(run.fakes.messageBox.shown.size(), 3);
    EXPECT_TRUE(run.fakes.messageBox.shown[0].text.startsWith(QStringLiteral("339\r\nComponent")));
    EXPECT_EQ(run.fakes.messageBox.shown[1].text, run.fakes.messageBox.shown[0].text);
    EXPECT_TRUE(run.fakes.messageBox.shown[2].text.startsWith(
        QStringLiteral("The component 'comctl32.ocx' or one of its dependencies is not correctly registered.\r\n")));
    EXPECT_EQ(run.fakes.urlOpener.urls, QStringList{config::commonControlsDownloadPage()});
}

TEST_F(Startup, AnErrorBeforeTheWindowGivesTheReportNamedMain)
{
    connections::hooks().getCubeFileNames = [] {
        modErroHandling::subLogStep(QStringLiteral("Trying to find cubes in /data"));
        platform::raiseError(platform::err::PermissionDenied, QStringLiteral("Permission denied"));
    };
    EXPECT_TRUE(run.ends([] { modMain::Main(); }));
    ASSERT_EQ(run.fakes.messageBox.shown.size(), 1);
    EXPECT_EQ(modErroHandling::gstrErrorReport,
              QStringLiteral("This error has occured: :\r\nTrying to find cubes in /data\r\n\r\n"
                             "The system error message was: :\r\nPermission denied\r\n#70\r\n\r\n"
                             "Sub routine : Main \r\nError on line: 0"));
    EXPECT_EQ(gfrmStats, nullptr);
    EXPECT_EQ(run.fakes.processEnd.lastExitCode, 1);
}

TEST_F(Startup, TheDataFolderIsTheWholeCommandLineOrTheProgramFolder)
{
    const QString program = run.fakes.path(QStringLiteral("app"));
    const QString data = run.fakes.path(QStringLiteral("my data"));
    QDir().mkpath(data);
    const std::pair<QString, QString> cases[] = {
        {data, data},
        {QString(), program},
        {QLatin1Char('"') + data + QLatin1Char('"'), program},
        {run.fakes.path(QStringLiteral("missing")), program},
    };
    for (const auto& [commandLine, expected] : cases) {
        run.fakes.app.setCommandLine(commandLine);
        modMain::Main();
        EXPECT_EQ(gstrDataPath, expected) << commandLine.toStdString();
        delete gfrmStats.data();
    }
}

TEST_F(Startup, TheSiblingSettingsFileChoosesTheLanguage)
{
    const std::pair<const char*, int> cases[] = {
        {"2\r\n", 14}, {"13", 1}, {"15", 12}, {"2.5", 14}, {"3.5", 9}, {"0", 4}, {"16", 4}, {"abc", 4}, {"", 4},
    };
    const QString settings = run.fakes.path(QStringLiteral("app/NorrithSettings"));
    for (const auto& [content, column] : cases) {
        QFile file(settings);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        EXPECT_EQ(modMain::fncGetSettingsLanguage() + 1, column) << content;
    }
    modMain::Main();
    EXPECT_EQ(languages, QList<int>{4});   // the empty file of the last case

    QFile::remove(settings);
    languages.clear();
    connections::hooks().getLocalLanguage = [] { return 7; };
    delete gfrmStats.data();
    modMain::Main();
    EXPECT_EQ(languages, QList<int>{7});
}

TEST_F(Startup, AServerWithoutCubesEndsStartUpSilently)
{
    connections::hooks().getServerName = [] { gstrServerName = QStringLiteral("olap1"); };
    bool askedServer = false;
    connections::hooks().getServerCubes = [&] { askedServer = true; };
    modMain::Main();
    EXPECT_TRUE(askedServer);
    EXPECT_TRUE(gbServerMode);
    EXPECT_EQ(gfrmStats, nullptr);
    EXPECT_TRUE(run.fakes.messageBox.shown.isEmpty());

    connections::hooks().getServerCubes = [] { gdicCubes.Add(QStringLiteral("Sales"), QStringLiteral("Sales")); };
    modMain::Main();
    ASSERT_NE(gfrmStats, nullptr);
    EXPECT_EQ(gstrCubeFile, QStringLiteral("Sales"));
}

namespace {

// The program started on a folder whose first cube file is damaged, beside the sample cubes named.
class DamagedFirstCube : public ::testing::Test
{
protected:
    void start(std::initializer_list<const char*> samples)
    {
        QFile file(damaged);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("no database here\n").repeated(64));
        file.close();
        for (const char* sample : samples) {
            const QString name = QString::fromLatin1(sample) + QStringLiteral(".cub");
            QFile::copy(QStringLiteral(TESSALINE_SAMPLE_DATA "/") + name, data.filePath(name));
        }
        run.fakes.app.setCommandLine(data.path());
        connections::hooks().getLocalLanguage = [] { return 4; };
        modMain::Main();
        window = qobject_cast<reportwindow::ReportWindow*>(gfrmStats.data());
        ASSERT_TRUE(window);
        ASSERT_TRUE(QTest::qWaitFor([] { return gobjReportsDic != nullptr; }, 3000));
    }

    QStringList told() const
    {
        QStringList texts;
        for (const auto& shown : run.fakes.messageBox.shown)
            texts << shown.text;
        return texts;
    }

    ProgramRun run;
    QTemporaryDir data;
    const QString damaged = data.filePath(QStringLiteral("Atlas.cub"));
    reportwindow::ReportWindow* window = nullptr;
};

}

TEST_F(DamagedFirstCube, AloneItIsToldOnce)
{
    start({});
    ASSERT_EQ(told().size(), 1) << told().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(told()[0].contains(damaged)) << told()[0].toStdString();
}

TEST_F(DamagedFirstCube, BesideOthersItIsToldOnceAtStartAndAgainWhenChosenAfterAnother)
{
    start({"Sales"});
    ASSERT_EQ(told().size(), 1) << told().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(told()[0].contains(damaged)) << told()[0].toStdString();

    window->treReports_NodeClick(reports::tree::fncGetNodeFromPath(QStringLiteral("Sales")));
    EXPECT_EQ(told().size(), 1);
    window->treReports_NodeClick(reports::tree::fncGetNodeFromPath(QStringLiteral("Atlas")));
    ASSERT_EQ(told().size(), 2);
    EXPECT_EQ(told()[1], told()[0]);
}

// Each run is wired afresh: none of the phrases a run before read, the program's own answer
// limits and phrase table whatever a test installed, and all of that put back when it ends.
TEST(ProgramContext, ARunStartsFromTheProgramsWiringWithoutPhrasesAndPutsBackWhatWasInstalled)
{
    platform::FakeServices fakes;
    const olap::InstalledAnswerLimits shorter({std::chrono::milliseconds(1), std::chrono::milliseconds(2)});
    lang::LanguageServices other;
    other.phraseTable = QByteArray("not a table");
    const lang::InstalledLanguageServices language(other);
    modMultiLingual::LNGREPORTS = QStringLiteral("left over");
    cPhrase phrase;
    phrase.setLangConstant(QStringLiteral("LNGREPORTS"));
    modGenericLanguages::colPhrases().add(phrase);
    {
        const startup::InstalledContext run(startup::programContext(fakes.view()));
        EXPECT_EQ(modMultiLingual::LNGREPORTS, QString());
        EXPECT_EQ(modGenericLanguages::colPhrases().count(), 0);
        EXPECT_FALSE(lang::services().phraseTable);
        EXPECT_EQ(olap::answerLimits().cubeFile, olap::AnswerLimits{}.cubeFile);
        EXPECT_EQ(olap::answerLimits().server, std::chrono::seconds(olap::kMostAnswerSeconds));
        EXPECT_EQ(platform::services().registry, &fakes.registry);
    }
    EXPECT_EQ(lang::services().phraseTable, other.phraseTable);
    EXPECT_EQ(olap::answerLimits().server, std::chrono::milliseconds(2));
}
