#include "app/ProgramRun.h"
#include "app/reportwindow/FakeReportWindow.h"

#include "app/connections/StartupHooks.h"
#include "app/reports/OpenReport.h"
#include "app/reports/cOLAPReport.h"
#include "app/reports/cReportsDic.h"
#include "app/reports/tree/ReportTree.h"
#include "app/reportwindow/GraphTypeList.h"
#include "app/state/modGlobals.h"
#include "chart/ChartSpace.h"
#include "common/modScriptingDic.h"
#include "pivot/PivotTable.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace tree = reports::tree;
using namespace modGlobals;
using tree::nodeFullPath;

namespace {

class ReportTree : public ::testing::Test
{
protected:
    ReportTree()
    {
        gstrAppTitle = QStringLiteral("Tessaline Tool for Excel");
        modMultiLingual::LNGREMOVEREPORT = QStringLiteral("Remove report");
        modMultiLingual::LNGFAILEDTOGETREPORT = QStringLiteral("The report could not be opened.");
        gbOWCXP = true;
        gstrDataPath = data.path();
        gstrProvider = QStringLiteral("Provider=MSOLAP.4");
        gdicCubes = modScriptingDic::fncCreateDic<QString>();
        gfrmStats = &window;
        connections::hooks().bindPivotTable = [this](QWidget* pivot) {
            boundCubes.append(gstrCubeFile);
            EXPECT_EQ(pivot, window.pivot);
        };
    }

    void cubes(std::initializer_list<const char*> names)
    {
        for (const char* name : names) {
            const QString cube = QString::fromUtf8(name);
            const QString file = data.path() + QLatin1Char('/') + cube + QStringLiteral(".cub");
            QFile::copy(QStringLiteral(TESSALINE_SAMPLE_DATA "/Budget.cub"), file);
            gdicCubes.Add(cube, file);
        }
    }

    // A report as the program saves it: the pivot's and the chart's state of the moment.
    std::shared_ptr<reports::cOLAPReport> save(const QString& cube, const QString& name, const QString& category = {},
                                               const QString& type = {}, int viewType = 1)
    {
        window.pivot->setConnectionString(QStringLiteral("Provider=MSOLAP.4;data source=") + data.path()
                                          + QLatin1Char('/') + cube + QStringLiteral(".cub"));
        window.pivot->setDataMember(QStringLiteral("Budget"));
        window.pivot->placeField({pivot::FieldRef::Kind::Hierarchy, QStringLiteral("Organisation"), 0},
                                 pivot::Area::Row);
        if (name.size() % 2)
            window.pivot->placeField({pivot::FieldRef::Kind::Hierarchy, QStringLiteral("Time"), 0},
                                     pivot::Area::Column);
        window.pivot->placeField({pivot::FieldRef::Kind::Measure, QStringLiteral("Amount"), 0}, pivot::Area::Data);
        // As a report shows once opened: titled with its name, panels hidden.
        window.pivot->ActiveView().TitleBar().setCaption(name);
        window.pivot->setDisplayFieldList(false);
        window.pivot->setDisplayPropertyToolbox(false);
        gstrCubeName = cube;
        auto report = std::make_shared<reports::cOLAPReport>();
        report->ViewName = name;
        report->CubeName = cube;
        report->ViewType = viewType;
        report->PivotXML = window.pivot->XMLData();
        report->GraphXML = window.chart->XMLData();
        report->ReportCategory = category;
        report->ReportType = type;
        EXPECT_TRUE(report->SaveReport());
        return report;
    }

    QStringList paths() const
    {
        QStringList all;
        for (QTreeWidgetItemIterator it(window.tree); *it; ++it)
            all.append(nodeFullPath(*it));
        return all;
    }

    QTreeWidgetItem* node(const QString& path) const
    {
        for (QTreeWidgetItemIterator it(window.tree); *it; ++it) {
            if (nodeFullPath(*it) == path)
                return *it;
        }
        return nullptr;
    }

    ProgramRun run;
    QTemporaryDir data;
    FakeReportWindow window;
    QStringList boundCubes;
};

}

TEST_F(ReportTree, SeveralCubesGroupByCubeCategoryAndTypeInTextOrder)
{
    cubes({"North", "South"});
    save(QStringLiteral("North"), QStringLiteral("Zeta"), QStringLiteral("Finance"), QStringLiteral("Monthly"));
    save(QStringLiteral("North"), QStringLiteral("alpha"), QStringLiteral("Finance"));
    save(QStringLiteral("North"), QStringLiteral("Typed only"), QString(), QStringLiteral("Monthly"));
    save(QStringLiteral("South"), QStringLiteral("Zeta"), QStringLiteral("Finance"));

    tree::subFillReportTree();
    EXPECT_EQ(paths(),
              (QStringList{
                  QStringLiteral("North"),
                  QStringLiteral("North\\Finance"),
                  QStringLiteral("North\\Finance\\alpha"),
                  QStringLiteral("North\\Finance\\Monthly"),
                  QStringLiteral("North\\Finance\\Monthly\\Zeta"),
                  QStringLiteral("North\\Typed only"),
                  QStringLiteral("South"),
                  QStringLiteral("South\\Finance"),
                  QStringLiteral("South\\Finance\\Zeta"),
              }));
    EXPECT_EQ(tree::nodeImage(node(QStringLiteral("North"))), tree::CubeNode);
    EXPECT_EQ(tree::nodeImage(node(QStringLiteral("North\\Finance\\Monthly"))), tree::FolderNode);
    EXPECT_TRUE(node(QStringLiteral("North\\Finance\\Monthly"))->isExpanded());
}

