#include "controls/unitext/UniText.h"

#include "common/ErrorBoundary.h"
#include "controls/shared/HostServices.h"
#include "controls/shared/StdFont.h"
#include "controls/unitext/EditWindow.h"
#include "controls/unitext/OleColor.h"
#include "controls/unitext/UniTextFiles.h"
#include "controls/unitext/UniTextMessages.h"
#include "lang/AnsiCodePage.h"

#include <QCursor>
#include <QTimer>

#include <algorithm>
#include <limits>

// The text box's members: what they read from and do to the edit window.
namespace unitext {

namespace {

constexpr int kLargestScrollPosition = 32767;

Qt::CursorShape cursorOfMousePointer(int pointer)
{
    switch (pointer) {
    case 1:
        return Qt::ArrowCursor;
    case 2:
        return Qt::CrossCursor;
    case 3:
        return Qt::IBeamCursor;
    case 5:
    case 15:
        return Qt::SizeAllCursor;
    case 6:
        return Qt::SizeBDiagCursor;
    case 7:
        return Qt::SizeVerCursor;
    case 8:
        return Qt::SizeFDiagCursor;
    case 9:
        return Qt::SizeHorCursor;
    case 10:
        return Qt::UpArrowCursor;
    case 11:
        return Qt::WaitCursor;
    case 12:
        return Qt::ForbiddenCursor;
    case 13:
        return Qt::BusyCursor;
    case 14:
        return Qt::WhatsThisCursor;
    default:
        return Qt::ArrowCursor;
    }
}

}

// ---- properties

void UniText::setAlignment(int value)
{
    if (value == m_alignment || !m_multiLine)
        return;
    m_alignment = value;
    notify("Alignment");
    Private_Init();
}

void UniText::setAppearance(int value)
{
    m_appearance = value;
    Private_Init();
}

void UniText::setBackColor(qint32 value)
{
    m_backColor = value;
    notify("BackColor");
    applyColours();
}

void UniText::setBorderStyle(int value)
{
    m_borderStyle = value;
    notify("BorderStyle");
    if (m_appearance != 0)
        Private_Init();
    else
        UserControl_Resize();
}

bool UniText::CanUndo() const
{
    return m_edit && m_edit->canUndo();
}

void UniText::setCaptureEnter(bool value)
{
    m_captureEnter = value;
    notify("CaptureEnter");
}

void UniText::setCaptureEsc(bool value)
{
    m_captureEsc = value;
    notify("CaptureEsc");
}

void UniText::setCaptureTab(bool value)
{
    m_captureTab = value;
    notify("CaptureTab");
}

void UniText::ClearUndo()
{
    if (m_edit)
        m_edit->clearUndo();
}

void UniText::setEnabled(bool value)
{
    if (value == m_enabled || !m_edit)
        return;
    QWidget::setEnabled(value);
    m_enabled = value;
    notify("Enabled");
}

void UniText::setFileCodepage(int value)
{
    m_fileCodepage = value;
    notify("FileCodepage");
}

int UniText::effectiveCodePage() const
{
    return m_fileCodepage != 0 ? m_fileCodepage : lang::GetACP();
}

int UniText::FirstVisibleLine() const
{
    return m_edit ? m_edit->firstVisibleLine() : 0;
}

void UniText::useFont(controls::StdFont* font)
{
    if (m_font && m_font != font && m_font->parent() == this)
        m_font->deleteLater();
    m_font = font;
    connect(font, &controls::StdFont::FontChanged, this, [this, font] {
        if (font != m_font)
            return;
        notify("Font");
        m_Font_FontChanged();
        update();
    });
}

void UniText::setFont(controls::StdFont* font)
{
    if (!font)
        return;
    auto* copy = controls::StdFont::fromQFont(font->exactFont(), this);
    copy->setCharset(font->Charset());
    useFont(copy);
    notify("Font");
    m_Font_FontChanged();
    update();
}

void UniText::m_Font_FontChanged()
{
    common::handled(procedure("m_Font_FontChanged"), common::Message::Description, [&] {
        if (!m_edit || !m_font)
            return;
        m_edit->widget()->setFont(m_font->toQFont());
        emit FontChanged();
    });
}

bool UniText::FontBold() const
{
    return m_font && m_font->Bold();
}
void UniText::setFontBold(bool value)
{
    if (m_font)
        m_font->setBold(value);
}
bool UniText::FontItalic() const
{
    return m_font && m_font->Italic();
}
void UniText::setFontItalic(bool value)
{
    if (m_font)
        m_font->setItalic(value);
}
QString UniText::FontName() const
{
    return m_font ? m_font->Name() : QString();
}
void UniText::setFontName(const QString& value)
{
    if (m_font)
        m_font->setName(value);
}
float UniText::FontSize() const
{
    return m_font ? float(m_font->Size()) : 0.0f;
}
void UniText::setFontSize(float value)
{
    if (m_font)
        m_font->setSize(value);
}
bool UniText::FontStrikethru() const
{
    return m_font && m_font->Strikethrough();
}
void UniText::setFontStrikethru(bool value)
{
    if (m_font)
        m_font->setStrikethrough(value);
}
bool UniText::FontUnderline() const
{
    return m_font && m_font->Underline();
}
void UniText::setFontUnderline(bool value)
{
    if (m_font)
        m_font->setUnderline(value);
}

void UniText::setForeColor(qint32 value)
{
    m_foreColor = value;
    notify("ForeColor");
    applyColours();
}

void UniText::applyColours()
{
    const QPalette base = QWidget::palette();
    const QColor back = resolveOleColor(m_backColor, base);
    const QColor fore = resolveOleColor(m_foreColor, base);
    QPalette own = base;
    own.setColor(QPalette::Window, back);
    setPalette(own);
    setAutoFillBackground(true);
    if (!m_edit)
        return;
    // A locked or disabled box keeps its colours; a hidden selection shows none while the
    // box is without the focus.
    QPalette palette = m_edit->widget()->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, back);
        palette.setColor(group, QPalette::Window, back);
        palette.setColor(group, QPalette::Text, fore);
        palette.setColor(group, QPalette::Highlight, palette.color(QPalette::Active, QPalette::Highlight));
        palette.setColor(group, QPalette::HighlightedText, palette.color(QPalette::Active, QPalette::HighlightedText));
    }
    if (m_hideSelection) {
        palette.setColor(QPalette::Inactive, QPalette::Highlight, back);
        palette.setColor(QPalette::Inactive, QPalette::HighlightedText, fore);
    }
    m_edit->widget()->setPalette(palette);
    m_edit->widget()->update();
}

