#pragma once

#include "controls/shared/WindowSubclass.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPixmap>
#include <QPointer>
#include <functional>

class QStandardItemModel;
class QAbstractItemDelegate;

namespace controls {
class LineEditLimit;
}

// The combo box window that uniCombo creates inside its own window, one per creation:
// style 0 an edit above a list that always shows, style 1 an editable drop-down, style 2
// a drop-down list without an edit. It owns no items (the control's model outlives it),
// tells its parent, the control window, what the user did (WM_COMMAND with CBN_*, WM_NOTIFY
// with CBEN_*) and nothing about what the program did, and keeps the selection where a
// combo box keeps it when items come and go. Every widget of it routes its events through
// a subclass record (WindowSubclass.h) once the control subclasses it.

namespace unicombo {

// What the selection field shows left of its text: the chosen item's image and indent.
struct FieldDecoration
{
    QPixmap image;
    int indent = 0;   // pixels
};

// The edit field: keeps any text it is given (no length cap on set text) and limits only
// what the user types or pastes (LineEditLimit.h).
class EditField : public controls::Subclassable<QLineEdit>
{
public:
    explicit EditField(QWidget* parent = nullptr);
    void setTypingLimit(int maxLength);   // 0: none
    // Drawn by the field itself in the simple style (the drop-down combo draws it around the field).
    std::function<FieldDecoration()> decoration;
    // Seen before the field handles an event (the combo box window's bookkeeping).
    std::function<void(QEvent*)> watch;
    // Keys the field gives away instead of handling (the simple style's arrows move the list).
    std::function<bool(QKeyEvent*)> giveAway;

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    controls::LineEditLimit* m_limit;
};

class ComboWidget : public controls::Subclassable<QComboBox>
{
public:
    explicit ComboWidget(QWidget* parent);
    std::function<void()> onDropDown;    // before the list shows
    std::function<void()> onListShown;   // the list is placed and shown
    std::function<void()> onCloseUp;     // the list has gone
    bool extendedUI = false;
    bool fieldIndent = false;   // the selection field indents the chosen item as the list does
    void showPopup() override;
    void hidePopup() override;
    // Puts the edit right of the chosen item's image and indent, where the field draws them.
    void placeEdit();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    int currentIndent() const;
};

class SimpleList : public controls::Subclassable<QListView>
{
public:
    explicit SimpleList(QWidget* parent);
};

class ComboBoxEx : public controls::Subclassable<QWidget>
{
public:
    static constexpr int kComboId = 1001;   // the combo's control id in WM_COMMAND

    ComboBoxEx(int style, QStandardItemModel* items, QAbstractItemDelegate* delegate, QWidget* controlWindow);

    int style() const { return m_style; }
    QWidget* comboControl() const;   // ComboWidget, or SimpleList for style 0
    EditField* editControl() const { return m_edit; }
    SimpleList* simpleList() const { return m_list; }
    QWidget* dropDownList() const;   // the list window of a drop-down; none for style 0

    int curSel() const;
    // Programmatic: the edit shows the item's text (empty for -1); nothing is notified.
    bool setCurSel(int index);
    bool droppedState() const;
    void showDropDown(bool show);

    QString editText() const;
    // notify: the edit reports the change like a typed one (CBN_EDITCHANGE).
    void setEditText(const QString& text, bool notify);

    void setDroppedWidth(int pixels);
    void limitText(int maxLength);
    void setExtendedUI(bool on);
    void setImageSize(int pixels);
    void setFieldIndent(bool on);
    void setRedraw(bool on);
    int selectionFieldHeight() const;

    // An item change that must not touch the edit text (the view would show the item's text).
    void keepEditText(const std::function<void()>& change);

    // This window has been replaced: it stops talking and goes once its events are done.
    void retire();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void notify(int code);
    void notifyEditEnd(int why);
    void beginEdit();
    void watchEdit(QEvent* e);
    void connectModel(QStandardItemModel* items);
    void listCurrentChanged(int row);
    FieldDecoration fieldDecoration() const;
    int exactMatch(const QString& text) const;
    bool ownsOpenList() const;

    int m_style;
    QStandardItemModel* m_items;
    QPointer<ComboWidget> m_combo;
    QPointer<SimpleList> m_list;
    QPointer<EditField> m_edit;
    int m_droppedWidth = 0;
    bool m_fieldIndent = false;
    int m_quiet = 0;   // programmatic changes in progress
    bool m_retired = false;
    bool m_editing = false;
    bool m_editChanged = false;
    bool m_listMovedByPress = false;
    int m_selectionBefore = -1;
    QString m_textBefore;
};

}
