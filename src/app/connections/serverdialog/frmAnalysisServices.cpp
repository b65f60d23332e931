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
    : QDialog(parent), m_controls(std::make_unique<ServerDialogControls>(this))
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
    connect(m_controls->chkIntegratedSecurity, &QCheckBox::clicked, this, [this] { chkIntegratedSecurity_Click(); });
    connect(m_controls->txtServer, &QLineEdit::textChanged, this, [this] { txtServer_Change(); });
    connect(m_controls->cmdGetDatabases, &QPushButton::clicked, this, [this] { cmdGetDatabases_Click(); });
    connect(m_controls->cmbDatabase, &QComboBox::currentIndexChanged, this, [this] { cmbDatabase_Click(); });
    connect(m_controls->cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(m_controls->cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    for (QLabel* warning : {m_controls->lblXML6Missing, m_controls->lblOLEDBMissing})
        warning->installEventFilter(this);
}

void frmAnalysisServices::Form_Load()
{
    subSetCaptions();
    m_controls->chkIntegratedSecurity->setAutoFillBackground(true);
    QPalette palette = m_controls->chkIntegratedSecurity->palette();
    palette.setColor(QPalette::Window, QColor(239, 239, 222));
    m_controls->chkIntegratedSecurity->setPalette(palette);

    common::ResumeNext skip;
    if (!skip.run([] { platform::ComponentRegistry::instance().createObject(kXmlParser); }))
        m_controls->lblXML6Missing->show();
    if (!modAPI::regDoes_Key_Exist(modAPI::HKEY_CLASSES_ROOT, QStringLiteral("MSOLAP.3")))
        m_controls->lblOLEDBMissing->show();
}

void frmAnalysisServices::subSetCaptions()
{
    using namespace modMultiLingual;
    m_controls->lblServerName->setText(LNGANALYSISSERVICES);
    m_controls->cmdGetDatabases->setText(LNGGETDATABASES);
    m_controls->lblDatabase->setText(LNGDATABASES);
    m_controls->cmdCancel->setText(LNGCANCEL);
    m_controls->cmdOK->setText(LNGOK);
    m_controls->chkIntegratedSecurity->setText(LNGINTEGRATEDSECURITY);
    m_controls->lblUserName->setText(LNGUSERNAME);
    m_controls->lblPassword->setText(LNGPASSWORD);
}

void frmAnalysisServices::chkIntegratedSecurity_Click()
{
    const bool typed = !m_controls->chkIntegratedSecurity->isChecked();
    m_controls->lblUserName->setEnabled(typed);
    m_controls->lblPassword->setEnabled(typed);
    m_controls->txtUserName->setEnabled(typed);
    m_controls->txtPassword->setEnabled(typed);
}

void frmAnalysisServices::txtServer_Change()
{
    m_controls->cmdGetDatabases->setEnabled(!m_controls->txtServer->text().isEmpty());
    // The databases listed belong to the server named when they were listed; kept, they
    // would pair another server with one of them in ServerName.txt.
    m_controls->cmbDatabase->clear();
}

void frmAnalysisServices::cmdGetDatabases_Click()
{
    const QString server = m_controls->txtServer->text();
    const bool trusted = m_controls->chkIntegratedSecurity->isChecked();
    const QString user = trusted ? QString() : m_controls->txtUserName->text();
    const QString password = trusted ? QString() : m_controls->txtPassword->text();
    setCursor(Qt::WaitCursor);
    m_controls->cmdGetDatabases->setEnabled(false);

    const QPointer<frmAnalysisServices> self(this);
    const std::optional<DatabaseListing> listing = listDatabasesWhileAnswering(server, user, password, *this);
    // Left while waiting, or asked about another server since: this answer is no one's.
    if (!listing || !self || !isVisible() || m_controls->txtServer->text() != server)
        return;
    unsetCursor();
    m_controls->cmdGetDatabases->setEnabled(!server.isEmpty());
    if (!listing->connected) {
        platform::services().messageBox->msgBox(
            QStringLiteral("Unable to find databases on the server ") + server + QStringLiteral("\r\n") + listing->why,
            platform::mb::vbOKOnly | platform::mb::vbCritical, modGlobals::gstrAppTitle);
        return;
    }
    m_controls->cmbDatabase->clear();
    m_controls->cmbDatabase->addItems(listing->databases);
    if (m_controls->cmbDatabase->count() > 0)
        m_controls->cmbDatabase->setCurrentIndex(0);
    m_controls->cmbDatabase->setEnabled(true);
}

void frmAnalysisServices::cmbDatabase_Click()
{
    if (!m_controls->cmbDatabase->currentText().isEmpty())
        m_controls->cmdOK->setEnabled(true);
}

void frmAnalysisServices::cmdOK_Click()
{
    // "ServerName.txt" keeps both names on one line, separated by a comma.
    if (holdsLineBreakOrComma(m_controls->txtServer->text())
        || holdsLineBreakOrComma(m_controls->cmbDatabase->currentText())) {
        platform::services().messageBox->msgBox(
            QCoreApplication::translate("connections",
                                        "The server name and the database name cannot contain a comma or "
                                        "a line break: ServerName.txt could not hold them."),
            platform::mb::vbOKOnly | platform::mb::vbExclamation, modGlobals::gstrAppTitle);
        return;
    }
    if (m_controls->cmbDatabase->currentText().isEmpty()) {
        platform::services().messageBox->msgBox(
            QCoreApplication::translate("connections", "Please list the databases of the server %1 and choose one.")
                .arg(m_controls->txtServer->text()),
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
        if (watched == m_controls->lblXML6Missing)
            lblXML6Missing_Click();
        else if (watched == m_controls->lblOLEDBMissing)
            lblOLEDBMissing_Click();
    }
    return QDialog::eventFilter(watched, event);
}

ServerChoice frmAnalysisServices::chosen() const
{
    ServerChoice choice{m_controls->txtServer->text(), m_controls->cmbDatabase->currentText(), QString(), QString()};
    if (!m_controls->chkIntegratedSecurity->isChecked()) {
        choice.userName = m_controls->txtUserName->text();
        choice.password = m_controls->txtPassword->text();
    }
    return choice;
}

QLabel* frmAnalysisServices::lblIntro() const
{
    return m_controls->lblIntro;
}
QLabel* frmAnalysisServices::imgLogo() const
{
    return m_controls->imgLogo;
}
QLabel* frmAnalysisServices::lblServerName() const
{
    return m_controls->lblServerName;
}
QLineEdit* frmAnalysisServices::txtServer() const
{
    return m_controls->txtServer;
}
QCheckBox* frmAnalysisServices::chkIntegratedSecurity() const
{
    return m_controls->chkIntegratedSecurity;
}
QLabel* frmAnalysisServices::lblUserName() const
{
    return m_controls->lblUserName;
}
QLineEdit* frmAnalysisServices::txtUserName() const
{
    return m_controls->txtUserName;
}
QLabel* frmAnalysisServices::lblPassword() const
{
    return m_controls->lblPassword;
}
QLineEdit* frmAnalysisServices::txtPassword() const
{
    return m_controls->txtPassword;
}
QPushButton* frmAnalysisServices::cmdGetDatabases() const
{
    return m_controls->cmdGetDatabases;
}
QLabel* frmAnalysisServices::lblDatabase() const
{
    return m_controls->lblDatabase;
}
QComboBox* frmAnalysisServices::cmbDatabase() const
{
    return m_controls->cmbDatabase;
}
QLabel* frmAnalysisServices::lblXML6Missing() const
{
    return m_controls->lblXML6Missing;
}
QLabel* frmAnalysisServices::lblOLEDBMissing() const
{
    return m_controls->lblOLEDBMissing;
}
QPushButton* frmAnalysisServices::cmdOK() const
{
    return m_controls->cmdOK;
}
QPushButton* frmAnalysisServices::cmdCancel() const
{
    return m_controls->cmdCancel;
}
}