QString UniText::GetLine(int Line, int MaxLength) const
{
    if (MaxLength < 1 || !m_edit)
        return QString();
    const int count = m_edit->lineCount();
    int index = -1;
    if (Line >= 1 && Line <= count)
        index = Line - 1;
    else if (Line == 0)
        index = m_edit->lineFromChar(-1);
    else if (Line < 0 && -Line < count)
        index = count + Line - 1;
    if (index < 0)
        return QString();
    return m_edit->line(index).left(MaxLength);
}

void UniText::GetSel(int& SelStart, int& SelEnd) const
{
    SelStart = 0;
    SelEnd = 0;
    if (m_edit)
        m_edit->selection(SelStart, SelEnd);
}

void UniText::setHideSelection(bool value)
{
    if (value == m_hideSelection)
        return;
    m_hideSelection = value;
    notify("HideSelection");
    Private_Init();
}

int UniText::LastVisibleLine() const
{
    return m_edit ? m_edit->lastVisibleLine() : 0;
}

int UniText::Length() const
{
    return m_edit ? m_edit->length() : 0;
}

int UniText::Line(int Selection) const
{
    if (!m_edit)
        return 0;
    if (Selection == 0)
        return m_edit->lineFromChar(-1);
    int start = 0;
    int end = 0;
    m_edit->selection(start, end);
    return m_edit->lineFromChar(start);
}

quint8 UniText::LineHeight() const
{
    // The font's line spacing, which a tall box with little text cannot distort.
    return m_edit ? quint8(std::clamp(m_edit->lineSpacing(), 0, 255)) : 0;
}

int UniText::Lines() const
{
    return m_edit ? m_edit->lineCount() : 0;
}

void UniText::setStoredOrEditText(const QString& text)
{
    m_storedText = text;
    if (m_edit)
        m_edit->setText(text);
}

bool UniText::LoadFile(const QString& Filename, qint32 IfNoByteOrderMark)
{
    return common::handled(procedure("LoadFile"), common::Message::LastStep, [&] {
        const LoadResult result = loadTextFile(Filename, IfNoByteOrderMark, effectiveCodePage());
        if (!result) {
            qWarning("UniText:LoadFile: %s", qUtf8Printable(result.failure().text()));
            return false;
        }
        if (const std::optional<DecodedFile>& decoded = result.value()) {
            m_bom = decoded->code;
            setStoredOrEditText(decoded->text);
        } else {
            setStoredOrEditText(QString());   // an empty file: no encoding to learn from it
        }
        return true;
    });
}

bool UniText::SaveFile(const QString& Filename, qint32 ByteOrderMark, bool OverwriteExisting)
{
    return common::handled(procedure("SaveFile"), common::Message::LastStep, [&] {
        if (!saveTextFile(Filename, Text(), ByteOrderMark, OverwriteExisting, effectiveCodePage()))
            return false;
        m_bom = ByteOrderMark;
        return true;
    });
}

void UniText::setLocked(bool value)
{
    if (value == m_locked)
        return;
    m_locked = value;
    notify("Locked");
    Private_Init();
}

int UniText::MaxLength() const
{
    if (!m_edit)
        return std::max(0, m_maxLength);
    return std::max(0, m_edit->limit());
}

