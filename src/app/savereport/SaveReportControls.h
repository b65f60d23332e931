#pragma once

class QDialog;
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

// The save dialog's controls, made in the dialog and laid out there, each with its object
// name and its design-time caption (a phrase key the caption translation replaces). The
// dialog owns them as its children; this record only points at them.
struct SaveReportControls
{
    explicit SaveReportControls(QDialog* form);

    QLabel* imgBG = nullptr;
    QLabel* lblReportName = nullptr;
    unicombo::uniCombo* cmbReportName = nullptr;
    QLabel* lblExplainReplace = nullptr;   // shown while the name is that of a stored report
    QLabel* lblReportCategory = nullptr;
    unicombo::uniCombo* cmbSuperCategory = nullptr;
    QLabel* lblReportType = nullptr;
    unicombo::uniCombo* cmbReportType = nullptr;
    QRadioButton* optBoth = nullptr;
    QRadioButton* optPivot = nullptr;
    QRadioButton* optGraph = nullptr;
    QLabel* lblDescription = nullptr;
    htmleditor::ctlHTLMEditor* ctlReportDescription = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

private:
    void layOut(QDialog* form);
};

}
