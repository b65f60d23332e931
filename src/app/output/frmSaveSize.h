#pragma once

#include <QDialog>
#include <QString>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace output {

// The small dialog that asks for the size of a picture of the chart and then for the
// file to write it to. It closes with a file chosen (accepted) or with nothing (rejected);
// a size that is no size, or a cancelled file dialog, keeps it open.
class frmSaveSize : public QDialog
{
    Q_OBJECT
public:
    explicit frmSaveSize(QWidget* owner);

    void subSetLangCaptions();

    // Event handlers, also what tests drive.
    void cmdSave_Click();
    void CancelButton_Click();

    // Empty until a file has been chosen; it then ends in ".gif".
    QString strFileName;
    // The size asked for, in pixels; meaningful once a file has been chosen.
    int chosenHeight() const { return m_height; }
    int chosenWidth() const { return m_width; }

    QLabel* lblHeight;
    QLineEdit* txtHeight;
    QLabel* lblWidht;
    QLineEdit* Text1;
    QPushButton* cmdSave;
    QPushButton* CancelButton;
    QLabel* Image1;

private:
    void buildControls();
    // The side typed in `box`, or none after telling the user what is wrong with it.
    std::optional<int> sideIn(QLineEdit* box, const QString& caption);

    int m_height = 0;
    int m_width = 0;
};

}
