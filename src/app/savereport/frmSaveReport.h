#pragma once

#include <QDialog>
#include <memory>

class QLabel;
class QPushButton;
class QRadioButton;

namespace unicombo {
class uniCombo;
}

namespace savereport {

namespace htmleditor {
class ctlHTLMEditor;
}

struct SaveReportControls;

// Saves the report window's current view as a named report of the current cube, with a
// category, a type, a view mode and an HTML description. OK writes the report and closes;
// a name that cannot be stored, or a failed write, keeps the dialog open.
class frmSaveReport : public QDialog
{
    Q_OBJECT
public:
    explicit frmSaveReport(QWidget* owner = nullptr);
    ~frmSaveReport() override;

    void subFillDropDowns();
    void subSetReportValues();

    unicombo::uniCombo* cmbReportName() const;
    unicombo::uniCombo* cmbSuperCategory() const;
    unicombo::uniCombo* cmbReportType() const;
    QLabel* lblExplainReplace() const;
    QRadioButton* optBoth() const;
    QRadioButton* optPivot() const;
    QRadioButton* optGraph() const;
    htmleditor::ctlHTLMEditor* ctlReportDescription() const;
    QPushButton* OKButton() const;
    QPushButton* CancelButton() const;

private:
    void Form_Load();
    void cmbReportName_Change(const char* handlerName);
    void OKButton_Click();

    std::unique_ptr<SaveReportControls> m_controls;
};

// The save button of the report window: the dialog, modal over its owner.
void showSaveReport(QWidget* owner);

}
