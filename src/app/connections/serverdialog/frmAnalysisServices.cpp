#include "app/connections/serverdialog/frmAnalysisServices.h"

#include "common/ProgramConfig.h"

#include "app/connections/serverdialog/ServerDatabases.h"
#include "app/connections/serverdialog/ServerDialogControls.h"
#include "app/state/modGlobals.h"
#include "common/ErrorBoundary.h"
#include "common/modAPI.h"
#include "common/subEndProgram.h"
#include "lang/modMultiLingual.h"
#include "platform/ComponentRegistry.h"
#include "platform/MessageBox.h"
#include "platform/ProcessEnd.h"
#include "platform/Services.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <optional>

namespace connections::serverdialog {

namespace {

const QString kXmlParser = QStringLiteral("Msxml2.DOMDocument.6.0");

bool holdsLineBreakOrComma(const QString& text)
{
    return text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

}

frmAnalysisServices::frmAnalysisServices(QWidget* parent)
    : QDialog(parent), m(std::make_unique<ServerDialogControls>(this))
{
    setObjectName(QStringLiteral("frmAnalysisServices"));
    setWindowTitle(QStringLiteral("MS Analysis Server"));
    setModal(true);
    setFont(QFont(QStringLiteral("Tahoma")));
    resize(460, sizeHint().height());
    connectControls();
    Form_Load();
}

frmAnalysisServices::~frmAnalysisServices() = default;

void frmAnalysisServices::connectControls()
{
    connect(m->chkIntegratedSecurity, &QCheckBox::clicked, this, [this] { chkIntegratedSecurity_Click(); });
    connect(m->txtServer, &QLineEdit::textChanged, this, [this] { txtServer_Change(); });
    connect(m->cmdGetDatabases, &QPushButton::clicked, this, [this] { cmdGetDatabases_Click(); });
    connect(m->cmbDatabase, &QComboBox::currentIndexChanged, this, [this] { cmbDatabase_Click(); });
    connect(m->cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(m->cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    for (QLabel* warning : {m->lblXML6Missing, m->lblOLEDBMissing})
        warning->installEventFilter(this);
}

void frmAnalysisServices::Form_Load()
{
    subSetCaptions();
    m->chkIntegratedSecurity->setAutoFillBackground(true);
    QPalette palette = m->chkIntegratedSecurity->palette();
    palette.setColor(QPalette::Window, QColor(239, 239, 222));
    m->chkIntegratedSecurity->setPalette(palette);

    common::ResumeNext skip;
    if (!skip.run([] { platform::ComponentRegistry::instance().createObject(kXmlParser); }))
        m->lblXML6Missing->show();
    if (!modAPI::regDoes_Key_Exist(modAPI::HKEY_CLASSES_ROOT, QStringLiteral("MSOLAP.3")))
        m->lblOLEDBMissing->show();
}

void frmAnalysisServices::subSetCaptions()
{
    using namespace modMultiLingual;
    m->lblServerName->setText(LNGANALYSISSERVICES);
    m->cmdGetDatabases->setText(LNGGETDATABASES);
    m->lblDatabase->setText(LNGDATABASES);
    m->cmdCancel->setText(LNGCANCEL);
    m->cmdOK->setText(LNGOK);
    m->chkIntegratedSecurity->setText(LNGINTEGRATEDSECURITY);
    m->lblUserName->setText(LNGUSERNAME);
    m->lblPassword->setText(LNGPASSWORD);
}

void frmAnalysisServices::chkIntegratedSecurity_Click()
{
    const bool typed = !m->chkIntegratedSecurity->isChecked();
    m->lblUserName->setEnabled(typed);
    m->lblPassword->setEnabled(typed);
    m->txtUserName->setEnabled(typed);
    m->txtPassword->setEnabled(typed);
}

void frmAnalysisServices::txtServer_Change()
{
    m->cmdGetDatabases->setEnabled(!m->txtServer->text().isEmpty());
    // The databases listed belong to the server named when they were listed; kept, they
    // would pair another server with one of them in ServerName.txt.
    m->cmbDatabase->clear();
}

void frmAnalysisServices::cmdGetDatabases_Click()
{
    const QString server = m->txtServer->text();
    const bool trusted = m->chkIntegratedSecurity->isChecked();
    const QString user = trusted ? QString() : m->txtUserName->text();
    const QString password = trusted ? QString() : m->txtPassword->text();
    setCursor(Qt::WaitCursor);
    m->cmdGetDatabases->setEnabled(false);

    const QPointer<frmAnalysisServices> self(this);
    const std::optional<DatabaseListing> listing = listDatabasesWhileAnswering(server, user, password, *this);
    // Left while waiting, or asked about another server since: this answer is no one's.
    if (!listing || !self || !isVisible() || m->txtServer->text() != server)
        return;
    unsetCursor();
    m->cmdGetDatabases->setEnabled(!server.isEmpty());
    if (!listing->connected) {
        platform::services().messageBox->msgBox(
            QStringLiteral("Unable to find databases on the server ") + server + QStringLiteral("\r\n") + listing->why,
            platform::mb::vbOKOnly | platform::mb::vbCritical, modGlobals::gstrAppTitle);
        return;
    }
    m->cmbDatabase->clear();
    m->cmbDatabase->addItems(listing->databases);
    if (m->cmbDatabase->count() > 0)
        m->cmbDatabase->setCurrentIndex(0);
    m->cmbDatabase->setEnabled(true);
}

void frmAnalysisServices::cmbDatabase_Click()
{
    if (!m->cmbDatabase->currentText().isEmpty())
        m->cmdOK->setEnabled(true);
}

void frmAnalysisServices::cmdOK_Click()
{
    // "ServerName.txt" keeps both names on one line, separated by a comma.
    if (holdsLineBreakOrComma(m->txtServer->text()) || holdsLineBreakOrComma(m->cmbDatabase->currentText())) {
        platform::services().messageBox->msgBox(
            QCoreApplication::translate("connections",
                                        "The server name and the database name cannot contain a comma or "
                                        "a line break: ServerName.txt could not hold them."),
            platform::mb::vbOKOnly | platform::mb::vbExclamation, modGlobals::gstrAppTitle);
        return;
    }
    if (m->cmbDatabase->currentText().isEmpty()) {
        platform::services().messageBox->msgBox(
            QCoreApplication::translate("connections", "Please list the databases of the server %1 and choose one.")
                .arg(m->txtServer->text()),
            platform::mb::vbOKOnly | platform::mb::vbExclamation, modGlobals::gstrAppTitle);
        return;
    }
    blnOK = true;
    accept();
}

void frmAnalysisServices::cmdCancel_Click()
{
    close();
}

void frmAnalysisServices::lblXML6Missing_Click()
{
    modAPI::subOpenUrl(componentsDownloadPage(), true);
}

void frmAnalysisServices::lblOLEDBMissing_Click()
{
    modAPI::subOpenUrl(componentsDownloadPage(), true);
}

QString frmAnalysisServices::componentsDownloadPage()
{
    return config::serverComponentsDownloadPage();
}

void frmAnalysisServices::reject()
{
    Form_Unload();
    QDialog::reject();
}

void frmAnalysisServices::Form_Unload()
{
    // While the program ends in order (the error report closing every window), that end
    // goes on: it releases what the run holds and sets the exit code.
    if (!blnOK && !modMain::programEnding())
        platform::eventBoundary([] { platform::services().processEnd->endProcess(0); });
}

bool frmAnalysisServices::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == m->lblXML6Missing)
            lblXML6Missing_Click();
        else if (watched == m->lblOLEDBMissing)
            lblOLEDBMissing_Click();
    }
    return QDialog::eventFilter(watched, event);
}

ServerChoice frmAnalysisServices::chosen() const
{
    ServerChoice choice{m->txtServer->text(), m->cmbDatabase->currentText(), QString(), QString()};
    if (!m->chkIntegratedSecurity->isChecked()) {
        choice.userName = m->txtUserName->text();
        choice.password = m->txtPassword->text();
    }
    return choice;
}

QLabel* frmAnalysisServices::lblIntro() const
{
    return m->lblIntro;
}
QLabel* frmAnalysisServices::imgLogo() const
{
    return m->imgLogo;
}
QLabel* frmAnalysisServices::lblServerName() const
{
    return m->lblServerName;
}
QLineEdit* frmAnalysisServices::txtServer() const
{
    return m->txtServer;
}
QCheckBox* frmAnalysisServices::chkIntegratedSecurity() const
{
    return m->chkIntegratedSecurity;
}
QLabel* frmAnalysisServices::lblUserName() const
{
    return m->lblUserName;
}
QLineEdit* frmAnalysisServices::txtUserName() const
{
    return m->txtUserName;
}
QLabel* frmAnalysisServices::lblPassword() const
{
    return m->lblPassword;
}
QLineEdit* frmAnalysisServices::txtPassword() const
{
    return m->txtPassword;
}
QPushButton* frmAnalysisServices::cmdGetDatabases() const
{
    return m->cmdGetDatabases;
}
QLabel* frmAnalysisServices::lblDatabase() const
{
    return m->lblDatabase;
}
QComboBox* frmAnalysisServices::cmbDatabase() const
{
    return m->cmbDatabase;
}
QLabel* frmAnalysisServices::lblXML6Missing() const
{
    return m->lblXML6Missing;
}
QLabel* frmAnalysisServices::lblOLEDBMissing() const
{
    return m->lblOLEDBMissing;
}
QPushButton* frmAnalysisServices::cmdOK() const
{
    return m->cmdOK;
}
QPushButton* frmAnalysisServices::cmdCancel() const
{
    return m->cmdCancel;
}
}
