#include "app/reportwindow/ReportWindow.h"

#include "app/startup/DownloadOffer.h"

#include "app/reportwindow/ChartFromPivot.h"
#include "app/reportwindow/PivotChartSource.h"
#include "app/reportwindow/ReportWindowSeams.h"
#include "app/reportwindow/Twips.h"
#include "app/reportwindow/WindowLayout.h"
#include "app/startup/modMain.h"
#include "app/startup/subFixControls.h"
#include "app/state/modGlobals.h"
#include "chart/ChartSpace.h"
#include "common/ErrorBoundary.h"
#include "common/ProgramConfig.h"
#include "common/modAPI.h"
#include "common/modAssistant.h"
#include "common/modErroHandling.h"
#include "common/modOutlookCode.h"
#include "pivot/PivotTable.h"
#include "platform/ComponentRegistry.h"
#include "platform/MessageBox.h"
#include "platform/ProcessEnd.h"
#include "platform/Services.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

namespace reportwindow {

using modGlobals::gstrAppTitle;

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

QIcon programIcon()
{
    QIcon icon;
    for (int size : {32, 64, 128, 256})
        icon.addFile(QStringLiteral(":/images/tessaline-%1.png").arg(size));
    return icon;
}

template<class W>
W* named(QWidget* parent, const char* name)
{
    auto* widget = new W(parent);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
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

// Handlers report their failures by their own name; a test's program end stops at the
// toolkit's door.
template<class F>
void handler(const char* procName, F&& work)
{
    platform::eventBoundary([&] { common::handled(QString::fromLatin1(procName), common::Message::LastStep, work); });
}

}

ImageList::ImageList(QObject* parent) : QObject(parent)
{
    setObjectName(QStringLiteral("imgCubeReports"));
}

QIcon ImageList::ListImages(int index) const
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

ReportWindow::ReportWindow(const ReportWindowProfile& profile) : m_profile(profile), m_timGetData(this)
{
    setObjectName(profile.name);
    setWindowTitle(profile.name);
    setWindowIcon(programIcon());
    m_inner = new QWidget(this);
    m_inner->setObjectName(QStringLiteral("scaleArea"));
    setCentralWidget(m_inner);
    buildControls();
    buildMenus();
    m_timGetData.setObjectName(QStringLiteral("timGetData"));
    m_timGetData.setSingleShot(true);
    const double x = twips::perPixelX(*this);
    const double y = twips::perPixelY(*this);
    resize(twips::toPixels(profile.designWidth, x),
           twips::toPixels(profile.designHeight, y) + menuBar()->sizeHint().height());
    // The inner area takes its size now, so that loading can lay the window out before
    // it is shown.
    layout()->activate();
    placeCaptionedControls();
    // Nothing may touch the report store before the tree has first been filled.
    enableReportCommands(false);
    connectHandlers();
}

void ReportWindow::buildControls()
{
    const int stripHeight = m_profile.pivotTop;
    const int rowTop = (stripHeight - kRowHeight) / 2;
    const int textTop = rowTop + (kRowHeight - kTextHeight) / 2;

    m_imgBG = named<QLabel>(m_inner, "imgBG");
    m_imgBG->setPixmap(picture("background").pixmap(QSize(64, 40), devicePixelRatio()));
    m_imgBG->setScaledContents(true);
    place(*m_imgBG, 0, 0, m_profile.designWidth, stripHeight);

    m_lblReports = named<QLabel>(m_inner, "lblReports");
    m_lblReports->setText(QStringLiteral("Reports"));
    place(*m_lblReports, kLabelLeft, textTop, 1200, kTextHeight);

    m_chkDisplayZeroValues = named<QCheckBox>(m_inner, "chkDisplayZeroValues");
    m_chkDisplayZeroValues->setText(QStringLiteral("0"));
    place(*m_chkDisplayZeroValues, 1230, rowTop, 480, kRowHeight);

    m_cmdInfo = named<QPushButton>(m_inner, "cmdInfo");
    m_cmdInfo->setIcon(picture("info"));
    place(*m_cmdInfo, kPivotLeft - 2 * kGap - kRowHeight, rowTop, kRowHeight, kRowHeight);
    m_cmdInfo->setIconSize(pictureSize(*m_cmdInfo, kSmallPicture, kSmallPicture));

    m_treReports = named<QTreeWidget>(m_inner, "treReports");
    m_treReports->setHeaderHidden(true);
    m_treReports->setColumnCount(1);
    m_treReports->setIconSize(pictureSize(*m_treReports, kSmallPicture, kSmallPicture));
    m_imgCubeReports = new ImageList(this);
    const int treeHeight = m_profile.designHeight - 2 * m_profile.treeTop - 1500;
    place(*m_treReports, kColumnLeft, m_profile.treeTop, kColumnWidth, treeHeight);

    m_cmdRemoveReport = named<QPushButton>(m_inner, "cmdRemoveReport");
    m_cmdRemoveReport->setText(QStringLiteral("Remove Report"));
    place(*m_cmdRemoveReport, kColumnLeft, m_profile.treeTop + treeHeight + 50, kColumnWidth, kRemoveButtonHeight);

    m_imgLogo = named<QLabel>(m_inner, "imgLogo");
    place(*m_imgLogo, kColumnLeft, m_profile.designHeight - kLogoHeight - 850, kLogoWidth, kLogoHeight);
    m_imgLogo->setPixmap(picture("logo").pixmap(m_imgLogo->size(), devicePixelRatio()));

    m_cmdAddReport = named<QPushButton>(m_inner, "cmdAddReport");
    m_cmdAddReport->setText(QStringLiteral("+"));
    m_cmdAddReport->setToolTip(QCoreApplication::translate("reportwindow", "Saves the current report as a new report"));
    m_optBoth = named<QRadioButton>(m_inner, "optBoth");
    m_optBoth->setText(QStringLiteral("Both"));
    m_optBoth->setChecked(true);
    m_optPivot = named<QRadioButton>(m_inner, "optPivot");
    m_optPivot->setText(QStringLiteral("Pivot"));
    m_optGraph = named<QRadioButton>(m_inner, "optGraph");
    m_optGraph->setText(QStringLiteral("Graph"));
    // Their places follow from their captions.
    for (QWidget* control : std::initializer_list<QWidget*>{m_cmdAddReport, m_optBoth, m_optPivot, m_optGraph})
        place(*control, kPivotLeft, rowTop, 0, kRowHeight);

    if (m_profile.hasGraphTypeList) {
        m_cmbGraphType = named<QComboBox>(m_inner, "cmbGraphType");
        ChartFromPivot::fillGraphTypeList(*m_cmbGraphType);
        m_cmbGraphType->view()->setMinimumWidth(m_cmbGraphType->view()->sizeHintForColumn(0) + 24);
        place(*m_cmbGraphType, kPivotLeft, rowTop, kGraphTypeListWidth, kRowHeight);
    }
    if (m_profile.hasDrillThrough) {
        // The drill-through button does nothing, so it is never shown.
        m_cmdDrillThrough = named<QPushButton>(m_inner, "cmdDrillThrough");
        m_cmdDrillThrough->setText(QStringLiteral("Drill"));
        m_cmdDrillThrough->hide();
    }

    m_lblWebLink = named<QLabel>(m_inner, "lblWebLink");
    m_lblWebLink->setText(QStringLiteral("<a href=\"home\">%1</a>").arg(kWebAddress));
    m_lblWebLink->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    m_lblWebLink->setCursor(Qt::PointingHandCursor);
    place(*m_lblWebLink, 0, textTop, 0, kTextHeight);
}

void ReportWindow::buildMenus()
{
    m_mnuTools = menuBar()->addMenu(QStringLiteral("LNGTOOLS"));
    m_mnuTools->setObjectName(QStringLiteral("mnuTools"));
    m_mnuSavePicture = m_mnuTools->addAction(QStringLiteral("LNGSAVEPICTURE"));
    m_mnuSavePicture->setObjectName(QStringLiteral("mnuSavePicture"));
    m_mnuPrint = m_mnuTools->addAction(QStringLiteral("LNGPRINT"));
    m_mnuPrint->setObjectName(QStringLiteral("mnuPrint"));
    m_mnuHelp = menuBar()->addMenu(QStringLiteral("LNGHELP"));
    m_mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    m_mnuZelbrin = m_mnuHelp->addAction(kWebAddress);
    m_mnuZelbrin->setObjectName(QStringLiteral("mnuZelbrin"));
}

// The captions change with the language, so the row above the pivot table follows them.
void ReportWindow::placeCaptionedControls()
{
    const double perPixel = twips::perPixelX(*m_inner);
    const auto pixels = [perPixel](double twipsWide) { return twips::toPixels(twipsWide, perPixel); };
    const auto fitWidth = [](QWidget& control, int minimum) {
        control.resize(std::max(minimum, control.sizeHint().width()), control.height());
    };
    fitWidth(*m_lblReports, 0);
    fitWidth(*m_lblWebLink, 0);

    int left = pixels(kPivotLeft);
    const auto next = [&](QWidget& control, int minimum, double gapAfter) {
        control.move(left, control.y());
        fitWidth(control, minimum);
        left += control.width() + pixels(gapAfter);
    };
    next(*m_cmdAddReport, pixels(kMinimumAddButtonWidth), 2 * kGap);
    next(*m_optBoth, 0, kGap);
    next(*m_optPivot, 0, kGap);
    next(*m_optGraph, 0, 2 * kGap);
    // The list keeps its width: its longest entries would crowd out the web link, and the
    // open list shows them whole.
    if (m_cmbGraphType)
        m_cmbGraphType->move(left, m_cmbGraphType->y());
    m_lblWebLink->move(m_inner->width() - m_lblWebLink->width() - pixels(120), m_lblWebLink->y());
    showWebLinkWhereItFits();
}

// Long captions or a narrow window leave the web link no room beside the buttons; the
// Help menu still leads to the same site.
void ReportWindow::showWebLinkWhereItFits()
{
    QWidget* last = m_cmbGraphType ? static_cast<QWidget*>(m_cmbGraphType) : m_optGraph;
    m_lblWebLink->setVisible(last->geometry().right() < m_lblWebLink->x());
}

void ReportWindow::createComponents()
{
    auto& registry = platform::ComponentRegistry::instance();
    std::unique_ptr<QObject> pivotObject = registry.createObject(m_profile.pivotClass);
    std::unique_ptr<QObject> chartObject = registry.createObject(m_profile.chartClass);
    auto* pivotTable = qobject_cast<pivot::PivotTable*>(pivotObject.get());
    auto* chartSpace = qobject_cast<chart::ChartSpace*>(chartObject.get());
    if (!pivotTable || !chartSpace)
        platform::raiseError(platform::err::MemberNotSupported,
                             QStringLiteral("Object doesn't support this property or method"), objectName());
    pivotObject.release();
    chartObject.release();
    m_pivReports = pivotTable;
    m_excChart = chartSpace;
    m_pivReports->setObjectName(QStringLiteral("pivReports"));
    // Reading a cube and querying it never hold up the window.
    m_pivReports->setQueriesInBackground(true);
    m_excChart->setObjectName(QStringLiteral("excChart"));
    m_pivReports->setParent(m_inner);
    m_excChart->setParent(m_inner);

    // Until the first layout: both views, as the design shows them.
    WindowLayout::Input design;
    design.scaleWidth = m_profile.designWidth;
    design.scaleHeight = m_profile.designHeight;
    design.pivotLeft = kPivotLeft;
    design.pivotTop = m_profile.pivotTop;
    design.treeTop = m_profile.treeTop;
    const WindowLayout::Output frames = WindowLayout::compute(design);
    place(*m_pivReports, kPivotLeft, m_profile.pivotTop, frames.pivot.width, frames.pivot.height);
    place(*m_excChart, kPivotLeft, frames.chartTop, frames.chart->width, frames.chart->height);
    m_pivReports->show();
    m_excChart->show();

    if (m_profile.chartFollowsQueries) {
        connect(m_pivReports, &pivot::PivotTable::QueryComplete, this,
                [this] { platform::eventBoundary([this] { pivReports_QueryComplete(); }); });
    }
}

void ReportWindow::connectHandlers()
{
    connect(&m_timGetData, &QTimer::timeout, this, [this] { timGetData_Timer(); });
    connect(m_treReports, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* node) { platform::eventBoundary([&] { treReports_NodeClick(node); }); });
    m_treReports->installEventFilter(this);
    connect(m_optBoth, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            opt_Click("optBoth_Click");
    });
    connect(m_optPivot, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            opt_Click("optPivot_Click");
    });
    connect(m_optGraph, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            opt_Click("optGraph_Click");
    });
    connect(m_chkDisplayZeroValues, &QCheckBox::toggled, this, [this] { chkDisplayZeroValues_Click(); });
    connect(m_cmdAddReport, &QPushButton::clicked, this, [this] { cmdAddReport_Click(); });
    connect(m_cmdRemoveReport, &QPushButton::clicked, this, [this] { cmdRemoveReport_Click(); });
    connect(m_cmdInfo, &QPushButton::clicked, this, [this] { cmdInfo_Click(); });
    if (m_cmbGraphType) {
        connect(m_cmbGraphType, &QComboBox::currentIndexChanged, this, [this] { cmbGraphType_Click(); });
    }
    connect(m_mnuSavePicture, &QAction::triggered, this, [this] { mnuSavePicture_Click(); });
    connect(m_mnuPrint, &QAction::triggered, this, [this] { mnuPrint_Click(); });
    connect(m_lblWebLink, &QLabel::linkActivated, this, [this] { lblWebLink_Click(); });
    connect(m_mnuZelbrin, &QAction::triggered, this, [this] { mnuZelbrin_Click(); });
}

