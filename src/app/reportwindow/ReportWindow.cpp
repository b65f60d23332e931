#include "app/reportwindow/ReportWindow.h"

#include "app/reportwindow/ChartFromPivot.h"
#include "app/reportwindow/DownloadOffer.h"
#include "app/reportwindow/PivotChartSource.h"
#include "app/reportwindow/ReportWindowControls.h"
#include "app/reportwindow/ReportWindowSeams.h"
#include "app/reportwindow/subFixControls.h"
#include "app/reportwindow/subSetFormCaptions.h"
#include "app/state/modGlobals.h"
#include "chart/ChartSpace.h"
#include "common/ErrorBoundary.h"
#include "common/ProgramConfig.h"
#include "common/modAPI.h"
#include "common/modAssistant.h"
#include "common/modErroHandling.h"
#include "common/modOutlookCode.h"
#include "common/subEndProgram.h"
#include "controls/shared/Twips.h"
#include "pivot/PivotTable.h"
#include "platform/ComponentRegistry.h"
#include "platform/MessageBox.h"
#include "platform/ProcessEnd.h"
#include "platform/Services.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
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
namespace twips = controls::twips;
using common::handler;

ReportWindow::ReportWindow(const ReportWindowProfile& profile) : m_profile(profile), m_timGetData(this)
{
    setObjectName(profile.name);
    setWindowTitle(profile.name);
    setWindowIcon(programIcon());
    m_inner = new QWidget(this);
    m_inner->setObjectName(QStringLiteral("scaleArea"));
    setCentralWidget(m_inner);
    m_controls = std::make_unique<ReportWindowControls>(*this, *m_inner, profile);
    m_timGetData.setObjectName(QStringLiteral("timGetData"));
    m_timGetData.setSingleShot(true);
    const double x = twips::perPixelX(*this);
    const double y = twips::perPixelY(*this);
    resize(twips::toPixels(profile.designWidth, x),
           twips::toPixels(profile.designHeight, y) + menuBar()->sizeHint().height());
    // The inner area takes its size now, so that loading can lay the window out before
    // it is shown.
    layout()->activate();
    m_controls->placeCaptionedControls();
    // Nothing may touch the report store before the tree has first been filled.
    enableReportCommands(false);
    connectHandlers();
}

ReportWindow::~ReportWindow() = default;

QTreeWidget* ReportWindow::treReports() const
{
    return m_controls->treReports;
}
TreeImageList* ReportWindow::imgCubeReports() const
{
    return m_controls->imgCubeReports;
}
pivot::PivotTable* ReportWindow::pivReports() const
{
    return m_controls->pivReports;
}
chart::ChartSpace* ReportWindow::excChart() const
{
    return m_controls->excChart;
}
QRadioButton* ReportWindow::optBoth() const
{
    return m_controls->optBoth;
}
QRadioButton* ReportWindow::optPivot() const
{
    return m_controls->optPivot;
}
QRadioButton* ReportWindow::optGraph() const
{
    return m_controls->optGraph;
}
QPushButton* ReportWindow::cmdAddReport() const
{
    return m_controls->cmdAddReport;
}
QPushButton* ReportWindow::cmdRemoveReport() const
{
    return m_controls->cmdRemoveReport;
}
QPushButton* ReportWindow::cmdInfo() const
{
    return m_controls->cmdInfo;
}
QComboBox* ReportWindow::cmbGraphType() const
{
    return m_controls->cmbGraphType;
}
QLabel* ReportWindow::lblReports() const
{
    return m_controls->lblReports;
}
QLabel* ReportWindow::lblWebLink() const
{
    return m_controls->lblWebLink;
}
QLabel* ReportWindow::imgLogo() const
{
    return m_controls->imgLogo;
}
QMenu* ReportWindow::mnuTools() const
{
    return m_controls->mnuTools;
}
QAction* ReportWindow::mnuSavePicture() const
{
    return m_controls->mnuSavePicture;
}
QAction* ReportWindow::mnuPrint() const
{
    return m_controls->mnuPrint;
}
QMenu* ReportWindow::mnuHelp() const
{
    return m_controls->mnuHelp;
}
QCheckBox* ReportWindow::chkDisplayZeroValues() const
{
    return m_controls->chkDisplayZeroValues;
}
QPushButton* ReportWindow::cmdDrillThrough() const
{
    return m_controls->cmdDrillThrough;
}
QLabel* ReportWindow::imgBG() const
{
    return m_controls->imgBG;
}
QAction* ReportWindow::mnuZelbrin() const
{
    return m_controls->mnuZelbrin;
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
    m_controls->adoptComponents(*pivotTable, *chartSpace);
    // Reading a cube and querying it never hold up the window.
    m_controls->pivReports->setQueriesInBackground(true);

    if (m_profile.chartFollowsQueries) {
        connect(m_controls->pivReports, &pivot::PivotTable::QueryComplete, this,
                [this] { platform::eventBoundary([this] { pivReports_QueryComplete(); }); });
    }
}

