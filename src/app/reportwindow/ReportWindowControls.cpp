#include "app/reportwindow/ReportWindowControls.h"

#include "app/reportwindow/ChartFromPivot.h"
#include "app/reportwindow/ReportWindowProfile.h"
#include "app/reportwindow/ReportWindowView.h"
#include "app/reportwindow/WindowLayout.h"
#include "chart/ChartSpace.h"
#include "common/NamedWidget.h"
#include "controls/shared/Twips.h"
#include "pivot/PivotTable.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

namespace reportwindow {

using common::named;
namespace twips = controls::twips;

namespace {

// Design positions, in twips.
constexpr int kColumnLeft = 15;
constexpr int kLabelLeft = 75;
constexpr int kColumnWidth = 2250;
constexpr int kRowHeight = 360;
constexpr int kTextHeight = 270;
constexpr int kGap = 90;
constexpr int kRemoveButtonHeight = 375;
constexpr int kLogoWidth = 2250;
constexpr int kLogoHeight = 720;
constexpr int kGraphTypeListWidth = 2100;
constexpr int kMinimumAddButtonWidth = 1200;

const QString kWebAddress = QStringLiteral("zelbrin.example");

QIcon picture(const char* name)
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/images/%1.png").arg(QLatin1String(name)));
    icon.addFile(QStringLiteral(":/images/%1@2x.png").arg(QLatin1String(name)));
    return icon;
}

// Places a control at a design position given in twips.
void place(QWidget& control, double left, double top, double width, double height)
{
    const double x = twips::perPixelX(control);
    const double y = twips::perPixelY(control);
    control.setGeometry(twips::toPixels(left, x), twips::toPixels(top, y), twips::toPixels(width, x),
                        twips::toPixels(height, y));
}

// Pictures are designed in twips too, so that they grow with the text at a higher DPI.
constexpr int kSmallPicture = 240;   // 16 pixels at 96 dpi

QSize pictureSize(const QWidget& control, double width, double height)
{
    return QSize(twips::toPixels(width, twips::perPixelX(control)), twips::toPixels(height, twips::perPixelY(control)));
}

}

QIcon programIcon()
{
    QIcon icon;
    for (int size : {32, 64, 128, 256})
        icon.addFile(QStringLiteral(":/images/tessaline-%1.png").arg(size));
    return icon;
}

TreeImageList::TreeImageList(QObject* parent) : QObject(parent)
{
    setObjectName(QStringLiteral("imgCubeReports"));
}

QIcon TreeImageList::ListImages(int index) const
{
    switch (index) {
    case 1:
        return picture("cube");
    case 2:
        return picture("report");
    case 3:
        return picture("folder");
    default:
        return {};
    }
}

ReportWindowControls::ReportWindowControls(QMainWindow& window, QWidget& area, const ReportWindowProfile& design)
    : inner(&area), profile(design)
{
    buildControls(window);
    buildMenus(window);
}

void ReportWindowControls::buildControls(QMainWindow& window)
{
    const int stripHeight = profile.pivotTop;
    const int rowTop = (stripHeight - kRowHeight) / 2;
    const int textTop = rowTop + (kRowHeight - kTextHeight) / 2;

    imgBG = named<QLabel>(inner, "imgBG");
    imgBG->setPixmap(picture("background").pixmap(QSize(64, 40), window.devicePixelRatio()));
    imgBG->setScaledContents(true);
    place(*imgBG, 0, 0, profile.designWidth, stripHeight);

    lblReports = named<QLabel>(inner, "lblReports");
    lblReports->setText(QStringLiteral("Reports"));
    place(*lblReports, kLabelLeft, textTop, 1200, kTextHeight);

    chkDisplayZeroValues = named<QCheckBox>(inner, "chkDisplayZeroValues");
    chkDisplayZeroValues->setText(QStringLiteral("0"));
    place(*chkDisplayZeroValues, 1230, rowTop, 480, kRowHeight);

    cmdInfo = named<QPushButton>(inner, "cmdInfo");
    cmdInfo->setIcon(picture("info"));
    place(*cmdInfo, kPivotLeft - 2 * kGap - kRowHeight, rowTop, kRowHeight, kRowHeight);
    cmdInfo->setIconSize(pictureSize(*cmdInfo, kSmallPicture, kSmallPicture));

    treReports = named<QTreeWidget>(inner, "treReports");
    treReports->setHeaderHidden(true);
    treReports->setColumnCount(1);
    treReports->setIconSize(pictureSize(*treReports, kSmallPicture, kSmallPicture));
    imgCubeReports = new TreeImageList(&window);
    const int treeHeight = profile.designHeight - 2 * profile.treeTop - 1500;
    place(*treReports, kColumnLeft, profile.treeTop, kColumnWidth, treeHeight);

    cmdRemoveReport = named<QPushButton>(inner, "cmdRemoveReport");
    cmdRemoveReport->setText(QStringLiteral("Remove Report"));
    place(*cmdRemoveReport, kColumnLeft, profile.treeTop + treeHeight + 50, kColumnWidth, kRemoveButtonHeight);

    imgLogo = named<QLabel>(inner, "imgLogo");
    place(*imgLogo, kColumnLeft, profile.designHeight - kLogoHeight - 850, kLogoWidth, kLogoHeight);
    imgLogo->setPixmap(picture("logo").pixmap(imgLogo->size(), window.devicePixelRatio()));

    cmdAddReport = named<QPushButton>(inner, "cmdAddReport");
    cmdAddReport->setText(QStringLiteral("+"));
    cmdAddReport->setToolTip(QCoreApplication::translate("reportwindow", "Saves the current report as a new report"));
    optBoth = named<QRadioButton>(inner, "optBoth");
    optBoth->setText(QStringLiteral("Both"));
    optBoth->setChecked(true);
    optPivot = named<QRadioButton>(inner, "optPivot");
    optPivot->setText(QStringLiteral("Pivot"));
    optGraph = named<QRadioButton>(inner, "optGraph");
    optGraph->setText(QStringLiteral("Graph"));
    // Their places follow from their captions.
    for (QWidget* control : std::initializer_list<QWidget*>{cmdAddReport, optBoth, optPivot, optGraph})
        place(*control, kPivotLeft, rowTop, 0, kRowHeight);

    if (profile.hasGraphTypeList) {
        cmbGraphType = named<QComboBox>(inner, "cmbGraphType");
        chartfrompivot::fillGraphTypeList(*cmbGraphType);
        cmbGraphType->view()->setMinimumWidth(cmbGraphType->view()->sizeHintForColumn(0) + 24);
        place(*cmbGraphType, kPivotLeft, rowTop, kGraphTypeListWidth, kRowHeight);
    }
    if (profile.hasDrillThrough) {
        // The drill-through button does nothing, so it is never shown.
        cmdDrillThrough = named<QPushButton>(inner, "cmdDrillThrough");
        cmdDrillThrough->setText(QStringLiteral("Drill"));
        cmdDrillThrough->hide();
    }

    lblWebLink = named<QLabel>(inner, "lblWebLink");
    lblWebLink->setText(QStringLiteral("<a href=\"home\">%1</a>").arg(kWebAddress));
    lblWebLink->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    lblWebLink->setCursor(Qt::PointingHandCursor);
    place(*lblWebLink, 0, textTop, 0, kTextHeight);
}

