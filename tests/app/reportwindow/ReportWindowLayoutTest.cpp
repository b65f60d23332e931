#include "app/reportwindow/ReportWindowTestSupport.h"

#include "app/reportwindow/subFixControls.h"
#include "chart/ChartDataSource.h"
#include "chart/ChartSpace.h"
#include "pivot/PivotTable.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace reportwindow;

namespace {

class ReportWindowLayout : public ::testing::Test
{
protected:
    ReportWindow* shown(const char* name)
    {
        ReportWindow* window = r.load(name);
        window->show();
        return window;
    }

    ReportWindowRun r;
};

QSize innerSize(ReportWindow& window)
{
    return window.centralWidget()->size();
}

}

TEST_F(ReportWindowLayout, EveryWindowOpensAtItsDesignSize)
{
    const std::tuple<const char*, int, int> sizes[] = {
        {"frmStats2003", 16410, 10710}, {"frmStatsXP", 11100, 8595}, {"frmStats2K", 11040, 10710}};
    for (const auto& [name, width, height] : sizes) {
        ReportWindow* window = shown(name);
        EXPECT_EQ(innerSize(*window), QSize(width / 15, height / 15)) << name;
        delete window;
    }
}

// The worked example, drawn in pixels at 96 dpi.
TEST_F(ReportWindowLayout, BothViewsStackThePivotTableOverTheChart)
{
    ReportWindow* window = shown("frmStatsXP");
    EXPECT_EQ(window->pivReports()->geometry(), QRect(152, 40, 577, 262));   // 8660 x 3927.5 twips
    EXPECT_EQ(window->excChart()->geometry(), QRect(152, 307, 583, 253));    // 8740 x 3787.5 at 4607.5
    EXPECT_EQ(window->pivReports()->MaxHeight(), 262);
    EXPECT_EQ(window->pivReports()->MaxWidth(), 577);
    EXPECT_EQ(window->treReports()->geometry().top(), 40);
    EXPECT_EQ(window->treReports()->height(), (8595 - 1200 - 1500) / 15);
    EXPECT_EQ(window->cmdRemoveReport()->y(), window->treReports()->geometry().bottom() + 1 + 3);   // 50 twips
    EXPECT_EQ(window->lblWebLink()->geometry().right() + 1, 740 - 8);
    // 850 twips above the window's outer bottom edge.
    EXPECT_NEAR(window->imgLogo()->y(), window->frameGeometry().height() - window->imgLogo()->height() - 850 / 15.0,
                0.5);
    EXPECT_TRUE(window->mnuSavePicture()->isVisible());
}

TEST_F(ReportWindowLayout, ViewOptionsShowThePivotTableTheChartOrBoth)
{
    ReportWindow* window = shown("frmStats2K");
    ASSERT_TRUE(window->cmbGraphType()->isVisible());

    window->optPivot()->setChecked(true);
    EXPECT_TRUE(window->pivReports()->isVisible());
    EXPECT_FALSE(window->excChart()->isVisible());
    EXPECT_FALSE(window->mnuSavePicture()->isVisible());
    EXPECT_FALSE(window->cmbGraphType()->isVisible());
    EXPECT_EQ(window->pivReports()->height(), (10710 - 600 - 20 - 10) / 15);
    EXPECT_EQ(window->pivReports()->width(), 579);   // 8680 twips, the whole free width
    const QSize pivotSize = window->pivReports()->size();

    window->optGraph()->setChecked(true);
    EXPECT_FALSE(window->pivReports()->isVisible());
    EXPECT_EQ(window->pivReports()->size(), pivotSize);   // hidden, but keeps its size
    EXPECT_TRUE(window->excChart()->isVisible());
    EXPECT_EQ(window->excChart()->y(), window->pivReports()->y());
    EXPECT_EQ(window->excChart()->height(), (10710 - 600 - 20 - 200) / 15);
    EXPECT_EQ(window->pivReports()->MaxHeight(), pivotSize.height());
    EXPECT_TRUE(window->mnuSavePicture()->isVisible());
    EXPECT_TRUE(window->cmbGraphType()->isVisible());

    window->optBoth()->setChecked(true);
    EXPECT_TRUE(window->pivReports()->isVisible());
    EXPECT_TRUE(window->excChart()->isVisible());
    EXPECT_EQ(window->pivReports()->width(), 573);   // 8600 twips
    EXPECT_EQ(window->excChart()->width(), 579);     // 80 twips wider
}

