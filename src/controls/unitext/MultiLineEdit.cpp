#include "controls/unitext/MultiLineEdit.h"

#include "controls/unitext/UniTextDocument.h"
#include "controls/unitext/UniTextMessages.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextDocumentLayout>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

#include <algorithm>

namespace unitext {

MultiLineEdit::MultiLineEdit(const EditStyle& style, QWidget* parent)
    : Subclassable<QPlainTextEdit>(parent), m_wrap(style.wrap)
{
    setLineWrapMode(style.wrap ? WidgetWidth : NoWrap);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setHorizontalScrollBarPolicy(style.horizontalBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(style.verticalBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    // Tab that the box does not capture belongs to the host, as in any dialog.
    setTabChangesFocus(true);
    if (style.readOnly) {
        setReadOnly(true);
        // Read-only still has a caret, which the navigation keys move and select with.
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }
    QTextOption option = document()->defaultTextOption();
    const Qt::Alignment horizontal = style.alignment == 1 ? Qt::AlignRight
        : style.alignment == 2                            ? Qt::AlignHCenter
                                                          : Qt::AlignLeft;
    option.setAlignment(horizontal);
    option.setTextDirection(style.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    document()->setDefaultTextOption(option);
    setLayoutDirection(style.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    // The menu comes when the right button is released, after the press has been reported.
    setContextMenuPolicy(Qt::PreventContextMenu);
    viewport()->setContextMenuPolicy(Qt::PreventContextMenu);
    viewport()->setMouseTracking(true);

    // The scroll bars report what the user does with them; the wheel scrolls silently.
    connect(horizontalScrollBar(), &QScrollBar::actionTriggered, this, [this] {
        if (!m_wheeling)
            controls::SendMessage(this, msg::WM_HSCROLL, msg::SB_THUMBPOSITION);
    });
    connect(verticalScrollBar(), &QScrollBar::actionTriggered, this, [this] {
        if (!m_wheeling)
            controls::SendMessage(this, msg::WM_VSCROLL, msg::SB_THUMBPOSITION);
    });
}

bool MultiLineEdit::event(QEvent* event)
{
    if (editbehaviour::dropsQtContextMenu(event))
        return true;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
        // The mouse is the viewport's: what the viewport leaves (a right press) comes on to
        // the frame, and was reported where it happened.
        return QPlainTextEdit::event(event);
    default:
        break;
    }
    if (event->type() == QEvent::ShortcutOverride && hooks.ownsKey && hooks.ownsKey(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return Subclassable<QPlainTextEdit>::event(event);
}

bool MultiLineEdit::viewportEvent(QEvent* event)
{
    // The mouse, the wheel and painting arrive at the viewport: they go through the
    // window's record as its own events do.
    if (editbehaviour::dropsQtContextMenu(event))
        return true;
    return routeEvent(this, event, [this](QEvent* e) { return QPlainTextEdit::viewportEvent(e); });
}

qintptr MultiLineEdit::windowProcedure(const controls::WindowMessage& msg)
{
    if (msg.uMsg == controls::wm::WM_CONTEXTMENU)
        editbehaviour::showContextMenu(this, createStandardContextMenu(), msg.lParam);
    else if (msg.uMsg == controls::wm::WM_KEYDOWN && msg.wParam == msg::VK_TAB && !isReadOnly() && room() >= 1)
        replaceSelection(QStringLiteral("\t"));
    return 0;
}

void MultiLineEdit::wheelEvent(QWheelEvent* event)
{
    const QScopedValueRollback<bool> wheeling(m_wheeling, true);
    QPlainTextEdit::wheelEvent(event);
}

void MultiLineEdit::mouseReleaseEvent(QMouseEvent* event)
{
    QPlainTextEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::RightButton)
        controls::SendMessage(this, controls::wm::WM_CONTEXTMENU, 0,
                              editbehaviour::contextMenuPosition(viewport(), event->position().toPoint()));
}

QString MultiLineEdit::text() const
{
    return document::text(*document());
}

void MultiLineEdit::setText(const QString& text)
{
    const QScopedValueRollback<bool> settingText(m_settingText, true);
    QTextCursor cursor(document());
    cursor.select(QTextCursor::Document);
    document::insert(cursor, text);
    document()->clearUndoRedoStacks();
    document()->setModified(false);
    moveCursor(QTextCursor::Start);
}

int MultiLineEdit::length() const
{
    return document::length(*document());
}

void MultiLineEdit::selection(int& start, int& end) const
{
    const QTextCursor cursor = textCursor();
    start = document::toUnits(*document(), cursor.selectionStart());
    end = document::toUnits(*document(), cursor.selectionEnd());
}

void MultiLineEdit::setSelection(int start, int end)
{
    QTextCursor cursor = textCursor();
    if (start < 0) {
        cursor.clearSelection();
    } else {
        if (end < 0)
            end = length();
        cursor.setPosition(document::toPosition(*document(), start));
        cursor.setPosition(document::toPosition(*document(), end), QTextCursor::KeepAnchor);
    }
    setTextCursor(cursor);
}

QString MultiLineEdit::selectedText() const
{
    const QTextCursor cursor = textCursor();
    return document::text(*document(), cursor.selectionStart(), cursor.selectionEnd());
}

void MultiLineEdit::replaceSelection(const QString& text)
{
    QTextCursor cursor = textCursor();
    document::insert(cursor, text);
    setTextCursor(cursor);
}

int MultiLineEdit::rowsOf(const QTextBlock& block) const
{
    if (!m_wrap)
        return 1;
    auto* layout = qobject_cast<QPlainTextDocumentLayout*>(document()->documentLayout());
    layout->ensureBlockLayout(block);
    return std::max(1, block.layout()->lineCount());
}

int MultiLineEdit::lineCount() const
{
    if (!m_wrap)
        return document()->blockCount();
    int rows = 0;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
        rows += rowsOf(block);
    return rows;
}

int MultiLineEdit::lineOfPosition(int position) const
{
    const QTextBlock block = document()->findBlock(position);
    if (!m_wrap)
        return block.blockNumber();
    int rows = 0;
    for (QTextBlock before = document()->begin(); before != block; before = before.next())
        rows += rowsOf(before);
    rowsOf(block);
    const QTextLine row = block.layout()->lineForTextPosition(position - block.position());
    return rows + (row.isValid() ? row.lineNumber() : 0);
}

bool MultiLineEdit::rowAt(int index, int& from, int& to) const
{
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        const int rows = rowsOf(block);
        if (index < rows) {
            if (!m_wrap) {
                from = block.position();
                to = block.position() + block.length() - 1;
            } else {
                const QTextLine row = block.layout()->lineAt(index);
                from = block.position() + row.textStart();
                to = from + row.textLength();
            }
            return true;
        }
        index -= rows;
    }
    return false;
}

int MultiLineEdit::lineFromChar(int index) const
{
    const int position = index < 0 ? textCursor().selectionStart() : document::toPosition(*document(), index);
    return lineOfPosition(position);
}

QString MultiLineEdit::line(int index) const
{
    int from = 0;
    int to = 0;
    if (index < 0 || !rowAt(index, from, to))
        return QString();
    return document::text(*document(), from, to);
}

int MultiLineEdit::firstVisibleLine() const
{
    return verticalScrollBar()->value();
}

int MultiLineEdit::lastVisibleLine() const
{
    const QRect area = viewport()->rect();
    const QTextCursor bottom = cursorForPosition(QPoint(area.right(), area.bottom()));
    return lineOfPosition(bottom.position());
}

int MultiLineEdit::lineSpacing() const
{
    return fontMetrics().lineSpacing();
}

bool MultiLineEdit::isModified() const
{
    return document()->isModified();
}

void MultiLineEdit::setModified(bool modified)
{
    document()->setModified(modified);
}

bool MultiLineEdit::canUndo() const
{
    return document()->isUndoAvailable();
}

void MultiLineEdit::undo()
{
    QPlainTextEdit::undo();
}

void MultiLineEdit::clearUndo()
{
    document()->clearUndoRedoStacks();
}

int MultiLineEdit::scrollPosition(Qt::Orientation orientation) const
{
    return (orientation == Qt::Horizontal ? horizontalScrollBar() : verticalScrollBar())->value();
}

bool MultiLineEdit::setScrollPosition(Qt::Orientation orientation, int value)
{
    (orientation == Qt::Horizontal ? horizontalScrollBar() : verticalScrollBar())->setValue(value);
    return true;
}

void MultiLineEdit::scrollToCaret()
{
    ensureCursorVisible();
}

int MultiLineEdit::room() const
{
    if (m_limit < 0)
        return std::numeric_limits<int>::max();
    int start = 0;
    int end = 0;
    selection(start, end);
    return std::max(0, m_limit - (length() - (end - start)));
}

void MultiLineEdit::keyPressEvent(QKeyEvent* event)
{
    if (editbehaviour::isContextMenuKey(*event)) {
        controls::SendMessage(this, controls::wm::WM_CONTEXTMENU, 0,
                              editbehaviour::contextMenuPosition(viewport(), cursorRect().center()));
        event->accept();
        return;
    }
    const bool lineBreak = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool typing = lineBreak || (!event->text().isEmpty() && event->text().at(0).isPrint());
    if (typing && !isReadOnly() && !(event->modifiers() & Qt::ControlModifier)) {
        const int units = lineBreak ? 2 : int(event->text().size());
        if (units > room()) {
            QApplication::beep();
            event->accept();
            return;
        }
        if (lineBreak) {
            // Shift+Enter would otherwise put in a line separator, which is no line break here.
            replaceSelection(QStringLiteral("\r\n"));
            ensureCursorVisible();
            event->accept();
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(event);
}

void MultiLineEdit::inputMethodEvent(QInputMethodEvent* event)
{
    editbehaviour::deliverCommit(event, editbehaviour::committed(hooks, event->commitString()).left(room()),
                                 [this](QInputMethodEvent* e) { QPlainTextEdit::inputMethodEvent(e); });
}

QMimeData* MultiLineEdit::createMimeDataFromSelection() const
{
    auto* mime = new QMimeData;
    mime->setText(selectedText());
    return mime;
}

void MultiLineEdit::insertFromMimeData(const QMimeData* source)
{
    if (isReadOnly() || !source->hasText())
        return;
    QString text = document::withUserLineBreaks(source->text());
    const int space = room();
    if (text.size() > space) {
        text.truncate(space);
        if (text.endsWith(QLatin1Char('\r')))   // half a line break is none
            text.chop(1);
    }
    replaceSelection(text);
    ensureCursorVisible();
}

}
