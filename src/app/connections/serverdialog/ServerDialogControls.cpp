#include "app/connections/serverdialog/ServerDialogControls.h"

#include "common/NamedWidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

namespace connections::serverdialog {

using common::named;

namespace {

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

}

ServerDialogControls::ServerDialogControls(QDialog* form)
{
    lblIntro = named<QLabel>(form, "lblIntro");
    lblIntro->setText(QStringLiteral(
        "Tessaline Tool for Excel can be used to either connect to .cub files or to an MS Analysis Services "
        "Server. No .cub file was found so you can now connect to a server instead:"));
    lblIntro->setWordWrap(true);
    imgLogo = named<QLabel>(form, "imgLogo");
    imgLogo->setPixmap(cubeLogo());
    lblServerName = named<QLabel>(form, "lblServerName");
    txtServer = named<QLineEdit>(form, "txtServer");
    chkIntegratedSecurity = named<QCheckBox>(form, "chkIntegratedSecurity");
    chkIntegratedSecurity->setChecked(true);
    lblUserName = named<QLabel>(form, "lblUserName");
    txtUserName = named<QLineEdit>(form, "txtUserName");
    lblPassword = named<QLabel>(form, "lblPassword");
    txtPassword = named<QLineEdit>(form, "txtPassword");
    txtPassword->setEchoMode(QLineEdit::Password);
    for (QWidget* credential : {static_cast<QWidget*>(lblUserName), static_cast<QWidget*>(txtUserName),
                                static_cast<QWidget*>(lblPassword), static_cast<QWidget*>(txtPassword)})
        credential->setEnabled(false);
    cmdGetDatabases = named<QPushButton>(form, "cmdGetDatabases");
    cmdGetDatabases->setEnabled(false);
    cmdGetDatabases->setAutoDefault(false);
    lblDatabase = named<QLabel>(form, "lblDatabase");
    cmbDatabase = named<QComboBox>(form, "cmbDatabase");
    cmbDatabase->setEnabled(false);
    lblXML6Missing = named<QLabel>(form, "lblXML6Missing");
    lblXML6Missing->setText(QStringLiteral(
        "* Microsoft XML Parser v 6 missing. You will NOT be able to connect to MS Analysis Server 2005."));
    lblOLEDBMissing = named<QLabel>(form, "lblOLEDBMissing");
    lblOLEDBMissing->setText(QStringLiteral("* Microsoft OLEDB Provider for MS Analysis Server v9 is missing. You "
                                            "will NOT be able to connect to MS Analysis Server 2005"));
    for (QLabel* warning : {lblXML6Missing, lblOLEDBMissing}) {
        warning->setWordWrap(true);
        warning->setCursor(Qt::PointingHandCursor);
        warning->setStyleSheet(QStringLiteral("color: #b00000;"));
        warning->hide();
    }
    cmdOK = named<QPushButton>(form, "cmdOK");
    cmdOK->setEnabled(false);
    cmdOK->setDefault(true);
    cmdCancel = named<QPushButton>(form, "cmdCancel");
    cmdCancel->setAutoDefault(false);

    layOut(form);
}

void ServerDialogControls::layOut(QDialog* form)
{
    auto* grid = new QGridLayout(form);
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
}

}
