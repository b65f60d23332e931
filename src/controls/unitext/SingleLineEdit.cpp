#include "controls/unitext/SingleLineEdit.h"

#include "controls/shared/LineEditLimit.h"
#include "controls/unitext/UniTextMessages.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QProxyStyle>
#include <QRegularExpression>

#include <limits>

namespace unitext {

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
    : Subclassable<QLineEdit>(parent), m_limit(new controls::LineEditLimit(this))
{
    setMaxLength(std::numeric_limits<int>::max());
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
    if (editbehaviour::dropsQtContextMenu(event))
        return true;
    if (event->type() == QEvent::ShortcutOverride && hooks.ownsKey && hooks.ownsKey(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return Subclassable<QLineEdit>::event(event);
}

qintptr SingleLineEdit::windowProcedure(const controls::WindowMessage& msg)
{
    if (msg.uMsg == controls::wm::WM_CONTEXTMENU) {
        QMenu* menu = createStandardContextMenu();
        m_limit->pasteFromMenu(menu);
        editbehaviour::showContextMenu(this, menu, msg.lParam);
    }
    return 0;
}

void SingleLineEdit::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_limit->pasteSelection(event))
        return;
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
    m_limit->keyPress(event, [this](QKeyEvent* key) { QLineEdit::keyPressEvent(key); });
}

void SingleLineEdit::inputMethodEvent(QInputMethodEvent* event)
{
    m_limit->asUserInput([&] {
        editbehaviour::deliverCommit(event, editbehaviour::committed(hooks, event->commitString()),
                                     [this](QInputMethodEvent* e) { QLineEdit::inputMethodEvent(e); });
    });
}

void SingleLineEdit::dropEvent(QDropEvent* event)
{
    m_limit->asUserInput([&] { QLineEdit::dropEvent(event); });
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
    m_limit->insertUnlimited(lineEnd < 0 ? text : text.left(lineEnd));
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
    QLineEdit::setText(text());
    setModified(modified);
    setSelection(start, end);
}

int SingleLineEdit::limit() const
{
    return m_limit->units();
}

void SingleLineEdit::setLimit(int units)
{
    m_limit->setUnits(units);
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
