#pragma once

class QCheckBox;
class QComboBox;
class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;

namespace connections::serverdialog {

// The server dialog's controls, made in the dialog and laid out there, each under its
// object name, in the state the dialog opens with: the trusted sign-in chosen, the sign-in
// fields, the list button, the database list and OK disabled, the warnings hidden. The
// dialog owns them as its children and watches the warnings' clicks; this record only
// points at them.
struct ServerDialogControls
{
    explicit ServerDialogControls(QDialog* form);

    QLabel* lblIntro = nullptr;
    QLabel* imgLogo = nullptr;
    QLabel* lblServerName = nullptr;
    QLineEdit* txtServer = nullptr;
    QCheckBox* chkIntegratedSecurity = nullptr;
    QLabel* lblUserName = nullptr;
    QLineEdit* txtUserName = nullptr;
    QLabel* lblPassword = nullptr;
    QLineEdit* txtPassword = nullptr;
    QPushButton* cmdGetDatabases = nullptr;
    QLabel* lblDatabase = nullptr;
    QComboBox* cmbDatabase = nullptr;
    QLabel* lblXML6Missing = nullptr;
    QLabel* lblOLEDBMissing = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

private:
    void layOut(QDialog* form);
};

}
