#pragma once

#include <QClipboard>
#include <QScopedValueRollback>
#include <QValidator>
#include <functional>

class QKeyEvent;
class QLineEdit;
class QMenu;
class QMouseEvent;

// The length limit of a one-line edit as the user meets it, the platform's edit limit:
// while the text is at or over the limit, what the user types, drops or commits through an
// input method is refused when it would make the text longer (shortening it is always
// allowed); a paste comes in cut to the room left. The program's text is never cut,
// however long.
//
// How an edit uses it: it makes one on itself (which installs it as the edit's validator),
// hands it its keys (keyPress) and its mouse releases (pasteSelection), runs its drops and
// input methods inside asUserInput, and gives its context menu to pasteFromMenu.
//
// A QLineEdit reverts a change only when the text before it was valid, so the validator
// finds every text valid except the user's lengthening of a text at the limit: one long
// text set by the program must not lift the limit for good.
namespace controls {

class LineEditLimit : public QValidator
{
public:
    explicit LineEditLimit(QLineEdit* edit);

    int units() const { return m_units; }   // -1: none
    void setUnits(int units) { m_units = units; }
    // The units the user may still bring in over the selection.
    int room() const;

    template<class Handling>
    void asUserInput(Handling&& handling)
    {
        const QScopedValueRollback<int> input(m_lengthBefore, currentLength());
        handling();
    }

    // The edit's handling of a key (`base`) under the limit: a paste key pastes, undo and
    // redo (which may give back a longer text) are no input, every other key is.
    void keyPress(QKeyEvent* event, const std::function<void(QKeyEvent*)>& base);
    // The middle button's paste of the selection, where the platform has one; true when taken.
    bool pasteSelection(QMouseEvent* event);
    // The clipboard's text at the selection, cut to the room left; nothing for no room.
    void paste(QClipboard::Mode mode = QClipboard::Clipboard);
    // The edit's standard context menu, whose Paste then pastes as paste() does.
    void pasteFromMenu(QMenu* menu);
    // The program's text at the selection, whatever the limit.
    void insertUnlimited(const QString& text);

    State validate(QString& input, int& pos) const override;

private:
    int currentLength() const;

    QLineEdit* m_edit;
    int m_units = -1;
    int m_lengthBefore = -1;   // the text's length when the user's input began; -1 outside it
};

}
