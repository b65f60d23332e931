#pragma once

#include "controls/shared/WindowSubclass.h"
#include "controls/unitext/EditWindow.h"

#include <QPlainTextEdit>

// The edit window of a multi-line box. Positions go through the document mapping
// (UniTextDocument.h); the text is never read with toPlainText(), which changes
// characters.
namespace unitext {

class MultiLineEdit : public controls::Subclassable<QPlainTextEdit>, public EditWindow
{
    Q_OBJECT
public:
    MultiLineEdit(const EditStyle& style, QWidget* parent);

    QWidget* widget() override { return this; }
    QString text() const override;
    void setText(const QString& text) override;
    int length() const override;
    void selection(int& start, int& end) const override;
    void setSelection(int start, int end) override;
    QString selectedText() const override;
    void replaceSelection(const QString& text) override;
    int lineCount() const override;
    int lineFromChar(int index) const override;
    QString line(int index) const override;
    int firstVisibleLine() const override;
    int lastVisibleLine() const override;
    int lineSpacing() const override;
    bool isModified() const override;
    void setModified(bool modified) override;
    bool canUndo() const override;
    void undo() override;
    void clearUndo() override;
    int limit() const override { return m_limit; }
    void setLimit(int units) override { m_limit = units; }
    void setPasswordChar(QChar) override {}   // a multi-line box shows its text
    int scrollPosition(Qt::Orientation orientation) const override;
    bool setScrollPosition(Qt::Orientation orientation, int value) override;
    void scrollToCaret() override;

    bool isSettingText() const override { return m_settingText; }

protected:
    bool event(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    qintptr windowProcedure(const controls::WindowMessage& msg) override;
    void wheelEvent(QWheelEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    QMimeData* createMimeDataFromSelection() const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    int room() const;
    int rowsOf(const QTextBlock& block) const;
    int lineOfPosition(int position) const;
    bool rowAt(int index, int& from, int& to) const;

    bool m_wrap = false;
    int m_limit = -1;
    bool m_settingText = false;
    bool m_wheeling = false;
};

}
