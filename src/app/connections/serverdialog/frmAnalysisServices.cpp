#include "app/connections/serverdialog/frmAnalysisServices.h"

#include "common/ProgramConfig.h"

#include "app/connections/modConnections.h"
#include "app/state/modGlobals.h"
#include "common/ErrorBoundary.h"
#include "common/modAPI.h"
#include "common/subEndProgram.h"
#include "lang/modMultiLingual.h"
#include "olap/Connection.h"
#include "platform/ComponentRegistry.h"
#include "platform/MessageBox.h"
#include "platform/ProcessEnd.h"
#include "platform/Services.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QThread>
#include <memory>

namespace connections::serverdialog {

namespace {

const QString kXmlParser = QStringLiteral("Msxml2.DOMDocument.6.0");

struct DatabaseListing
{
    bool connected = false;
    QString why;
    QStringList databases;
};

// Signs in to the server and lists its databases; a failure while listing keeps what was read
// so far. Runs on a thread of its own and touches no control.
DatabaseListing listDatabases(const QString& server, const QString& user, const QString& password)
{
    DatabaseListing listing;
    olap::Connection cn;
    listing.connected = modConnections::GetMOLAPConnection(cn, server, QString(), user, password, &listing.why);
    if (listing.connected) {
        common::ResumeNext skip;
        skip.run([&] {
            for (olap::Recordset catalogs = cn.OpenSchema(olap::Connection::adSchemaCatalogs); !catalogs.Eof();
                 catalogs.MoveNext())
                listing.databases << catalogs.Fields(QStringLiteral("CATALOG_NAME")).toString();
        });
    }
    return listing;
}

QPixmap cubeLogo()
{
    QPixmap logo(48, 48);
    logo.fill(Qt::transparent);
    QPainter painter(&logo);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 70, 120), 1.5));
    const QPointF front[] = {{6, 16}, {30, 16}, {30, 42}, {6, 42}};
    const QPointF top[] = {{6, 16}, {18, 6}, {42, 6}, {30, 16}};
    const QPointF side[] = {{30, 16}, {42, 6}, {42, 32}, {30, 42}};
    painter.setBrush(QColor(120, 160, 220));
    painter.drawPolygon(front, 4);
    painter.setBrush(QColor(170, 200, 240));
    painter.drawPolygon(top, 4);
    painter.setBrush(QColor(80, 120, 190));
    painter.drawPolygon(side, 4);
    return logo;
}