void ReportWindow::Form_Load()
{
    try {
        createComponents();
        if (m_profile.startsByTimer)
            loadWithTimer();
        else
            loadAtOnce();
    } catch (const std::exception& raised) {
        handleLoadFailure(raised);
    }
}

// The window shows at once; the tree, the chart binding and the first report follow
// from the timer. The tree control is a Unicode one already.
void ReportWindow::loadWithTimer()
{
    if (!m_profile.loadStep.isEmpty())
        modErroHandling::subLogStep(m_profile.loadStep);
    m_timGetData.setInterval(200);
    m_timGetData.start();
    modAPI::subEnsureVisibleTaskBar(this, QString());
    subSetCaptions();
    startup::modMain::subFixControls();
    m_pivReports->setAllowDetails(true);
    if (m_profile.titleAgainAtLoadEnd)
        setWindowTitle(gstrAppTitle);
}

// The version 9 window fills the tree and opens the first report before it is shown; its
// first layout comes with the resize of its first show.
void ReportWindow::loadAtOnce()
{
    modErroHandling::subLogStep(m_profile.loadStep);
    modAPI::subEnsureVisibleTaskBar(this, QString());
    startup::modMain::subSetFormCaptions(*this);
    placeCaptionedControls();
    reportwindow::seams().fillReportTree();
    enableReportCommands(true);
    bindChartToPivot();
    m_excChart->Charts().Add();
    reportwindow::seams().setDefaultSel();
}