TEST_F(ReportTree, OneCubeHasNoCubeLevelAndAFolderLeadsToTheNextReportAdded)
{
    cubes({"Budget"});
    save(QStringLiteral("Budget"), QStringLiteral("B report"), QStringLiteral("Plans"));
    save(QStringLiteral("Budget"), QStringLiteral("A report"), QStringLiteral("Plans"));
    tree::subFillReportTree();
    EXPECT_EQ(
        paths(),
        (QStringList{QStringLiteral("Plans"), QStringLiteral("Plans\\A report"), QStringLiteral("Plans\\B report")}));
    // Files are read in name order, so "A report" was added first even though saved second.
    reports::subHandleNodeClick(node(QStringLiteral("Plans")), &window);
    EXPECT_EQ(window.tree->currentItem(), node(QStringLiteral("Plans\\A report")));
}

TEST_F(ReportTree, OpeningAReportRestoresItsStateViewModeAndTitle)
{
    cubes({"North", "South"});
    const auto stored = save(QStringLiteral("South"), QStringLiteral("Costs"), QString(), QString(), 2);
    save(QStringLiteral("North"), QStringLiteral("Costs"));
    tree::subFillReportTree();
    window.pivot->setConnectionString(QString());

    reports::subHandleNodeClick(node(QStringLiteral("South\\Costs")), &window);
    EXPECT_EQ(window.pivot->XMLData(), stored->PivotXML);
    EXPECT_EQ(window.chart->XMLData(), stored->GraphXML);
    EXPECT_TRUE(window.pivotOnly->isChecked());
    EXPECT_EQ(window.pivot->ActiveView().TitleBar().Caption(), QStringLiteral("Costs"));
    EXPECT_FALSE(window.pivot->DisplayFieldList());
    EXPECT_FALSE(window.info->isHidden());
    ASSERT_TRUE(gobjReport);
    EXPECT_EQ(gobjReport->CubeName, QStringLiteral("South"));
    EXPECT_EQ(gstrCubeName, QStringLiteral("South"));

    reports::subHandleNodeClick(node(QStringLiteral("North")), &window);
    EXPECT_EQ(boundCubes, QStringList{QStringLiteral("North.cub")});
    EXPECT_FALSE(gobjReport);
    EXPECT_TRUE(window.info->isHidden());
    EXPECT_TRUE(window.both->isChecked());
    EXPECT_TRUE(window.pivot->DisplayFieldList());
}

TEST_F(ReportTree, AReportWhoseCubeCannotBeOpenedSaysSoAndKeepsItsProvider)
{
    cubes({"North", "South"});
    save(QStringLiteral("South"), QStringLiteral("Costs"));
    // The first cube could not be read at start: no provider is known this run.
    gstrProvider.clear();
    reports::tree::subFillReportTree();
    const auto& read =
        gobjReportsDic->dicViews.Item(reports::reportKey(QStringLiteral("South"), QStringLiteral("Costs")));
    EXPECT_TRUE(read->PivotXML.contains(QStringLiteral("Provider=MSOLAP.4;"))) << read->PivotXML.toStdString();

    // The cube file was damaged since: the report says which file and why it stays empty.
    const QString south = data.path() + QStringLiteral("/South.cub");
    QFile::remove(south);
    QFile damaged(south);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray("no database here\n").repeated(64));
    damaged.close();
    window.pivot->setConnectionString(QString());
    run.fakes.messageBox.shown.clear();
    reports::subHandleNodeClick(node(QStringLiteral("South\\Costs")), &window);
    ASSERT_EQ(run.fakes.messageBox.shown.size(), 1);
    const QString told = run.fakes.messageBox.shown.front().text;
    EXPECT_TRUE(told.startsWith(QStringLiteral("The report could not be opened.\r\n"))) << told.toStdString();
    EXPECT_TRUE(told.contains(south)) << told.toStdString();
}

TEST_F(ReportTree, DefaultSelectionOpensWhatItSelects)
{
    cubes({"Alpha", "Beta"});
    save(QStringLiteral("Beta"), QStringLiteral("Only report"));
    tree::subFillReportTree();
    tree::subSetDefaultSel();
    // The first cube has no report: its cube node is opened and selected, and no report is current.
    EXPECT_EQ(boundCubes, QStringList{QStringLiteral("Alpha.cub")});
    EXPECT_FALSE(gobjReport);
    EXPECT_EQ(window.tree->currentItem(), node(QStringLiteral("Alpha")));

    save(QStringLiteral("Alpha"), QStringLiteral("First"), QStringLiteral("Cat"));
    tree::subFillReportTree();
    tree::subSetDefaultSel();
    ASSERT_TRUE(gobjReport);
    EXPECT_EQ(gobjReport->ViewName, QStringLiteral("First"));
    EXPECT_EQ(window.tree->currentItem(), node(QStringLiteral("Alpha\\Cat")));
}

