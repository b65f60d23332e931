#include "controls/unitext/UniText.h"

#include "common/ErrorBoundary.h"
#include "controls/shared/HostServices.h"
#include "controls/shared/PropertyBag.h"
#include "controls/shared/StdFont.h"
#include "controls/unitext/MultiLineEdit.h"
#include "controls/unitext/OleColor.h"
#include "controls/unitext/SingleLineEdit.h"
#include "controls/unitext/UniTextFiles.h"
#include "controls/unitext/UniTextMessages.h"

#include <QFrame>
#include <QResizeEvent>

#include <algorithm>

namespace unitext {

namespace {

const QString kOwner = QStringLiteral("UniText");

qintptr nextWindowId()
{
    static qintptr last = 0;
    return ++last;
}

}

QString UniText::procedure(const char* name)
{
    return kOwner + QLatin1Char(':') + QLatin1String(name);
}

UniText::UniText(QWidget* parent, controls::HostServices* host)
    : QWidget(parent), m_host(host ? host : &controls::runModeHost())
{
    common::handled(procedure("UserControl_InitProperties"), common::Message::Description, [&] {
        m_backColor = kSystemWindow;
        m_foreColor = kSystemWindowText;
        useFont(controls::StdFont::fromQFont(m_host->ambientFont(*this), this));
        initialise();
    });
}

void UniText::initialise()
{
    // The edit window takes the focus; the control passes it on and keeps out of the Tab order.
    setFocusPolicy(Qt::NoFocus);
    if (!m_subclasses) {
        controls::SubclassPolicy policy;
        policy.ownerName = kOwner;
        policy.handlerName = QStringLiteral("Private_WndProcMain");
        // WM_DESTROY is a message like any other here; the record goes with the window itself.
        policy.releaseMessage = controls::wm::WM_NCDESTROY;
        policy.report = [](const QString& routine, const QString& message) { zReportError(routine, message); };
        m_subclasses = std::make_unique<controls::WindowSubclassRegistry>(policy);
    }
    if (!m_subclasses->isSubclassed(this)) {
        using namespace controls::wm;
        m_subclasses->ssc_Subclass(this, 0,
                                   [this](bool b, bool& h, qintptr& r, QWidget* w, const controls::WindowMessage& m,
                                          qintptr& u) { Private_WndProcMain(b, h, r, w, m, u); });
        for (quint32 message : {WM_COMMAND, WM_DESTROY, WM_ERASEBKGND, WM_CTLCOLOREDIT, WM_CTLCOLORSTATIC, WM_SETFOCUS})
            m_subclasses->ssc_AddMsg(this, int(message), controls::MSG_BEFORE);
        for (quint32 message : {WM_COMMAND, WM_PAINT, WM_MOUSELEAVE})
            m_subclasses->ssc_AddMsg(this, int(message), controls::MSG_AFTER);
    }
    QWidget::setEnabled(m_enabled);
    applyMousePointer();
    Private_Init();
}

UniText::~UniText()
{
    common::handled(procedure("UserControl_Terminate"), common::Message::Description, [&] {
        if (m_router)
            m_router->clearActiveObject(this);
        if (m_edit) {
            QWidget* edit = m_edit->widget();
            m_subclasses->ssc_UnSubclass(edit);
            m_storedText = m_edit->text();
            m_edit = nullptr;
            delete edit;
        }
        announceDestroy(this);
    });
}

void UniText::ReadProperties(const controls::PropertyBag& bag)
{
    common::handled(procedure("UserControl_ReadProperties"), common::Message::Description, [&] {
        m_alignment = bag.ReadProperty(QStringLiteral("Alignment"), 0).toInt();
        m_appearance = bag.ReadProperty(QStringLiteral("Appearance"), 0).toInt();
        m_backColor = bag.ReadProperty(QStringLiteral("BackColor"), kSystemWindow).toInt();
        m_borderStyle = bag.ReadProperty(QStringLiteral("BorderStyle"), 2).toInt();
        m_captureEnter = bag.ReadProperty(QStringLiteral("CaptureEnter"), false).toBool();
        m_captureEsc = bag.ReadProperty(QStringLiteral("CaptureEsc"), false).toBool();
        m_captureTab = bag.ReadProperty(QStringLiteral("CaptureTab"), false).toBool();
        m_enabled = bag.ReadProperty(QStringLiteral("Enabled"), true).toBool();
        m_fileCodepage = bag.ReadProperty(QStringLiteral("FileCodepage"), 0).toInt();
        const QVariant font = bag.ReadProperty(QStringLiteral("Font"), m_host->ambientFont(*this));
        useFont(controls::StdFont::fromQFont(font.value<QFont>(), this));
        m_foreColor = bag.ReadProperty(QStringLiteral("ForeColor"), kSystemWindowText).toInt();
        m_hideSelection = bag.ReadProperty(QStringLiteral("HideSelection"), true).toBool();
        m_locked = bag.ReadProperty(QStringLiteral("Locked"), false).toBool();
        m_maxLength = bag.ReadProperty(QStringLiteral("MaxLength"), -1).toInt();
        m_mouseIcon = bag.ReadProperty(QStringLiteral("MouseIcon"), QPixmap()).value<QPixmap>();
        m_mousePointer = qint16(bag.ReadProperty(QStringLiteral("MousePointer"), 0).toInt());
        m_multiLine = bag.ReadProperty(QStringLiteral("MultiLine"), false).toBool();
        m_passwordChar = bag.ReadProperty(QStringLiteral("PasswordChar"), QString()).toString().left(1);
        m_rightToLeft = bag.ReadProperty(QStringLiteral("RightToLeft"), false).toBool();
        m_scrollBars = bag.ReadProperty(QStringLiteral("ScrollBars"), 0).toInt();
        const QByteArray text = bag.ReadProperty(QStringLiteral("Text"), QByteArray()).toByteArray();
        m_storedText = decodeUtf16(text, false);
        m_useEvents = bag.ReadProperty(QStringLiteral("UseEvents"), true).toBool();
        if (m_edit) {
            // The loaded text replaces what the new instance held.
            m_edit->setText(m_storedText);
        }
        initialise();
    });
}

void UniText::WriteProperties(controls::PropertyBag& bag) const
{
    common::handled(procedure("UserControl_WriteProperties"), common::Message::Description, [&] {
        QByteArray text;
        const QString current = Text();
        text.reserve(current.size() * 2);
        for (QChar unit : current)
            text.append(char(unit.unicode() & 0xFF)).append(char(unit.unicode() >> 8));
        bag.WriteProperty(QStringLiteral("Alignment"), m_alignment);
        bag.WriteProperty(QStringLiteral("Appearance"), m_appearance);
        bag.WriteProperty(QStringLiteral("BackColor"), m_backColor);
        bag.WriteProperty(QStringLiteral("BorderStyle"), m_borderStyle);
        bag.WriteProperty(QStringLiteral("CaptureEnter"), m_captureEnter);
        bag.WriteProperty(QStringLiteral("CaptureEsc"), m_captureEsc);
        bag.WriteProperty(QStringLiteral("CaptureTab"), m_captureTab);
        bag.WriteProperty(QStringLiteral("Enabled"), m_enabled);
        bag.WriteProperty(QStringLiteral("FileCodepage"), m_fileCodepage);
        bag.WriteProperty(QStringLiteral("Font"), m_font ? m_font->exactFont() : QFont());
        bag.WriteProperty(QStringLiteral("ForeColor"), m_foreColor);
        bag.WriteProperty(QStringLiteral("HideSelection"), m_hideSelection);
        bag.WriteProperty(QStringLiteral("Locked"), m_locked);
        bag.WriteProperty(QStringLiteral("MaxLength"), m_maxLength == 0 ? -1 : m_maxLength);
        bag.WriteProperty(QStringLiteral("MouseIcon"), m_mouseIcon);
        bag.WriteProperty(QStringLiteral("MousePointer"), int(qint16(m_mousePointer)));
        bag.WriteProperty(QStringLiteral("MultiLine"), m_multiLine);
        bag.WriteProperty(QStringLiteral("PasswordChar"), m_passwordChar);
        bag.WriteProperty(QStringLiteral("RightToLeft"), m_rightToLeft);
        bag.WriteProperty(QStringLiteral("ScrollBars"), m_scrollBars);
        bag.WriteProperty(QStringLiteral("Text"), text);
        bag.WriteProperty(QStringLiteral("UseEvents"), m_useEvents);
    });
}

bool UniText::effectivelyMultiLine() const
{
    // Scroll bar settings outside 0..3 add no multi-line style at all.
    return m_multiLine && m_scrollBars >= 0 && m_scrollBars <= 3;
}

void UniText::Private_Init()
{
    common::handled(procedure("Private_Init"), common::Message::Description, [&] {
        int selStart = 0;
        int selEnd = 0;
        int scrollH = 0;
        int scrollV = 0;
        bool modified = false;
        bool hadFocus = false;
        if (m_edit) {
            scrollH = ScrollHorizontal();
            scrollV = ScrollVertical();
            m_edit->selection(selStart, selEnd);
            modified = m_edit->isModified();
            QWidget* old = m_edit->widget();
            hadFocus = old->hasFocus();
            m_subclasses->ssc_UnSubclass(old);
            m_storedText = m_edit->text();
            m_edit = nullptr;
            setFocusProxy(nullptr);
            delete old;
        }

        EditStyle style;
        style.multiLine = effectivelyMultiLine();
        style.alignment = style.multiLine ? m_alignment : 0;
        style.horizontalBar = style.multiLine && (m_scrollBars == 1 || m_scrollBars == 3);
        style.verticalBar = style.multiLine && (m_scrollBars == 2 || m_scrollBars == 3);
        // Without horizontal scrolling, and with centred or right-aligned text, lines wrap.
        style.wrap = style.multiLine && (m_scrollBars == 2 || style.alignment == 1 || style.alignment == 2);
        style.readOnly = m_locked;
        style.rightToLeft = m_rightToLeft;
        style.hideSelection = m_hideSelection;
        style.passwordChar = m_passwordChar.isEmpty() ? QChar() : m_passwordChar.at(0);

        if (style.multiLine) {
            auto* edit = new MultiLineEdit(style, this);
            const int frame = m_appearance == 0 ? 0 : m_borderStyle;
            edit->setFrameStyle(frame == 0       ? int(QFrame::NoFrame)
                                    : frame == 1 ? int(QFrame::Box) | int(QFrame::Plain)
                                                 : int(QFrame::StyledPanel) | int(QFrame::Sunken));
            m_edit = edit;
        } else {
            auto* edit = new SingleLineEdit(style, this);
            edit->setFrame(m_appearance != 0 && m_borderStyle != 0);
            m_edit = edit;
        }
        m_windowId = nextWindowId();
        m_edit->setText(m_storedText);
        m_edit->setLimit(m_maxLength <= 0 ? -1 : m_maxLength);
        m_edit->hooks.filterCommit = [this](const QString& commit) { return filterCommit(commit); };
        m_edit->hooks.ownsKey = [this](const QKeyEvent& key) { return ownsKey(key); };
        // A new edit window stands where the old one stood in the host's Tab order, right
        // after the control (which Qt orders only while it could take the focus itself).
        setFocusPolicy(Qt::TabFocus);
        QWidget::setTabOrder(this, m_edit->widget());
        setFocusPolicy(Qt::NoFocus);
        setFocusProxy(m_edit->widget());
        applyColours();
        m_Font_FontChanged();
        subclassEdit();
        QWidget* edit = m_edit->widget();
        UserControl_Resize();
        edit->show();
        if (hadFocus)
            edit->setFocus();

        if (selStart != 0 || selEnd != 0)
            SetSel(selStart, selEnd);
        if (scrollH != 0)
            setScrollHorizontal(scrollH);
        if (scrollV != 0)
            setScrollVertical(scrollV);
        m_edit->setModified(modified);
    });
}

void UniText::subclassEdit()
{
    using namespace controls::wm;
    QWidget* edit = m_edit->widget();
    m_subclasses->ssc_Subclass(edit, 0,
                               [this](bool b, bool& h, qintptr& r, QWidget* w, const controls::WindowMessage& m,
                                      qintptr& u) { Private_WndProcEdit(b, h, r, w, m, u); });
    for (quint32 message :
         {WM_CHAR, WM_CONTEXTMENU, WM_LBUTTONDOWN, WM_MBUTTONDOWN, WM_RBUTTONDOWN, WM_MOUSEACTIVATE, WM_KEYDOWN})
        m_subclasses->ssc_AddMsg(edit, int(message), controls::MSG_BEFORE);
    for (quint32 message : {WM_CONTEXTMENU, WM_KEYUP, WM_MOUSELEAVE, WM_MOUSEMOVE, WM_MOUSEWHEEL, WM_LBUTTONUP,
                            WM_MBUTTONUP, WM_RBUTTONUP, WM_LBUTTONDBLCLK, WM_MBUTTONDBLCLK, WM_RBUTTONDBLCLK,
                            WM_SETFOCUS, msg::WM_HSCROLL, msg::WM_VSCROLL})
        m_subclasses->ssc_AddMsg(edit, int(message), controls::MSG_AFTER);

    // The edit window tells its parent of every change to its text, first before it is
    // shown and then after; a whole new text in a multi-line window tells nothing.
    auto notifyChange = [this, edit] {
        if (!m_edit || m_edit->widget() != edit || m_edit->isSettingText())
            return;
        controls::SendMessage(this, WM_COMMAND, controls::makeLong(0, msg::EN_UPDATE), 0, edit);
        controls::SendMessage(this, WM_COMMAND, controls::makeLong(0, msg::EN_CHANGE), 0, edit);
    };
    if (auto* multi = qobject_cast<MultiLineEdit*>(edit))
        connect(multi, &QPlainTextEdit::textChanged, this, notifyChange);
    else if (auto* single = qobject_cast<SingleLineEdit*>(edit))
        connect(single, &QLineEdit::textChanged, this, notifyChange);
}

QWidget* UniText::editWidget() const
{
    return m_edit ? m_edit->widget() : nullptr;
}

void UniText::notify(const char* propertyName)
{
    if (!m_host->userMode())
        m_host->propertyChanged(QLatin1String(propertyName));
}

void UniText::UserControl_Resize()
{
    common::handled(procedure("UserControl_Resize"), common::Message::Description, [&] {
        if (!m_edit)
            return;
        const int inset = m_appearance == 0 ? std::max(0, m_borderStyle) : 0;
        m_edit->widget()->setGeometry(inset, inset, std::max(0, width() - 2 * inset),
                                      std::max(0, height() - 2 * inset));
        update();
    });
}

void UniText::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    UserControl_Resize();
}

void UniText::Private_SetIPAO()
{
    if (!m_host->userMode())
        return;
    m_router = controls::KeyRouter::forHost(this);
    m_router->setActiveObject(this);
}

}
