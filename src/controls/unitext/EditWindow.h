#pragma once

#include <QChar>
#include <QString>
#include <Qt>
#include <functional>

class QEvent;
class QInputMethodEvent;
class QKeyEvent;
class QMenu;
class QPoint;
class QWidget;

// The inner edit window as the text box talks to it: what the box's members ask of it,
// with every position, length and line counted as the box counts (UTF-16 units, CR LF
// two). A multi-line box has a MultiLineEdit, a single-line box a SingleLineEdit.
namespace unitext {

// How the box configures its edit window; a change of any of these makes a new one.
struct EditStyle
{
    bool multiLine = false;
    int alignment = 0;   // 0 left, 1 right, 2 centre; multi-line only
    bool horizontalBar = false;
    bool verticalBar = false;
    bool wrap = false;   // lines wrap at the window's width
    bool readOnly = false;
    bool rightToLeft = false;
    bool hideSelection = true;
    QChar passwordChar;   // single-line only; null for none
};

// What the box decides for its edit window, case by case.
struct EditHooks
{
    // The characters an input method commits, as the box lets them in (KeyPress may drop some).
    std::function<QString(const QString&)> filterCommit;
    // Whether the box claims a key before the host's shortcuts see it.
    std::function<bool(const QKeyEvent&)> ownsKey;
};

class EditWindow
{
public:
    EditHooks hooks;

    virtual ~EditWindow() = default;

    virtual QWidget* widget() = 0;

    // Replacing the whole text clears the modification flag and the undo history and puts
    // the caret at 0.
    virtual QString text() const = 0;
    virtual void setText(const QString& text) = 0;
    virtual int length() const = 0;

    // Selection: anchor-independent start <= end. setSelection clamps to the text, and a
    // position inside a CR LF goes to the end of its line.
    virtual void selection(int& start, int& end) const = 0;
    virtual void setSelection(int start, int end) = 0;
    virtual QString selectedText() const = 0;
    // Replaces the selection, undoably, whatever the read-only state.
    virtual void replaceSelection(const QString& text) = 0;

    // Lines as shown: a wrapped line counts once for each row it takes.
    virtual int lineCount() const = 0;
    virtual int lineFromChar(int index) const = 0;   // -1: the selection start's line
    virtual QString line(int index) const = 0;       // without its line break
    virtual int firstVisibleLine() const = 0;
    virtual int lastVisibleLine() const = 0;
    virtual int lineSpacing() const = 0;

    virtual bool isModified() const = 0;
    virtual void setModified(bool modified) = 0;
    virtual bool canUndo() const = 0;
    virtual void undo() = 0;
    virtual void clearUndo() = 0;

    // The most units the user can bring in by typing, pasting or dropping; -1 none.
    virtual int limit() const = 0;
    virtual void setLimit(int units) = 0;

    virtual void setPasswordChar(QChar c) = 0;

    // Scroll bar positions: lines vertically, pixels horizontally; 0 without that bar.
    virtual int scrollPosition(Qt::Orientation orientation) const = 0;
    virtual bool setScrollPosition(Qt::Orientation orientation, int value) = 0;
    virtual void scrollToCaret() = 0;

    // Whether the text changes now come from the box itself (a whole new text in a
    // multi-line window, which reports no change) rather than from an edit.
    virtual bool isSettingText() const { return false; }
};

// The edit window's own handling of the messages that have no Qt event behind them: the
// context menu (shown unless a handler cancelled it) and a captured Tab.
namespace editbehaviour {
void showContextMenu(QWidget* edit, QMenu* menu, qintptr lParam);
qintptr contextMenuPosition(QWidget* edit, const QPoint& local);
bool isContextMenuKey(const QKeyEvent& key);
// The edit window makes its own WM_CONTEXTMENU, when the right button is released and for the
// menu keys; the context menu event that Qt makes besides (on the press, on X11) is dropped.
bool dropsQtContextMenu(QEvent* event);
QString committed(const EditHooks& hooks, const QString& commit);
// Hands the input method's event on with `commit` in place of what it committed.
void deliverCommit(QInputMethodEvent* event, const QString& commit,
                   const std::function<void(QInputMethodEvent*)>& base);
}

}
