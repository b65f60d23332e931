#pragma once

#include "controls/shared/WindowSubclass.h"
#include "controls/unitext/EditWindow.h"

#include <QLineEdit>

// The edit window of a single-line box. QLineEdit keeps its text exactly (CR, LF and NUL
// included); its own length limit would also cut text set by the program, so it is set
// to the largest and the box's limit is one that only user input meets (LineEditLimit.h).
namespace controls {
class LineEditLimit;
}

namespace unitext {

class PasswordStyle;

class SingleLineEdit : public controls::Subclassable<QLineEdit>, public EditWindow
{
    Q_OBJECT
public:
    SingleLineEdit(const EditStyle& style, QWidget* parent);

    QWidget* widget() override { return this; }
    QString text() const override { return QLineEdit::text(); }
    void setText(const QString& text) override;
    int length() const override { return int(QLineEdit::text().size()); }
    void selection(int& start, int& end) const override;
    void setSelection(int start, int end) override;
    QString selectedText() const override;
    void replaceSelection(const QString& text) override;
    int lineCount() const override { return 1; }
    int lineFromChar(int) const override { return 0; }
    QString line(int index) const override { return index == 0 ? text() : QString(); }
    int firstVisibleLine() const override { return 0; }
    int lastVisibleLine() const override { return 0; }
    int lineSpacing() const override;
    bool isModified() const override { return QLineEdit::isModified(); }
    void setModified(bool modified) override { QLineEdit::setModified(modified); }
    bool canUndo() const override { return isUndoAvailable(); }
    void undo() override { QLineEdit::undo(); }
    void clearUndo() override;
    int limit() const override;
    void setLimit(int units) override;
    void setPasswordChar(QChar c) override;
    int scrollPosition(Qt::Orientation) const override { return 0; }
    bool setScrollPosition(Qt::Orientation, int) override { return false; }
    void scrollToCaret() override {}

protected:
    bool event(QEvent* event) override;
    qintptr windowProcedure(const controls::WindowMessage& msg) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    controls::LineEditLimit* m_limit;
    PasswordStyle* m_passwordStyle = nullptr;
};

}
