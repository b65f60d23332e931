#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace connections::serverdialog {

// The dialog in which the user names the cube server and picks one of its catalogs, when
// the data folder holds neither cube files nor "ServerName.txt". Leaving it any other way
// than OK ends the program.
class frmAnalysisServices : public QDialog
{
    Q_OBJECT
public:
    explicit frmAnalysisServices(QWidget* parent = nullptr);

    void subSetCaptions();

    // Event handlers, also what tests drive.
    void chkIntegratedSecurity_Click();
    void txtServer_Change();
    void cmdGetDatabases_Click();
    void cmbDatabase_Click();
    void cmdOK_Click();
    void cmdCancel_Click();
    void lblXML6Missing_Click();
    void lblOLEDBMissing_Click();

    // The controls; the caller reads txtServer and cmbDatabase after OK.
    QLabel* lblIntro;
    QLabel* imgLogo;
    QLabel* lblServerName;
    QLineEdit* txtServer;
    QCheckBox* chkIntegratedSecurity;
    QLabel* lblUserName;
    QLineEdit* txtUserName;
    QLabel* lblPassword;
    QLineEdit* txtPassword;
    QPushButton* cmdGetDatabases;
    QLabel* lblDatabase;
    QComboBox* cmbDatabase;
    QLabel* lblXML6Missing;
    QLabel* lblOLEDBMissing;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

    // Where the two warning labels send the user.
    static QString componentsDownloadPage();

public slots:
    // Esc, Cancel and the close box come here.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void Form_Load();
    void Form_Unload();

    bool blnOK = false;
};

} // namespace connections::serverdialog