template<class W>
W* named(QWidget* parent, const char* name)
{
    auto* widget = new W(parent);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

bool holdsLineBreakOrComma(const QString& text)
{
    return text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

}

frmAnalysisServices::frmAnalysisServices(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAnalysisServices"));
    setWindowTitle(QStringLiteral("MS Analysis Server"));
    setModal(true);
    setFont(QFont(QStringLiteral("Tahoma")));
    buildControls();
    Form_Load();
}

void frmAnalysisServices::buildControls()
{
    lblIntro = named<QLabel>(this, "lblIntro");
    lblIntro->setText(QStringLiteral(
        "Tessaline Tool for Excel can be used to either connect to .cub files or to an MS Analysis Services "
        "Server. No .cub file was found so you can now connect to a server instead:"));
    lblIntro->setWordWrap(true);
    imgLogo = named<QLabel>(this, "imgLogo");
    imgLogo->setPixmap(cubeLogo());
    lblServerName = named<QLabel>(this, "lblServerName");
    txtServer = named<QLineEdit>(this, "txtServer");
    chkIntegratedSecurity = named<QCheckBox>(this, "chkIntegratedSecurity");
    chkIntegratedSecurity->setChecked(true);
    lblUserName = named<QLabel>(this, "lblUserName");
    txtUserName = named<QLineEdit>(this, "txtUserName");
    lblPassword = named<QLabel>(this, "lblPassword");
    txtPassword = named<QLineEdit>(this, "txtPassword");
    txtPassword->setEchoMode(QLineEdit::Password);
    for (QWidget* credential : {static_cast<QWidget*>(lblUserName), static_cast<QWidget*>(txtUserName),
                                static_cast<QWidget*>(lblPassword), static_cast<QWidget*>(txtPassword)})
        credential->setEnabled(false);
    cmdGetDatabases = named<QPushButton>(this, "cmdGetDatabases");
    cmdGetDatabases->setEnabled(false);
    cmdGetDatabases->setAutoDefault(false);
    lblDatabase = named<QLabel>(this, "lblDatabase");
    cmbDatabase = named<QComboBox>(this, "cmbDatabase");
    cmbDatabase->setEnabled(false);
    lblXML6Missing = named<QLabel>(this, "lblXML6Missing");
    lblXML6Missing->setText(QStringLiteral(
        "* Microsoft XML Parser v 6 missing. You will NOT be able to connect to MS Analysis Server 2005."));
    lblOLEDBMissing = named<QLabel>(this, "lblOLEDBMissing");
    lblOLEDBMissing->setText(QStringLiteral("* Microsoft OLEDB Provider for MS Analysis Server v9 is missing. You "
                                            "will NOT be able to connect to MS Analysis Server 2005"));
    for (QLabel* warning : {lblXML6Missing, lblOLEDBMissing}) {
        warning->setWordWrap(true);
        warning->setCursor(Qt::PointingHandCursor);
        warning->setStyleSheet(QStringLiteral("color: #b00000;"));
        warning->installEventFilter(this);
        warning->hide();
    }
    cmdOK = named<QPushButton>(this, "cmdOK");
    cmdOK->setEnabled(false);
    cmdOK->setDefault(true);
    cmdCancel = named<QPushButton>(this, "cmdCancel");
    cmdCancel->setAutoDefault(false);

    auto* grid = new QGridLayout(this);
    grid->addWidget(imgLogo, 0, 0, Qt::AlignTop);
    grid->addWidget(lblIntro, 0, 1, 1, 3);
    grid->addWidget(lblServerName, 1, 0, 1, 2);
    grid->addWidget(txtServer, 1, 2, 1, 2);
    grid->addWidget(chkIntegratedSecurity, 2, 0, 1, 4);
    grid->addWidget(lblUserName, 3, 0, 1, 2);
    grid->addWidget(txtUserName, 3, 2, 1, 2);
    grid->addWidget(lblPassword, 4, 0, 1, 2);
    grid->addWidget(txtPassword, 4, 2, 1, 2);
    grid->addWidget(cmdGetDatabases, 5, 2, 1, 2, Qt::AlignRight);
    grid->addWidget(lblDatabase, 6, 0, 1, 2);
    grid->addWidget(cmbDatabase, 6, 2, 1, 2);
    grid->addWidget(lblXML6Missing, 7, 0, 1, 4);
    grid->addWidget(lblOLEDBMissing, 8, 0, 1, 4);
    grid->addWidget(cmdOK, 9, 2);
    grid->addWidget(cmdCancel, 9, 3);
    grid->setColumnStretch(2, 1);
    resize(460, sizeHint().height());

    connect(chkIntegratedSecurity, &QCheckBox::clicked, this, [this] { chkIntegratedSecurity_Click(); });
    connect(txtServer, &QLineEdit::textChanged, this, [this] { txtServer_Change(); });
    connect(cmdGetDatabases, &QPushButton::clicked, this, [this] { cmdGetDatabases_Click(); });
    connect(cmbDatabase, &QComboBox::currentIndexChanged, this, [this] { cmbDatabase_Click(); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
}

void frmAnalysisServices::Form_Load()
{
    subSetCaptions();
    chkIntegratedSecurity->setAutoFillBackground(true);
    QPalette palette = chkIntegratedSecurity->palette();
    palette.setColor(QPalette::Window, QColor(239, 239, 222));
    chkIntegratedSecurity->setPalette(palette);

    common::ResumeNext skip;
    if (!skip.run([] { platform::ComponentRegistry::instance().createObject(kXmlParser); }))
        lblXML6Missing->show();
    if (!modAPI::regDoes_Key_Exist(modAPI::HKEY_CLASSES_ROOT, QStringLiteral("MSOLAP.3")))
        lblOLEDBMissing->show();
}

void frmAnalysisServices::subSetCaptions()
{
    using namespace modMultiLingual;
    lblServerName->setText(LNGANALYSISSERVICES);
    cmdGetDatabases->setText(LNGGETDATABASES);
    lblDatabase->setText(LNGDATABASES);
    cmdCancel->setText(LNGCANCEL);
    cmdOK->setText(LNGOK);
    chkIntegratedSecurity->setText(LNGINTEGRATEDSECURITY);
    lblUserName->setText(LNGUSERNAME);
    lblPassword->setText(LNGPASSWORD);
}

void frmAnalysisServices::chkIntegratedSecurity_Click()
{
    const bool typed = !chkIntegratedSecurity->isChecked();
    lblUserName->setEnabled(typed);
    lblPassword->setEnabled(typed);
    txtUserName->setEnabled(typed);
    txtPassword->setEnabled(typed);
}

void frmAnalysisServices::txtServer_Change()
{
    cmdGetDatabases->setEnabled(!txtServer->text().isEmpty());
    // The databases listed belong to the server named when they were listed; kept, they
    // would pair another server with one of them in ServerName.txt.
    cmbDatabase->clear();
}

void frmAnalysisServices::cmdGetDatabases_Click()
{
    const QString server = txtServer->text();
    const bool trusted = chkIntegratedSecurity->isChecked();
    const QString user = trusted ? QString() : txtUserName->text();
    const QString password = trusted ? QString() : txtPassword->text();
    setCursor(Qt::WaitCursor);
    cmdGetDatabases->setEnabled(false);

    // The server may take its time, or never answer: the wait runs on a thread of its own, so
    // that the dialog answers meanwhile and Cancel ends it.
    auto listing = std::make_shared<DatabaseListing>();
    QThread* worker = QThread::create([listing, server, user, password] {
        *listing = listDatabases(server, user, password);
    });
    QEventLoop wait;
    connect(worker, &QThread::finished, &wait, &QEventLoop::quit);
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    connect(this, &QDialog::finished, &wait, &QEventLoop::quit);
    const QPointer<frmAnalysisServices> self(this);
    worker->start();
    wait.exec();
    // Left while waiting, or asked about another server since: this answer is no one's.
    if (!self || !isVisible() || txtServer->text() != server)
        return;
    unsetCursor();
    cmdGetDatabases->setEnabled(!server.isEmpty());
    if (!listing->connected) {
        platform::services().messageBox->msgBox(
            QStringLiteral("Unable to find databases on the server ") + server + QStringLiteral("\r\n") + listing->why,
            platform::mb::vbOKOnly | platform::mb::vbCritical, modGlobals::gstrAppTitle);
        return;
    }
    cmbDatabase->clear();
    cmbDatabase->addItems(listing->databases);
    if (cmbDatabase->count() > 0)
        cmbDatabase->setCurrentIndex(0);
    cmbDatabase->setEnabled(true);
}

void frmAnalysisServices::cmbDatabase_Click()
{
    if (!cmbDatabase->currentText().isEmpty())
        cmdOK->setEnabled(true);
}

void frmAnalysisServices::cmdOK_Click()
{
    // "ServerName.txt" keeps both names on one line, separated by a comma.
    if (holdsLineBreakOrComma(txtServer->text()) || holdsLineBreakOrComma(cmbDatabase->currentText())) {
        platform::services().messageBox->msgBox(
            QCoreApplication::translate("connections",
                                        "The server name and the database name cannot contain a comma or "
                                        "a line break: ServerName.txt could not hold them."),
            platform::mb::vbOKOnly | platform::mb::vbExclamation, modGlobals::gstrAppTitle);
        return;
    }
    if (cmbDatabase->currentText().isEmpty()) {
        platform::services().messageBox->msgBox(
            QCoreApplication::translate("connections", "Please list the databases of the server %1 and choose one.")
                .arg(txtServer->text()),
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
        if (watched == lblXML6Missing)
            lblXML6Missing_Click();
        else if (watched == lblOLEDBMissing)
            lblOLEDBMissing_Click();
    }
    return QDialog::eventFilter(watched, event);
}

}