TEST_F(ReportWindowLayout, ASmallWindowMovesOnlyTheWebLinkAndALargerOneGrowsAgain)
{
    ReportWindow* window = shown("frmStatsXP");
    window->optPivot()->setChecked(true);
    const QRect pivot = window->pivReports()->geometry();
    const QRect tree = window->treReports()->geometry();
    const QRect remove = window->cmdRemoveReport()->geometry();
    const QRect logo = window->imgLogo()->geometry();

    // Free height 2500 twips: one pixel short of a layout.
    const int menu = window->height() - innerSize(*window).height();
    window->resize(740, (600 + 20 + 2500) / 15 + menu);
    ASSERT_EQ(innerSize(*window).height(), 208);
    EXPECT_EQ(window->pivReports()->geometry(), pivot);
    EXPECT_EQ(window->treReports()->geometry(), tree);
    EXPECT_EQ(window->cmdRemoveReport()->geometry(), remove);
    EXPECT_EQ(window->imgLogo()->geometry(), logo);
    EXPECT_FALSE(window->excChart()->isVisible());

    // Free width 400 twips.
    window->resize(184, 573 + menu);
    EXPECT_EQ(window->lblWebLink()->geometry().right() + 1, 184 - 8);
    EXPECT_EQ(window->pivReports()->geometry(), pivot);

    window->resize(1200, 900 + menu);
    EXPECT_EQ(window->pivReports()->width(), 1200 - 152 - 5);
    EXPECT_EQ(window->pivReports()->height(), 900 - 40 - 2);
    EXPECT_EQ(window->treReports()->height(), 900 - 80 - 100);
}

TEST_F(ReportWindowLayout, ResizingOnlyTheWidthKeepsTheTreeHeight)
{
    ReportWindow* window = shown("frmStats2003");
    const int treeHeight = window->treReports()->height();
    EXPECT_EQ(treeHeight, (10710 - 2 * 480 - 1500) / 15);
    window->resize(window->width() + 200, window->height());
    EXPECT_EQ(window->treReports()->height(), treeHeight);
}

TEST_F(ReportWindowLayout, NothingOverlapsAtTheDesignSize)
{
    for (const char* name : {"frmStats2003", "frmStatsXP", "frmStats2K"}) {
        ReportWindow* window = shown(name);
        EXPECT_TRUE(window->lblWebLink()->isVisible()) << name;
        QList<QWidget*> controls;
        for (QWidget* child : window->centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child->isVisible() && child != window->imgBG())
                controls << child;
        }
        for (int i = 0; i < controls.size(); ++i) {
            for (int j = i + 1; j < controls.size(); ++j) {
                EXPECT_FALSE(controls[i]->geometry().intersects(controls[j]->geometry()))
                    << name << ": " << controls[i]->objectName().toStdString() << " and "
                    << controls[j]->objectName().toStdString();
            }
            EXPECT_TRUE(window->centralWidget()->rect().contains(controls[i]->geometry()))
                << name << ": " << controls[i]->objectName().toStdString();
        }
        delete window;
    }
}

TEST_F(ReportWindowLayout, LongCaptionsTakeTheWebLinksRoomUntilTheWindowIsWider)
{
    modMultiLingual::LNGSAVEREPORT = QStringLiteral("Enregistrer le rapport");
    modMultiLingual::LNGBOTH = QStringLiteral("Les deux");
    modMultiLingual::LNGPIVOT = QStringLiteral("Tableau croisé dynamique");
    modMultiLingual::LNGGRAPH = QStringLiteral("Graphique");
    ReportWindow* window = shown("frmStats2K");
    EXPECT_FALSE(window->lblWebLink()->isVisible());

    window->resize(window->width() + 400, window->height());
    EXPECT_TRUE(window->lblWebLink()->isVisible());
    EXPECT_LT(window->cmbGraphType()->geometry().right(), window->lblWebLink()->x());
}