void ReportWindowControls::buildMenus(QMainWindow& window)
{
    mnuTools = window.menuBar()->addMenu(QStringLiteral("LNGTOOLS"));
    mnuTools->setObjectName(QStringLiteral("mnuTools"));
    mnuSavePicture = mnuTools->addAction(QStringLiteral("LNGSAVEPICTURE"));
    mnuSavePicture->setObjectName(QStringLiteral("mnuSavePicture"));
    mnuPrint = mnuTools->addAction(QStringLiteral("LNGPRINT"));
    mnuPrint->setObjectName(QStringLiteral("mnuPrint"));
    mnuHelp = window.menuBar()->addMenu(QStringLiteral("LNGHELP"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuZelbrin = mnuHelp->addAction(kWebAddress);
    mnuZelbrin->setObjectName(QStringLiteral("mnuZelbrin"));
}

void ReportWindowControls::placeCaptionedControls()
{
    const double perPixel = twips::perPixelX(*inner);
    const auto pixels = [perPixel](double twipsWide) { return twips::toPixels(twipsWide, perPixel); };
    const auto fitWidth = [](QWidget& control, int minimum) {
        control.resize(std::max(minimum, control.sizeHint().width()), control.height());
    };
    fitWidth(*lblReports, 0);
    fitWidth(*lblWebLink, 0);

    int left = pixels(kPivotLeft);
    const auto next = [&](QWidget& control, int minimum, double gapAfter) {
        control.move(left, control.y());
        fitWidth(control, minimum);
        left += control.width() + pixels(gapAfter);
    };
    next(*cmdAddReport, pixels(kMinimumAddButtonWidth), 2 * kGap);
    next(*optBoth, 0, kGap);
    next(*optPivot, 0, kGap);
    next(*optGraph, 0, 2 * kGap);
    // The list keeps its width: its longest entries would crowd out the web link, and the
    // open list shows them whole.
    if (cmbGraphType)
        cmbGraphType->move(left, cmbGraphType->y());
    lblWebLink->move(inner->width() - lblWebLink->width() - pixels(120), lblWebLink->y());
    showWebLinkWhereItFits();
}

void ReportWindowControls::showWebLinkWhereItFits()
{
    QWidget* last = cmbGraphType ? static_cast<QWidget*>(cmbGraphType) : optGraph;
    lblWebLink->setVisible(last->geometry().right() < lblWebLink->x());
}

void ReportWindowControls::adoptComponents(pivot::PivotTable& table, chart::ChartSpace& chart)
{
    pivReports = &table;
    excChart = &chart;
    pivReports->setObjectName(QStringLiteral("pivReports"));
    excChart->setObjectName(QStringLiteral("excChart"));
    pivReports->setParent(inner);
    excChart->setParent(inner);
    windowlayout::Input design;
    design.scaleWidth = profile.designWidth;
    design.scaleHeight = profile.designHeight;
    design.pivotLeft = kPivotLeft;
    design.pivotTop = profile.pivotTop;
    design.treeTop = profile.treeTop;
    const windowlayout::Output frames = windowlayout::compute(design);
    place(*pivReports, kPivotLeft, profile.pivotTop, frames.pivot.width, frames.pivot.height);
    place(*excChart, kPivotLeft, frames.chartTop, frames.chart->width, frames.chart->height);
    pivReports->show();
    excChart->show();
}

}
