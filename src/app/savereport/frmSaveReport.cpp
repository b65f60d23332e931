#include "app/savereport/frmSaveReport.h"

#include "app/reports/cOLAPReport.h"
#include "app/reports/cReportsDic.h"
#include "app/reportwindow/ReportWindowView.h"
#include "app/savereport/ReportSaver.h"
#include "app/savereport/SaveReportControls.h"
#include "app/savereport/htmleditor/ctlHTLMEditor.h"
#include "app/state/modGlobals.h"
#include "chart/ChartSpace.h"
#include "common/ErrorBoundary.h"
#include "common/modScriptingDic.h"
#include "controls/unicombo/uniCombo.h"
#include "lang/modGenericLanguages.h"
#include "lang/modMultiLingual.h"
#include "pivot/PivotTable.h"
#include "platform/ProcessEnd.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

using namespace modGlobals;
using unicombo::uniCombo;

namespace savereport {

using common::handler;

namespace {

// What the report window shows, as its components keep it. The version 9 chart keeps no
// state of its own (it follows the pivot table); its type and the list entry stand for it.
ViewState viewOfReportWindow()
{
    ViewState view;
    reportwindow::ReportWindowView* window = reportwindow::windowInUse();
    if (!window || !window->pivReports() || !window->excChart())
        return view;
    view.pivotXml = window->pivReports()->XMLData();
    if (gbOWCXP) {
        view.graphXml = window->excChart()->XMLData();
        return view;
    }
    if (window->excChart()->Charts().Count() > 0)
        view.graphType = qint16(window->excChart()->Charts().Item(0).Type());
    view.graphListIndex = window->cmbGraphType() ? qint16(window->cmbGraphType()->currentIndex()) : qint16(-1);
    return view;
}

}

frmSaveReport::frmSaveReport(QWidget* owner) : QDialog(owner), m_controls(std::make_unique<SaveReportControls>(this))
{
    setObjectName(QStringLiteral("frmSaveReport"));
    connect(m_controls->cmbReportName, &uniCombo::Click, this, [this] { cmbReportName_Change("cmbReportName_Click"); });
    connect(m_controls->cmbReportName, &uniCombo::EditChange, this,
            [this] { cmbReportName_Change("cmbReportName_EditChange"); });
    connect(m_controls->OKButton, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    connect(m_controls->CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    Form_Load();
}

frmSaveReport::~frmSaveReport() = default;

void frmSaveReport::Form_Load()
{
    handler("frmSaveReport.Form_Load", [this] {
        setWindowTitle(modMultiLingual::LNGSAVEREPORT);
        if (!gobjReport)
            gobjReport = std::make_shared<reports::cOLAPReport>();
        modGenericLanguages::subTranslateControls(this);
        for (QRadioButton* option : {m_controls->optBoth, m_controls->optPivot, m_controls->optGraph}) {
            QPalette colour = option->palette();
            colour.setColor(QPalette::Window, QColor(231, 227, 222));
            option->setPalette(colour);
            option->setAutoFillBackground(true);
        }
        subFillDropDowns();
        reportwindow::ReportWindowView* window = reportwindow::windowInUse();
        if (window && window->optBoth()->isChecked())
            m_controls->optBoth->setChecked(true);
        else if (window && window->optPivot()->isChecked())
            m_controls->optPivot->setChecked(true);
        else
            m_controls->optGraph->setChecked(true);
        subFillDropDowns();
        subSetReportValues();
    });
}

void frmSaveReport::subFillDropDowns()
{
    common::handled(QStringLiteral("frmSaveReport.subFillDropDowns"), common::Message::LastStep, [this] {
        for (uniCombo* list : {m_controls->cmbReportName, m_controls->cmbSuperCategory, m_controls->cmbReportType})
            list->Clear();
        auto categories = modScriptingDic::fncCreateDic<QString>();
        auto types = modScriptingDic::fncCreateDic<QString>();
        if (!gobjReportsDic)
            return;
        for (const auto& report : gobjReportsDic->dicViews.Items()) {
            if (report->CubeName != gstrCubeName)
                continue;
            m_controls->cmbReportName->AddItem(report->ViewName);
            if (!report->ReportCategory.isEmpty() && !categories.Exists(report->ReportCategory)) {
                categories.Add(report->ReportCategory, report->ReportCategory);
                m_controls->cmbSuperCategory->AddItem(report->ReportCategory);
            }
            if (!report->ReportType.isEmpty() && !types.Exists(report->ReportType)) {
                types.Add(report->ReportType, report->ReportType);
                m_controls->cmbReportType->AddItem(report->ReportType);
            }
        }
    });
}

void frmSaveReport::subSetReportValues()
{
    common::handled(QStringLiteral("frmSaveReport.subSetReportValues"), common::Message::LastStep, [this] {
        const reports::cOLAPReport& report = *gobjReport;
        if (!report.ViewName.isEmpty())
            m_controls->cmbReportName->setText(report.ViewName);
        if (!report.ReportType.isEmpty())
            m_controls->cmbReportType->setText(report.ReportType);
        if (!report.ReportCategory.isEmpty())
            m_controls->cmbSuperCategory->setText(report.ReportCategory);
        m_controls->ctlReportDescription->setDescribedReport(report.ViewName);
        if (!report.ReportDescription.isEmpty())
            m_controls->ctlReportDescription->setHTML(report.ReportDescription);
    });
}

void frmSaveReport::cmbReportName_Change(const char* handlerName)
{
    handler(handlerName,
            [this] { m_controls->lblExplainReplace->setVisible(reportExists(m_controls->cmbReportName->Text())); });
}

void frmSaveReport::OKButton_Click()
{
    handler("frmSaveReport.OKButton_Click", [this] {
        SaveChoice choice;
        choice.name = m_controls->cmbReportName->Text();
        choice.category = m_controls->cmbSuperCategory->Text();
        choice.type = m_controls->cmbReportType->Text();
        choice.description = m_controls->ctlReportDescription->HTML();
        choice.viewType = m_controls->optBoth->isChecked() ? 1 : m_controls->optGraph->isChecked() ? 3 : 2;
        if (saveCurrentView(choice, viewOfReportWindow()) == SaveOutcome::Saved)
            accept();
    });
}

uniCombo* frmSaveReport::cmbReportName() const
{
    return m_controls->cmbReportName;
}
uniCombo* frmSaveReport::cmbSuperCategory() const
{
    return m_controls->cmbSuperCategory;
}
uniCombo* frmSaveReport::cmbReportType() const
{
    return m_controls->cmbReportType;
}
QLabel* frmSaveReport::lblExplainReplace() const
{
    return m_controls->lblExplainReplace;
}
QRadioButton* frmSaveReport::optBoth() const
{
    return m_controls->optBoth;
}
QRadioButton* frmSaveReport::optPivot() const
{
    return m_controls->optPivot;
}
QRadioButton* frmSaveReport::optGraph() const
{
    return m_controls->optGraph;
}
htmleditor::ctlHTLMEditor* frmSaveReport::ctlReportDescription() const
{
    return m_controls->ctlReportDescription;
}
QPushButton* frmSaveReport::OKButton() const
{
    return m_controls->OKButton;
}
QPushButton* frmSaveReport::CancelButton() const
{
    return m_controls->CancelButton;
}

void showSaveReport(QWidget* owner)
{
    frmSaveReport dialog(owner);
    dialog.exec();
}

}
