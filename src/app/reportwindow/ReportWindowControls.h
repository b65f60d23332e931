#pragma once

#include "app/reportwindow/ReportWindowView.h"

#include <QIcon>

class QCheckBox;
class QWidget;

namespace reportwindow {

struct ReportWindowProfile;

// The report window's controls, made at their design places (in twips, so that the
// window keeps its proportions at any DPI) in the window's inner area, and its Tools and
// Help menus. The pivot table and the chart come later, at load, from the component
// registry. The window owns every control as a child; this record only points at them.
struct ReportWindowControls
{
    ReportWindowControls(QMainWindow& window, QWidget& area, const ReportWindowProfile& design);

    // The captions change with the language, so the row above the pivot table follows them.
    void placeCaptionedControls();
    // Long captions or a narrow window leave the web link no room beside the buttons; the
    // Help menu still leads to the same site.
    void showWebLinkWhereItFits();
    // The components made at load, placed and shown where the design shows them until
    // the first layout.
    void adoptComponents(pivot::PivotTable& table, chart::ChartSpace& chart);

    QWidget* inner;
    const ReportWindowProfile& profile;

    QTreeWidget* treReports = nullptr;
    TreeImageList* imgCubeReports = nullptr;
    pivot::PivotTable* pivReports = nullptr;   // null until the window is loaded
    chart::ChartSpace* excChart = nullptr;     // null until the window is loaded
    QRadioButton* optBoth = nullptr;
    QRadioButton* optPivot = nullptr;
    QRadioButton* optGraph = nullptr;
    QCheckBox* chkDisplayZeroValues = nullptr;
    QPushButton* cmdAddReport = nullptr;
    QPushButton* cmdRemoveReport = nullptr;
    QPushButton* cmdInfo = nullptr;
    QPushButton* cmdDrillThrough = nullptr;   // only where the profile has one
    QComboBox* cmbGraphType = nullptr;        // only where the profile has one
    QLabel* lblReports = nullptr;
    QLabel* lblWebLink = nullptr;
    QLabel* imgLogo = nullptr;
    QLabel* imgBG = nullptr;
    QMenu* mnuTools = nullptr;
    QAction* mnuSavePicture = nullptr;
    QAction* mnuPrint = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuZelbrin = nullptr;

private:
    void buildControls(QMainWindow& window);
    void buildMenus(QMainWindow& window);
};

// The program's icon in every size it ships.
QIcon programIcon();

}
