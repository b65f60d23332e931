#pragma once

#include <QDialog>
#include <QString>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace connections::serverdialog {

struct ServerDialogControls;

// The server and database chosen, and the typed sign-in (both empty for the trusted one).
struct ServerChoice
{
    QString server;
    QString database;
    QString userName;
    QString password;
};

// The dialog in which the user names the cube server and picks one of its catalogs, when
// the data folder holds neither cube files nor "ServerName.txt". Leaving it any other way
// than OK ends the program.
class frmAnalysisServices : public QDialog
{
    Q_OBJECT
public:
    explicit frmAnalysisServices(QWidget* parent = nullptr);
    ~frmAnalysisServices() override;

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

    // What the user chose, for the caller to read after OK.
    ServerChoice chosen() const;

    QLabel* lblIntro() const;
    QLabel* imgLogo() const;
    QLabel* lblServerName() const;
    QLineEdit* txtServer() const;
    QCheckBox* chkIntegratedSecurity() const;
    QLabel* lblUserName() const;
    QLineEdit* txtUserName() const;
    QLabel* lblPassword() const;
    QLineEdit* txtPassword() const;
    QPushButton* cmdGetDatabases() const;
    QLabel* lblDatabase() const;
    QComboBox* cmbDatabase() const;
    QLabel* lblXML6Missing() const;
    QLabel* lblOLEDBMissing() const;
    QPushButton* cmdOK() const;
    QPushButton* cmdCancel() const;

    // Where the two warning labels send the user.
    static QString componentsDownloadPage();

public slots:
    // Esc, Cancel and the close box come here.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectControls();
    void Form_Load();
    void Form_Unload();

    std::unique_ptr<ServerDialogControls> m_controls;
    bool blnOK = false;
};

}
