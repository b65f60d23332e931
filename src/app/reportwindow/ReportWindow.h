#pragma once

#include "app/reportwindow/ReportWindowProfile.h"
#include "app/reportwindow/ReportWindowView.h"

#include <QIcon>
#include <QMainWindow>
#include <QTimer>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace chart {
class ChartSpace;
}
namespace pivot {
class PivotTable;
}

namespace reportwindow {

// The report window: the tree of saved reports, the pivot table and the chart, the view
// options and the Tools and Help menus. One class for the three windows frmStats2003,
// frmStatsXP and frmStats2K; their differences are in the profile. Other modules reach
// its controls through its typed view; the window itself hands all its work to them.
class ReportWindow : public QMainWindow, public ReportWindowView
{
    Q_OBJECT
public:
    explicit ReportWindow(const ReportWindowProfile& profile);

    const ReportWindowProfile& profile() const { return m_profile; }

    // Run once when the window is loaded, before it is first shown.
    void Form_Load();

    // The public procedures of the window.
    void treReports_NodeClick(QTreeWidgetItem* node);
    void subSetCaptions();
    void LoadChart(pivot::PivotTable& ptable, chart::ChartSpace& cspace);
    // The version 9 window's chart type from its list.
    void subFixGraphType();
    // The typed view.
    QMainWindow* form() override { return this; }
    void bindChartToPivot() override;
    QTreeWidget* treReports() const override { return m_treReports; }
    ImageList* imgCubeReports() const override { return m_imgCubeReports; }
    pivot::PivotTable* pivReports() const override { return m_pivReports; }
    chart::ChartSpace* excChart() const override { return m_excChart; }
    QRadioButton* optBoth() const override { return m_optBoth; }
    QRadioButton* optPivot() const override { return m_optPivot; }
    QRadioButton* optGraph() const override { return m_optGraph; }
    QPushButton* cmdAddReport() const override { return m_cmdAddReport; }
    QPushButton* cmdRemoveReport() const override { return m_cmdRemoveReport; }
    QPushButton* cmdInfo() const override { return m_cmdInfo; }
    QComboBox* cmbGraphType() const override { return m_cmbGraphType; }
    QLabel* lblReports() const override { return m_lblReports; }
    QLabel* lblWebLink() const override { return m_lblWebLink; }
    QLabel* imgLogo() const override { return m_imgLogo; }
    QMenu* mnuTools() const override { return m_mnuTools; }
    QAction* mnuSavePicture() const override { return m_mnuSavePicture; }
    QAction* mnuPrint() const override { return m_mnuPrint; }
    QMenu* mnuHelp() const override { return m_mnuHelp; }

    // What only the window's own tests reach.
    QCheckBox* chkDisplayZeroValues() const { return m_chkDisplayZeroValues; }
    QPushButton* cmdDrillThrough() const { return m_cmdDrillThrough; }
    QLabel* imgBG() const { return m_imgBG; }
    QTimer* timGetData() { return &m_timGetData; }
    QAction* mnuZelbrin() const { return m_mnuZelbrin; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void createComponents();
    void placeCaptionedControls();
    void showWebLinkWhereItFits();
    void connectHandlers();
    void loadWithTimer();
    void loadAtOnce();
    void fillTreeAndBindChart();
    void enableReportCommands(bool enable);
    void handleLoadFailure(const std::exception& raised);

    // Event handlers.
    void timGetData_Timer();
    void Form_Resize();
    void opt_Click(const char* handler);
    void chkDisplayZeroValues_Click();
    void cmdAddReport_Click();
    void cmdRemoveReport_Click();
    void cmdInfo_Click();
    void cmbGraphType_Click();
    void pivReports_QueryComplete();
    void mnuSavePicture_Click();
    void mnuPrint_Click();
    void lblWebLink_Click();
    void mnuZelbrin_Click();

    const ReportWindowProfile& m_profile;
    QWidget* m_inner = nullptr;
    QTreeWidget* m_treReports = nullptr;
    ImageList* m_imgCubeReports = nullptr;
    pivot::PivotTable* m_pivReports = nullptr;
    chart::ChartSpace* m_excChart = nullptr;
    QRadioButton* m_optBoth = nullptr;
    QRadioButton* m_optPivot = nullptr;
    QRadioButton* m_optGraph = nullptr;
    QCheckBox* m_chkDisplayZeroValues = nullptr;
    QPushButton* m_cmdAddReport = nullptr;
    QPushButton* m_cmdRemoveReport = nullptr;
    QPushButton* m_cmdInfo = nullptr;
    QPushButton* m_cmdDrillThrough = nullptr;
    QComboBox* m_cmbGraphType = nullptr;
    QLabel* m_lblReports = nullptr;
    QLabel* m_lblWebLink = nullptr;
    QLabel* m_imgLogo = nullptr;
    QLabel* m_imgBG = nullptr;
    QTimer m_timGetData;
    QMenu* m_mnuTools = nullptr;
    QAction* m_mnuSavePicture = nullptr;
    QAction* m_mnuPrint = nullptr;
    QMenu* m_mnuHelp = nullptr;
    QAction* m_mnuZelbrin = nullptr;
};

}