void ReportWindow::handleLoadFailure(const std::exception& raised)
{
    const platform::VbError error = common::asVbError(raised);
    if (error.number() == platform::err::MemberNotSupported) {
        startup::modMain::subOfferDownload(
            QStringLiteral("Unable to start the MS Office Web Components!\r\nPlease download these FREE "
                           "components from Microsoft Download.\r\nDo you want to go to that website now?"),
            config::webComponentsDownloadPage());
        modMain::subEndProgram(modMain::EndCause::Failure);
    }
    modErroHandling::subHandleError(error.description(), error.number(), error.line(),
                                    m_profile.name + QStringLiteral(".Form_Load"));
}

void ReportWindow::enableReportCommands(bool enable)
{
    m_cmdAddReport->setEnabled(enable);
    m_cmdRemoveReport->setEnabled(enable);
    m_mnuSavePicture->setEnabled(enable);
    m_mnuPrint->setEnabled(enable);
}

void ReportWindow::treReports_NodeClick(QTreeWidgetItem* node)
{
    common::handled(QStringLiteral("treReports_NodeClick"), common::Message::LastStep,
                    [&] { reportwindow::seams().handleNodeClick(node, this); });
}

void ReportWindow::subSetCaptions()
{
    common::handled(QStringLiteral("subSetCaptions"), common::Message::LastStep, [&] {
        startup::modMain::subSetFormCaptions(*this);
        placeCaptionedControls();
    });
}