TEST_F(ReportTree, OneCubeWithoutReportsBindsItAndNoCubeAtAllSaysSo)
{
    cubes({"Budget"});
    tree::subFillReportTree();
    tree::subSetDefaultSel();
    EXPECT_EQ(boundCubes, QStringList{QStringLiteral("Budget.cub")});

    gdicCubes = modScriptingDic::fncCreateDic<QString>();
    boundCubes.clear();
    tree::subFillReportTree();
    tree::subSetDefaultSel();
    EXPECT_TRUE(boundCubes.isEmpty());
    ASSERT_FALSE(run.fakes.messageBox.shown.isEmpty());
    EXPECT_TRUE(run.fakes.messageBox.shown.last().text.startsWith(QStringLiteral("No cube was found in ")));
}

TEST_F(ReportTree, RemoveTakesTheSelectedCubesReportAfterAskingAndFoldersRemoveNothing)
{
    cubes({"North", "South"});
    save(QStringLiteral("North"), QStringLiteral("Same"), QStringLiteral("Same"));
    save(QStringLiteral("South"), QStringLiteral("Same"));
    tree::subFillReportTree();
    gstrCubeName = QStringLiteral("North");   // left by an earlier click elsewhere

    window.tree->setCurrentItem(node(QStringLiteral("North\\Same")));   // the category folder
    run.fakes.messageBox.answers = {platform::mb::vbYes};
    tree::subHandleRemoveClick(&window);
    EXPECT_EQ(gobjReportsDic->dicViews.Count(), 2);

    window.tree->setCurrentItem(node(QStringLiteral("South\\Same")));
    run.fakes.messageBox.answers = {platform::mb::vbYes};
    tree::subHandleRemoveClick(&window);
    EXPECT_EQ(run.fakes.messageBox.shown.last().text, QStringLiteral("Remove report"));
    EXPECT_FALSE(QFile::exists(data.path() + QStringLiteral("/ReportsXP/South/Same.txt")));
    EXPECT_TRUE(QFile::exists(data.path() + QStringLiteral("/ReportsXP/North/Same.txt")));
    EXPECT_EQ(paths(),
              (QStringList{QStringLiteral("North"), QStringLiteral("North\\Same"), QStringLiteral("North\\Same\\Same"),
                           QStringLiteral("South")}));
}

TEST_F(ReportTree, RebuildingKeepsTheCubeOnScreenAndARemovalLeavesNoReportCurrent)
{
    cubes({"North", "South"});
    save(QStringLiteral("North"), QStringLiteral("Plan"), QStringLiteral("Finance"));
    save(QStringLiteral("North"), QStringLiteral("Costs"));
    save(QStringLiteral("South"), QStringLiteral("Other"), QStringLiteral("Finance"));
    tree::subFillReportTree();
    reports::subHandleNodeClick(node(QStringLiteral("North\\Finance\\Plan")), &window);
    ASSERT_FALSE(window.info->isHidden());

    // Reading South last leaves neither the cube nor the report on screen.
    tree::subFillReportTree();
    EXPECT_EQ(gstrCubeName, QStringLiteral("North"));
    ASSERT_TRUE(gobjReport);
    EXPECT_EQ(gobjReport,
              gobjReportsDic->dicViews.Item(reports::reportKey(QStringLiteral("North"), QStringLiteral("Plan"))));

    window.tree->setCurrentItem(node(QStringLiteral("North\\Finance\\Plan")));
    run.fakes.messageBox.answers = {platform::mb::vbYes};
    tree::subHandleRemoveClick(&window);
    EXPECT_FALSE(QFile::exists(data.path() + QStringLiteral("/ReportsXP/North/Plan.txt")));
    EXPECT_EQ(gstrCubeName, QStringLiteral("North"));
    EXPECT_FALSE(gobjReport);
    EXPECT_TRUE(window.info->isHidden());
    EXPECT_EQ(window.tree->currentItem(), nullptr);
}

TEST_F(ReportTree, UnreadableFilesAreNamedOnceAndTheRestIsShown)
{
    cubes({"Budget"});
    save(QStringLiteral("Budget"), QStringLiteral("Good"));
    QFile bad(data.path() + QStringLiteral("/ReportsXP/Budget/Broken.txt"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("no report here");
    bad.close();

    tree::subFillReportTree();
    EXPECT_EQ(paths(), QStringList{QStringLiteral("Good")});
    ASSERT_EQ(run.fakes.messageBox.shown.size(), 1);
    EXPECT_TRUE(run.fakes.messageBox.shown.first().text.contains(QStringLiteral("Broken.txt")));
    tree::subFillReportTree();
    EXPECT_EQ(run.fakes.messageBox.shown.size(), 1);
}
