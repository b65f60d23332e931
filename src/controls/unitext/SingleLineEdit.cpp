#include "controls/unitext/SingleLineEdit.h"

#include "controls/unitext/UniTextMessages.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QProxyStyle>
#include <QRegularExpression>
#include <QValidator>

#include <limits>

namespace unitext {

class LengthLimit : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        return m_units >= 0 && input.size() > m_units ? Invalid : Acceptable;
    }
    int m_units = -1;
};

// Shows the box's own password character, whatever the style would use.
class PasswordStyle : public QProxyStyle
{
public:
    explicit PasswordStyle(QChar c) : m_char(c) {}
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return m_char.unicode();
        if (hint == SH_LineEdit_PasswordMaskDelay)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
    QChar m_char;
};

SingleLineEdit::SingleLineEdit(const EditStyle& style, QWidget* parent)
    : Subclassable<QLineEdit>(parent), m_limit(new LengthLimit(this))
{
    setMaxLength(std::numeric_limits<int>::max());
    setValidator(m_limit);
    setReadOnly(style.readOnly);
    setLayoutDirection(style.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    if (!style.passwordChar.isNull())
        setPasswordChar(style.passwordChar);
    // The menu comes when the right button is released, after the press has been reported.
    setContextMenuPolicy(Qt::PreventContextMenu);
    setMouseTracking(true);
}

bool SingleLineEdit::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride && hooks.ownsKey && hooks.ownsKey(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return Subclassable<QLineEdit>::event(event);
}

qintptr SingleLineEdit::windowProcedure(const controls::WindowMessage& msg)
{
    if (msg.uMsg == controls::wm::WM_CONTEXTMENU)
        editbehaviour::showContextMenu(this, createStandardContextMenu(), msg.lParam);
    return 0;
}

void SingleLineEdit::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::RightButton)
        controls::SendMessage(this, controls::wm::WM_CONTEXTMENU, 0,
                              editbehaviour::contextMenuPosition(this, event->position().toPoint()));
}

void SingleLineEdit::keyPressEvent(QKeyEvent* event)
{
    if (editbehaviour::isContextMenuKey(*event)) {
        controls::SendMessage(this, controls::wm::WM_CONTEXTMENU, 0,
                              editbehaviour::contextMenuPosition(this, cursorRect().center()));
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Paste) && !isReadOnly() && limit() >= 0) {
        // A paste longer than the room left comes in cut to it, as typing would stop there.
        int start = 0;
        int end = 0;
        selection(start, end);
        const int room = std::max(0, limit() - (length() - (end - start)));
        const QString pasted = QGuiApplication::clipboard()->text();
        if (pasted.size() > room) {
            insertPastLimit(pasted.left(room));
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void SingleLineEdit::inputMethodEvent(QInputMethodEvent* event)
{
    editbehaviour::deliverCommit(event, editbehaviour::committed(hooks, event->commitString()),
                                 [this](QInputMethodEvent* e) { QLineEdit::inputMethodEvent(e); });
}

void SingleLineEdit::setText(const QString& text)
{
    QLineEdit::setText(text);
    setModified(false);
    setCursorPosition(0);
}

void SingleLineEdit::selection(int& start, int& end) const
{
    if (hasSelectedText()) {
        start = selectionStart();
        end = selectionEnd();
    } else {
        start = end = cursorPosition();
    }
}

void SingleLineEdit::setSelection(int start, int end)
{
    if (start < 0) {
        deselect();
        return;
    }
    const int size = length();
    if (end < 0)
        end = size;
    start = std::min(start, size);
    end = std::min(end, size);
    QLineEdit::setSelection(start, end - start);
}

QString SingleLineEdit::selectedText() const
{
    int start = 0;
    int end = 0;
    selection(start, end);
    return text().mid(start, end - start);
}

void SingleLineEdit::replaceSelection(const QString& text)
{
    // A single-line edit takes a replacement up to its first line break.
    const qsizetype lineEnd = text.indexOf(QRegularExpression(QStringLiteral("[\\r\\n]")));
    insertPastLimit(lineEnd < 0 ? text : text.left(lineEnd));
}

void SingleLineEdit::insertPastLimit(const QString& text)
{
    setValidator(nullptr);
    insert(text);
    setValidator(m_limit);
}

int SingleLineEdit::lineSpacing() const
{
    return fontMetrics().lineSpacing();
}

void SingleLineEdit::clearUndo()
{
    // QLineEdit forgets its history only when its whole text is set.
    const bool modified = isModified();
    int start = 0;
    int end = 0;
    selection(start, end);
    setValidator(nullptr);
    QLineEdit::setText(text());
    setValidator(m_limit);
    setModified(modified);
    setSelection(start, end);
}

int SingleLineEdit::limit() const
{
    return m_limit->m_units;
}

void SingleLineEdit::setLimit(int units)
{
    m_limit->m_units = units;
}

void SingleLineEdit::setPasswordChar(QChar c)
{
    if (c.isNull()) {
        setEchoMode(Normal);
        return;
    }
    if (!m_passwordStyle) {
        m_passwordStyle = new PasswordStyle(c);
        m_passwordStyle->setParent(this);
        setStyle(m_passwordStyle);
    }
    m_passwordStyle->m_char = c;
    // The line edit takes its mask character from the style when the style changes.
    QEvent styleChange(QEvent::StyleChange);
    QCoreApplication::sendEvent(this, &styleChange);
    setEchoMode(Password);
    update();
}

}
