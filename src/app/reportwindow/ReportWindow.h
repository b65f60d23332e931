#pragma once

#include "app/reportwindow/ReportWindowProfile.h"

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

// The node pictures of the report tree: 1 cube, 2 report, 3 folder.
class ImageList : public QObject
{
public:
    explicit ImageList(QObject* parent);
    // An empty icon for an index outside 1 to 3.
    QIcon ListImages(int index) const;
};

// The report window: the tree of saved reports, the pivot table and the chart, the view
// options and the Tools and Help menus. One class for the three windows frmStats2003,
// frmStatsXP and frmStats2K; their differences are in the profile. Other modules reach
// its controls by name (objectName) or through the members below; the window itself
// hands all its work to them.
class ReportWindow : public QMainWindow
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
    // excChart.DataSource = pivReports.
    Q_INVOKABLE void bindChartToPivot();

    QTreeWidget* treReports() const { return m_treReports; }
    ImageList* imgCubeReports() const { return m_imgCubeReports; }
    // Null until the window is loaded.
    pivot::PivotTable* pivReports() const { return m_pivReports; }
    chart::ChartSpace* excChart() const { return m_excChart; }
    QRadioButton* optBoth() const { return m_optBoth; }
    QRadioButton* optPivot() const { return m_optPivot; }
    QRadioButton* optGraph() const { return m_optGraph; }
    QCheckBox* chkDisplayZeroValues() const { return m_chkDisplayZeroValues; }
    QPushButton* cmdAddReport() const { return m_cmdAddReport; }
    QPushButton* cmdRemoveReport() const { return m_cmdRemoveReport; }
    QPushButton* cmdInfo() const { return m_cmdInfo; }
    QPushButton* cmdDrillThrough() const { return m_cmdDrillThrough; }
    // Only in the version 9 window.
    QComboBox* cmbGraphType() const { return m_cmbGraphType; }
    QLabel* lblReports() const { return m_lblReports; }
    QLabel* lblWebLink() const { return m_lblWebLink; }
    QLabel* imgLogo() const { return m_imgLogo; }
    QLabel* imgBG() const { return m_imgBG; }
    QTimer* timGetData() { return &m_timGetData; }
    QMenu* mnuTools() const { return m_mnuTools; }
    QAction* mnuSavePicture() const { return m_mnuSavePicture; }
    QAction* mnuPrint() const { return m_mnuPrint; }
    QMenu* mnuHelp() const { return m_mnuHelp; }
    QAction* mnuZelbrin() const { return m_mnuZelbrin; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

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

} // namespace reportwindow
