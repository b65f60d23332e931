#pragma once

#include "app/reportwindow/ReportWindowProfile.h"
#include "app/reportwindow/ReportWindowView.h"

#include <QIcon>
#include <QMainWindow>
#include <QTimer>
#include <memory>

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

struct ReportWindowControls;

// The report window: the tree of saved reports, the pivot table and the chart, the view
// options and the Tools and Help menus. One class for the three windows frmStats2003,
// frmStatsXP and frmStats2K; their differences are in the profile. Other modules reach
// its controls through its typed view; the window itself hands all its work to them.
class ReportWindow : public QMainWindow, public ReportWindowView
{
    Q_OBJECT
public:
    explicit ReportWindow(const ReportWindowProfile& profile);
    ~ReportWindow() override;

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
    QTreeWidget* treReports() const override;
    TreeImageList* imgCubeReports() const override;
    pivot::PivotTable* pivReports() const override;
    chart::ChartSpace* excChart() const override;
    QRadioButton* optBoth() const override;
    QRadioButton* optPivot() const override;
    QRadioButton* optGraph() const override;
    QPushButton* cmdAddReport() const override;
    QPushButton* cmdRemoveReport() const override;
    QPushButton* cmdInfo() const override;
    QComboBox* cmbGraphType() const override;
    QLabel* lblReports() const override;
    QLabel* lblWebLink() const override;
    QLabel* imgLogo() const override;
    QMenu* mnuTools() const override;
    QAction* mnuSavePicture() const override;
    QAction* mnuPrint() const override;
    QMenu* mnuHelp() const override;

    // What only the window's own tests reach.
    QCheckBox* chkDisplayZeroValues() const;
    QPushButton* cmdDrillThrough() const;
    QLabel* imgBG() const;
    QTimer* timGetData() { return &m_timGetData; }
    QAction* mnuZelbrin() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createComponents();
    void connectHandlers();
    void loadWithTimer();
    void loadAtOnce();
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
    std::unique_ptr<ReportWindowControls> m_controls;
    QTimer m_timGetData;
};

}
