#include "app/savereport/SaveReportControls.h"

#include "app/savereport/htmleditor/ctlHTLMEditor.h"
#include "common/NamedWidget.h"
#include "controls/unicombo/uniCombo.h"

#include <QButtonGroup>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace savereport {

using common::named;
using unicombo::uniCombo;

SaveReportControls::SaveReportControls(QDialog* form)
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

void SaveReportControls::layOut(QDialog* form)
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

}