void UniText::setMaxLength(int value)
{
    m_maxLength = value == 0 ? -1 : value;
    notify("MaxLength");
    if (m_edit)
        m_edit->setLimit(m_maxLength);
}

bool UniText::Modified() const
{
    return m_edit && m_edit->isModified();
}

void UniText::setModified(bool value)
{
    if (m_edit)
        m_edit->setModified(value);
}

void UniText::setMouseIcon(const QPixmap& icon)
{
    m_mouseIcon = icon;
    notify("MouseIcon");
    applyMousePointer();
}

void UniText::setMousePointer(int value)
{
    m_mousePointer = qint16(value);
    notify("MousePointer");
    applyMousePointer();
}

void UniText::applyMousePointer()
{
    constexpr int kCustom = 99;
    if (m_mousePointer == kCustom && !m_mouseIcon.isNull())
        setCursor(QCursor(m_mouseIcon));
    else if (m_mousePointer == 0)
        unsetCursor();
    else
        setCursor(cursorOfMousePointer(m_mousePointer));
}

void UniText::setMultiLine(bool value)
{
    if (value == m_multiLine)
        return;
    m_multiLine = value;
    notify("MultiLine");
    Private_Init();
}

void UniText::setPasswordChar(const QString& value)
{
    if (value.isEmpty()) {
        if (m_passwordChar.isEmpty())
            return;
        m_passwordChar.clear();
        Private_Init();
        return;
    }
    const QString first = value.left(1);
    if (first == m_passwordChar)
        return;
    const bool wasSet = !m_passwordChar.isEmpty();
    m_passwordChar = first;
    if (wasSet && m_edit)
        m_edit->setPasswordChar(first.at(0));
    else
        Private_Init();
}

void UniText::setRightToLeft(bool value)
{
    if (value == m_rightToLeft)
        return;
    m_rightToLeft = value;
    notify("RightToLeft");
    Private_Init();
}

void UniText::setScrollBars(int value)
{
    if (value == m_scrollBars)
        return;
    m_scrollBars = value;
    Private_Init();
}

bool UniText::hasScrollBar(Qt::Orientation orientation) const
{
    if (!m_edit || !effectivelyMultiLine())
        return false;
    return orientation == Qt::Horizontal ? m_scrollBars == 1 || m_scrollBars == 3
                                         : m_scrollBars == 2 || m_scrollBars == 3;
}

int UniText::scrollPosition(Qt::Orientation orientation) const
{
    return hasScrollBar(orientation) ? m_edit->scrollPosition(orientation) : 0;
}

void UniText::setScrollPosition(Qt::Orientation orientation, int value)
{
    if (!hasScrollBar(orientation) || value < 0 || value > kLargestScrollPosition
        || !m_edit->setScrollPosition(orientation, value))
        return;
    // Reported once the event loop runs, as a scroll the user made would be.
    QPointer<QWidget> edit = m_edit->widget();
    const quint32 message = orientation == Qt::Horizontal ? msg::WM_HSCROLL : msg::WM_VSCROLL;
    QTimer::singleShot(0, this, [edit, message, value] {
        if (edit)
            controls::SendMessage(edit, message, controls::makeLong(int(msg::SB_THUMBPOSITION), value));
    });
}

int UniText::ScrollHorizontal() const
{
    return scrollPosition(Qt::Horizontal);
}

void UniText::setScrollHorizontal(int value)
{
    setScrollPosition(Qt::Horizontal, value);
}

void UniText::ScrollToCaret()
{
    if (m_edit)
        m_edit->scrollToCaret();
}

int UniText::ScrollVertical() const
{
    return scrollPosition(Qt::Vertical);
}

void UniText::setScrollVertical(int value)
{
    setScrollPosition(Qt::Vertical, value);
}

int UniText::SelLength() const
{
    int start = 0;
    int end = 0;
    GetSel(start, end);
    return end - start;
}

int UniText::SelStart() const
{
    int start = 0;
    int end = 0;
    GetSel(start, end);
    return start;
}

QString UniText::SelText() const
{
    return m_edit ? m_edit->selectedText() : QString();
}

void UniText::setSelText(const QString& value)
{
    if (m_edit)
        m_edit->replaceSelection(value);
}

void UniText::SetSel(int SelStart, int SelEnd)
{
    if (m_edit)
        m_edit->setSelection(SelStart, SelEnd);
}

QString UniText::Text() const
{
    return m_edit ? m_edit->text() : m_storedText;
}

void UniText::setText(const QString& value)
{
    setStoredOrEditText(value);
}

void UniText::Undo()
{
    if (m_edit)
        m_edit->undo();
}

int UniText::room() const
{
    if (!m_edit || m_edit->limit() < 0)
        return std::numeric_limits<int>::max();
    int start = 0;
    int end = 0;
    m_edit->selection(start, end);
    return std::max(0, m_edit->limit() - (m_edit->length() - (end - start)));
}

}