void ReportWindow::LoadChart(pivot::PivotTable& ptable, chart::ChartSpace& cspace)
{
    ChartFromPivot::LoadChart(ptable, cspace);
}

void ReportWindow::subFixGraphType()
{
    if (m_cmbGraphType && m_excChart)
        ChartFromPivot::subFixGraphType(*m_excChart, *m_cmbGraphType);
}

void ReportWindow::bindChartToPivot()
{
    m_excChart->setDataSource(PivotChartSource::of(*m_pivReports));
}

void ReportWindow::timGetData_Timer()
{
    handler("timGetData_Timer", [&] {
        m_timGetData.stop();
        reportwindow::seams().fillReportTree();
        enableReportCommands(true);
        bindChartToPivot();
        reportwindow::seams().setDefaultSel();
    });
}

void ReportWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    m_imgBG->resize(m_inner->width(), m_imgBG->height());
    // Before loading there is nothing to lay out.
    if (m_pivReports)
        Form_Resize();
    showWebLinkWhereItFits();
}

void ReportWindow::Form_Resize()
{
    handler("Form_Resize", [] { startup::modMain::subFixControls(); });
}

void ReportWindow::opt_Click(const char* procName)
{
    handler(procName, [] { startup::modMain::subFixControls(); });
}

// Shows or hides the rows and columns without values.
void ReportWindow::chkDisplayZeroValues_Click()
{
    platform::eventBoundary([this] {
        try {
            if (m_profile.zeroValuesStep)
                modErroHandling::subLogStep(QStringLiteral("Changing the option Display Zeros"));
            const bool display = m_chkDisplayZeroValues->isChecked();
            pivot::PivotView& view = m_pivReports->ActiveView();
            if (pivot::PivotAxisView* rows = view.RowAxis())
                rows->setDisplayEmptyMembers(display);
            if (pivot::PivotAxisView* columns = view.ColumnAxis())
                columns->setDisplayEmptyMembers(display);
        } catch (const std::exception& raised) {
            const platform::VbError error = common::asVbError(raised);
            if (m_profile.zeroValuesStep && error.number() == platform::err::Unspecified) {
                const QString question = QStringLiteral(
                    "You have an outdated version of the MS Office Web Components!\r\nPlease download the latest "
                    "version of these FREE component from Microsoft Download\r\nDo you want to go to that website "
                    "now?");
                if (modAssistant::fncAskAlert(modOutlookCode::gobjOutlook.get(), question, platform::mb::vbYesNo)
                    == platform::mb::vbYes)
                    modAPI::subOpenUrl(config::webComponentsDownloadPage(), false);
                return;
            }
            modErroHandling::subHandleError(error.description(), error.number(), error.line(),
                                            m_profile.name + QStringLiteral(".chkDisplayZeroValues_Click"));
        }
    });
}

