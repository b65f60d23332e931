#include "app/savereport/frmSaveReport.h"

#include "app/reportwindow/ReportWindow.h"
#include "app/reports/cOLAPReport.h"
#include "app/reports/cReportsDic.h"
#include "app/state/modGlobals.h"
#include "app/savereport/ReportSaver.h"
#include "app/savereport/htmleditor/ctlHTLMEditor.h"
#include "chart/ChartSpace.h"
#include "common/ErrorBoundary.h"
#include "common/modScriptingDic.h"
#include "controls/unicombo/uniCombo.h"
#include "lang/modGenericLanguages.h"
#include "lang/modMultiLingual.h"
#include "pivot/PivotTable.h"
#include "platform/ProcessEnd.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace state::modGlobals;

namespace savereport {

namespace {

template<class F>
void handler(const char* procName, F&& work)
{
    platform::eventBoundary([&] { common::handled(QString::fromLatin1(procName), common::Message::LastStep, work); });
}

template<class T, class... Args>
T* named(QWidget* parent, const char* name, Args&&... args)
{
    auto* control = new T(std::forward<Args>(args)..., parent);
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

reportwindow::ReportWindow* reportWindow()
{
    return qobject_cast<reportwindow::ReportWindow*>(gfrmStats.data());
}

// What the report window shows, as its components keep it. The version 9 chart keeps no
// state of its own (it follows the pivot table); its type and the list entry stand for it.
ViewState viewOfReportWindow()
{
    ViewState view;
    reportwindow::ReportWindow* window = reportWindow();
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

struct frmSaveReport::Controls
{
    QLabel* imgBG = nullptr;
    QLabel* lblReportName = nullptr;
    uniCombo* cmbReportName = nullptr;
    QLabel* lblExplainReplace = nullptr;
    QLabel* lblReportCategory = nullptr;
    uniCombo* cmbSuperCategory = nullptr;
    QLabel* lblReportType = nullptr;
    uniCombo* cmbReportType = nullptr;
    QRadioButton* optBoth = nullptr;
    QRadioButton* optPivot = nullptr;
    QRadioButton* optGraph = nullptr;
    QLabel* lblDescription = nullptr;
    htmleditor::ctlHTLMEditor* ctlReportDescription = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

    // The controls with their design-time captions, which are phrase keys.
    explicit Controls(QDialog* form)
    {
        imgBG = named<QLabel>(form, "imgBG");
        imgBG->setPixmap(QIcon(QStringLiteral(":/images/background.png")).pixmap(QSize(64, 40)));
        imgBG->setScaledContents(true);
        imgBG->setFixedHeight(12);
        lblReportName = named<QLabel>(form, "lblReportName", QStringLiteral("LNGREPORTNAME"));
        cmbReportName = named<uniCombo>(form, "cmbReportName");
        lblExplainReplace = named<QLabel>(form, "lblExplainReplace", QStringLiteral("LNGNAMEWILLREPLACEEXISTINGREPORT"));
        lblExplainReplace->setWordWrap(true);
        lblExplainReplace->setStyleSheet(QStringLiteral("color: #a03000;"));
        // The warning comes and goes as the user types; the fields below stay where they are.
        QSizePolicy keepPlace = lblExplainReplace->sizePolicy();
        keepPlace.setRetainSizeWhenHidden(true);
        lblExplainReplace->setSizePolicy(keepPlace);
        lblExplainReplace->hide();
        lblReportCategory = named<QLabel>(form, "lblReportCategory", QStringLiteral("LNGREPORTCATEGORY"));
        cmbSuperCategory = named<uniCombo>(form, "cmbSuperCategory");
        lblReportType = named<QLabel>(form, "lblReportType", QStringLiteral("LNGREPORTTYPE"));
        cmbReportType = named<uniCombo>(form, "cmbReportType");
        optBoth = named<QRadioButton>(form, "optBoth", QStringLiteral("LNGBOTH"));
        optPivot = named<QRadioButton>(form, "optPivot", QStringLiteral("LNGPIVOT"));
        optGraph = named<QRadioButton>(form, "optGraph", QStringLiteral("LNGGRAPH"));
        auto* viewMode = new QButtonGroup(form);
        for (QRadioButton* option : {optBoth, optPivot, optGraph})
            viewMode->addButton(option);
        lblDescription = named<QLabel>(form, "lblDescription", QStringLiteral("LNGDESCRIPTION"));
        lblDescription->setToolTip(QStringLiteral("LNGUSEHTMLORPLAINTEXT"));
        ctlReportDescription = named<htmleditor::ctlHTLMEditor>(form, "ctlReportDescription");
        ctlReportDescription->setMinimumSize(420, 200);
        OKButton = named<QPushButton>(form, "OKButton", QStringLiteral("LNGOK"));
        OKButton->setDefault(true);
        CancelButton = named<QPushButton>(form, "CancelButton", QStringLiteral("LNGCANCEL"));
        layOut(form);
    }

    void layOut(QDialog* form)
    {
        auto* fields = new QGridLayout;
        fields->setColumnStretch(1, 1);
        fields->setHorizontalSpacing(12);
        fields->addWidget(lblReportName, 0, 0);
        fields->addWidget(cmbReportName, 0, 1);
        fields->addWidget(lblExplainReplace, 1, 1);
        fields->addWidget(lblReportCategory, 2, 0);
        fields->addWidget(cmbSuperCategory, 2, 1);
        fields->addWidget(lblReportType, 3, 0);
        fields->addWidget(cmbReportType, 3, 1);
        auto* options = new QHBoxLayout;
        for (QRadioButton* option : {optBoth, optPivot, optGraph})
            options->addWidget(option);
        options->addStretch();
        fields->addLayout(options, 4, 1);

        auto* buttons = new QHBoxLayout;
        buttons->addStretch();
        buttons->addWidget(OKButton);
        buttons->addWidget(CancelButton);

        auto* body = new QVBoxLayout;
        body->addLayout(fields);
        body->addSpacing(6);
        body->addWidget(lblDescription);
        body->addWidget(ctlReportDescription, 1);
        body->addLayout(buttons);

        auto* page = new QVBoxLayout(form);
        page->setContentsMargins(0, 0, 0, 0);
        page->setSpacing(0);
        page->addWidget(imgBG);
        auto* margins = new QVBoxLayout;
        margins->setContentsMargins(12, 10, 12, 12);
        margins->addLayout(body);
        page->addLayout(margins, 1);
    }
};

frmSaveReport::frmSaveReport(QWidget* owner)
    : QDialog(owner)
    , m(std::make_unique<Controls>(this))
{
    setObjectName(QStringLiteral("frmSaveReport"));
    connect(m->cmbReportName, &uniCombo::Click, this, [this] { cmbReportName_Change("cmbReportName_Click"); });
    connect(m->cmbReportName, &uniCombo::EditChange, this,
            [this] { cmbReportName_Change("cmbReportName_EditChange"); });
    connect(m->OKButton, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    connect(m->CancelButton, &QPushButton::clicked, this, &QDialog::reject);
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
        for (QRadioButton* option : {m->optBoth, m->optPivot, m->optGraph}) {
            QPalette colour = option->palette();
            colour.setColor(QPalette::Window, QColor(231, 227, 222));
            option->setPalette(colour);
            option->setAutoFillBackground(true);
        }
        subFillDropDowns();
        reportwindow::ReportWindow* window = reportWindow();
        if (window && window->optBoth()->isChecked())
            m->optBoth->setChecked(true);
        else if (window && window->optPivot()->isChecked())
            m->optPivot->setChecked(true);
        else
            m->optGraph->setChecked(true);
        subFillDropDowns();
        subSetReportValues();
    });
}

void frmSaveReport::subFillDropDowns()
{
    common::handled(QStringLiteral("frmSaveReport.subFillDropDowns"), common::Message::LastStep, [this] {
        for (uniCombo* list : {m->cmbReportName, m->cmbSuperCategory, m->cmbReportType})
            list->Clear();
        auto categories = modScriptingDic::fncCreateDic<QString>();
        auto types = modScriptingDic::fncCreateDic<QString>();
        if (!gobjReportsDic)
            return;
        for (const auto& report : gobjReportsDic->dicViews.Items()) {
            if (report->CubeName != gstrCubeName)
                continue;
            m->cmbReportName->AddItem(report->ViewName);
            if (!report->ReportCategory.isEmpty() && !categories.Exists(report->ReportCategory)) {
                categories.Add(report->ReportCategory, report->ReportCategory);
                m->cmbSuperCategory->AddItem(report->ReportCategory);
            }
            if (!report->ReportType.isEmpty() && !types.Exists(report->ReportType)) {
                types.Add(report->ReportType, report->ReportType);
                m->cmbReportType->AddItem(report->ReportType);
            }
        }
    });
}

void frmSaveReport::subSetReportValues()
{
    common::handled(QStringLiteral("frmSaveReport.subSetReportValues"), common::Message::LastStep, [this] {
        const reports::cOLAPReport& report = *gobjReport;
        if (!report.ViewName.isEmpty())
            m->cmbReportName->setText(report.ViewName);
        if (!report.ReportType.isEmpty())
            m->cmbReportType->setText(report.ReportType);
        if (!report.ReportCategory.isEmpty())
            m->cmbSuperCategory->setText(report.ReportCategory);
        if (!report.ReportDescription.isEmpty())
            m->ctlReportDescription->setHTML(report.ReportDescription);
    });
}

void frmSaveReport::cmbReportName_Change(const char* handlerName)
{
    handler(handlerName, [this] { m->lblExplainReplace->setVisible(reportExists(m->cmbReportName->Text())); });
}

void frmSaveReport::OKButton_Click()
{
    handler("frmSaveReport.OKButton_Click", [this] {
        SaveChoice choice;
        choice.name = m->cmbReportName->Text();
        choice.category = m->cmbSuperCategory->Text();
        choice.type = m->cmbReportType->Text();
        choice.description = m->ctlReportDescription->HTML();
        choice.viewType = m->optBoth->isChecked() ? 1 : m->optGraph->isChecked() ? 3 : 2;
        if (saveCurrentView(choice, viewOfReportWindow()) == SaveOutcome::Saved)
            accept();
    });
}

uniCombo* frmSaveReport::cmbReportName() const { return m->cmbReportName; }
uniCombo* frmSaveReport::cmbSuperCategory() const { return m->cmbSuperCategory; }
uniCombo* frmSaveReport::cmbReportType() const { return m->cmbReportType; }
QLabel* frmSaveReport::lblExplainReplace() const { return m->lblExplainReplace; }
QRadioButton* frmSaveReport::optBoth() const { return m->optBoth; }
QRadioButton* frmSaveReport::optPivot() const { return m->optPivot; }
QRadioButton* frmSaveReport::optGraph() const { return m->optGraph; }
htmleditor::ctlHTLMEditor* frmSaveReport::ctlReportDescription() const { return m->ctlReportDescription; }
QPushButton* frmSaveReport::OKButton() const { return m->OKButton; }
QPushButton* frmSaveReport::CancelButton() const { return m->CancelButton; }

void showSaveReport(QWidget* owner)
{
    frmSaveReport dialog(owner);
    dialog.exec();
}

}