void ReportWindow::connectHandlers()
{
    connect(&m_timGetData, &QTimer::timeout, this, [this] { timGetData_Timer(); });
    connect(m_controls->treReports, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* node) { platform::eventBoundary([&] { treReports_NodeClick(node); }); });
    m_controls->treReports->installEventFilter(this);
    connect(m_controls->optBoth, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            opt_Click("optBoth_Click");
    });
    connect(m_controls->optPivot, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            opt_Click("optPivot_Click");
    });
    connect(m_controls->optGraph, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            opt_Click("optGraph_Click");
    });
    connect(m_controls->chkDisplayZeroValues, &QCheckBox::toggled, this, [this] { chkDisplayZeroValues_Click(); });
    connect(m_controls->cmdAddReport, &QPushButton::clicked, this, [this] { cmdAddReport_Click(); });
    connect(m_controls->cmdRemoveReport, &QPushButton::clicked, this, [this] { cmdRemoveReport_Click(); });
    connect(m_controls->cmdInfo, &QPushButton::clicked, this, [this] { cmdInfo_Click(); });
    if (m_controls->cmbGraphType) {
        connect(m_controls->cmbGraphType, &QComboBox::currentIndexChanged, this, [this] { cmbGraphType_Click(); });
    }
    connect(m_controls->mnuSavePicture, &QAction::triggered, this, [this] { mnuSavePicture_Click(); });
    connect(m_controls->mnuPrint, &QAction::triggered, this, [this] { mnuPrint_Click(); });
    connect(m_controls->lblWebLink, &QLabel::linkActivated, this, [this] { lblWebLink_Click(); });
    connect(m_controls->mnuZelbrin, &QAction::triggered, this, [this] { mnuZelbrin_Click(); });
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
    modMain::subFixControls();
    m_controls->pivReports->setAllowDetails(true);
    if (m_profile.titleAgainAtLoadEnd)
        setWindowTitle(gstrAppTitle);
}

// The version 9 window fills the tree and opens the first report before it is shown; its
// first layout comes with the resize of its first show.
void ReportWindow::loadAtOnce()
{
    modErroHandling::subLogStep(m_profile.loadStep);
    modAPI::subEnsureVisibleTaskBar(this, QString());
    modMain::subSetFormCaptions(*this);
    m_controls->placeCaptionedControls();
    reportwindow::seams().fillReportTree();
    enableReportCommands(true);
    bindChartToPivot();
    m_controls->excChart->Charts().Add();
    reportwindow::seams().setDefaultSel();
}

void ReportWindow::handleLoadFailure(const std::exception& raised)
{
    const platform::VbError error = common::asVbError(raised);
    if (error.number() == platform::err::MemberNotSupported) {
        offerDownload(QStringLiteral("Unable to start the MS Office Web Components!\r\nPlease download these FREE "
                                     "components from Microsoft Download.\r\nDo you want to go to that website now?"),
                      config::webComponentsDownloadPage());
        modMain::subEndProgram(modMain::EndCause::Failure);
    }
    modErroHandling::subHandleError(error.description(), error.number(), error.line(),
                                    m_profile.name + QStringLiteral(".Form_Load"));
}

void ReportWindow::enableReportCommands(bool enable)
{
    m_controls->cmdAddReport->setEnabled(enable);
    m_controls->cmdRemoveReport->setEnabled(enable);
    m_controls->mnuSavePicture->setEnabled(enable);
    m_controls->mnuPrint->setEnabled(enable);
}

void ReportWindow::treReports_NodeClick(QTreeWidgetItem* node)
{
    common::handled(QStringLiteral("treReports_NodeClick"), common::Message::LastStep,
                    [&] { reportwindow::seams().handleNodeClick(node, this); });
}

void ReportWindow::subSetCaptions()
{
    common::handled(QStringLiteral("subSetCaptions"), common::Message::LastStep, [&] {
        modMain::subSetFormCaptions(*this);
        m_controls->placeCaptionedControls();
    });
}

void ReportWindow::LoadChart(pivot::PivotTable& ptable, chart::ChartSpace& cspace)
{
    chartfrompivot::LoadChart(ptable, cspace);
}

void ReportWindow::subFixGraphType()
{
    if (m_controls->cmbGraphType && m_controls->excChart)
        chartfrompivot::subFixGraphType(*m_controls->excChart, *m_controls->cmbGraphType);
}

void ReportWindow::bindChartToPivot()
{
    m_controls->excChart->setDataSource(PivotChartSource::of(*m_controls->pivReports));
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
    m_controls->imgBG->resize(m_inner->width(), m_controls->imgBG->height());
    // Before loading there is nothing to lay out.
    if (m_controls->pivReports)
        Form_Resize();
    m_controls->showWebLinkWhereItFits();
}

void ReportWindow::Form_Resize()
{
    handler("Form_Resize", [] { modMain::subFixControls(); });
}

void ReportWindow::opt_Click(const char* procName)
{
    handler(procName, [] { modMain::subFixControls(); });
}

// Shows or hides the rows and columns without values.
void ReportWindow::chkDisplayZeroValues_Click()
{
    platform::eventBoundary([this] {
        try {
            if (m_profile.zeroValuesStep)
                modErroHandling::subLogStep(QStringLiteral("Changing the option Display Zeros"));
            const bool display = m_controls->chkDisplayZeroValues->isChecked();
            pivot::PivotView& view = m_controls->pivReports->ActiveView();
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
    LoadChart(*m_controls->pivReports, *m_controls->excChart);
}

// The picture and the print-out show the pivot's result: a query still in hand lands first,
// while the window goes on.
void ReportWindow::mnuSavePicture_Click()
{
    m_controls->pivReports->afterResult(
        this, [] { handler("mnuSavePicture_Click", [] { reportwindow::seams().savePicture(QString(), 400, 600); }); });
}

void ReportWindow::mnuPrint_Click()
{
    m_controls->pivReports->afterResult(this,
                                        [] { handler("mnuPrint_Click", [] { reportwindow::seams().printOut(); }); });
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
    if (watched == m_controls->treReports && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_controls->treReports->currentItem()) {
            QTreeWidgetItem* node = m_controls->treReports->currentItem();
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