void ReportWindow::cmdAddReport_Click()
{
    handler("cmdAddReport_Click", [this] { reportwindow::seams().showSaveReport(this); });
}

void ReportWindow::cmdRemoveReport_Click()
{
    handler("cmdRemoveReport_Click", [this] { reportwindow::seams().handleRemoveClick(this); });
}

void ReportWindow::cmdInfo_Click()
{
    if (!m_profile.infoActs)
        return;
    handler("cmdInfo_Click", [] { reportwindow::seams().handleInfoClick(); });
}

void ReportWindow::cmbGraphType_Click()
{
    platform::eventBoundary([this] { subFixGraphType(); });
}

void ReportWindow::pivReports_QueryComplete()
{
    LoadChart(*m_pivReports, *m_excChart);
}

void ReportWindow::mnuSavePicture_Click()
{
    handler("mnuSavePicture_Click", [] { reportwindow::seams().savePicture(QString(), 400, 600); });
}

void ReportWindow::mnuPrint_Click()
{
    handler("mnuPrint_Click", [] { reportwindow::seams().printOut(); });
}

void ReportWindow::lblWebLink_Click()
{
    handler("lblWebLink_Click", [] { modAPI::subOpenUrl(config::makerHomePage(), false); });
}

void ReportWindow::mnuZelbrin_Click()
{
    handler("mnuZelbrin_Click", [] { modAPI::subOpenUrl(config::productPage(), false); });
}

// Enter on the tree opens the node the keyboard has reached, as a click would; moving with
// the arrow keys only selects, so that the keys can pass over folders.
bool ReportWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_treReports && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_treReports->currentItem()) {
            QTreeWidgetItem* node = m_treReports->currentItem();
            platform::eventBoundary([&] { treReports_NodeClick(node); });
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// Closing the report window ends the program in order, whatever else is still open.
void ReportWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (modMain::programEnding())
        return;
    platform::eventBoundary([] { modMain::subEndProgram(); });
}

}
