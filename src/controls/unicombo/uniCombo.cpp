#include "controls/unicombo/uniCombo.h"

#include "common/ErrorBoundary.h"
#include "controls/unicombo/ComboItems.h"
#include "controls/unicombo/ImageList.h"
#include "controls/unicombo/uniComboShared.h"
#include "platform/ProcessEnd.h"
#include "platform/VbError.h"

#include <QApplication>

namespace unicombo {

using namespace controls;
using namespace shared;

namespace {

// A stored number that would break the control is read as its default.
int storedCount(const QVariant& value, int defaultValue, int maximum)
{
    bool ok = false;
    const int n = value.toInt(&ok);
    return ok && n >= 0 ? std::min(n, maximum) : defaultValue;
}

}

uniCombo::uniCombo(QWidget* parent, HostServices* host)
    : Subclassable<QWidget>(parent)
    , m_host(host ? host : &runModeHost())
    , m_subclasses(SubclassPolicy{QStringLiteral("UniCombo"), QStringLiteral("pvOnWindowMessage"), wm::WM_DESTROY, {}})
    , m_ownFont(new StdFont(this))
{
    m_items = new comboitems::ItemModel([this] { return imagesShown(); }, this);
    m_delegate = new comboitems::ItemDelegate([this] { return imagesShown(); }, this);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    connect(qApp, &QApplication::focusChanged, this, &uniCombo::pvFocusChanged);
    UserControl_Initialize();
    UserControl_InitProperties();
}

uniCombo::~uniCombo()
{
    // What follows tears down widgets; no report of it may reach a half-destroyed control.
    disconnect(qApp, nullptr, this, nullptr);
    UserControl_Terminate();
}

// ---- lifecycle

void uniCombo::UserControl_Initialize()
{
    guarded("UserControl_Initialize", [&] {
        m_oFont = m_ownFont;
        connect(m_ownFont, &StdFont::FontChanged, this, &uniCombo::m_oFont_FontChanged);
        m_hImageList = new ImageList(m_ImageSize, this);
    });
}

void uniCombo::UserControl_InitProperties()
{
    guarded("UserControl_InitProperties", [&] {
        // The host's font is copied: changing the control's font must not change the host's.
        {
            const QSignalBlocker quiet(m_ownFont);
            m_ownFont->assign(m_host->ambientFont(*this));
        }
        pvApplyFont(m_ownFont);
        m_Style = 1;
        m_ExtendedStyle = 3;
        m_ImageSize = 16;
        m_DroppedHeight = 160;
        m_DroppedWidth = 0;
        QWidget::setEnabled(true);
        m_MaxLength = 0;
        m_ExtendedUI = false;
        m_Redraw = true;
        pvCreate();
    });
}

void uniCombo::UserControl_ReadProperties(const PropertyBag& PropBag)
{
    guarded("UserControl_ReadProperties", [&] {
        const QVariant font = PropBag.ReadProperty(QStringLiteral("Font"));
        if (font.metaType() == QMetaType::fromType<QFont>()) {
            const QSignalBlocker quiet(m_ownFont);
            m_ownFont->assign(font.value<QFont>());
        }
        pvApplyFont(m_ownFont);
        m_Style = normalStyle(PropBag.ReadProperty(QStringLiteral("Sty"), 1).toInt());
        m_ExtendedStyle = PropBag.ReadProperty(QStringLiteral("ExSty"), 3).toInt() & 3;
        m_DroppedHeight = storedCount(PropBag.ReadProperty(QStringLiteral("DHt"), 160), 160, kMaxDroppedPixels);
        m_DroppedWidth = storedCount(PropBag.ReadProperty(QStringLiteral("DWd"), 0), 0, kMaxDroppedPixels);
        QWidget::setEnabled(PropBag.ReadProperty(QStringLiteral("Enbld"), true).toBool());
        m_MaxLength =
            storedCount(PropBag.ReadProperty(QStringLiteral("MaxLen"), 0), 0, std::numeric_limits<int>::max());
        m_ExtendedUI = PropBag.ReadProperty(QStringLiteral("ExtUI"), false).toBool();
        const int imageSize = storedCount(PropBag.ReadProperty(QStringLiteral("ImgSize"), 16), 16, kMaxImageSize);
        m_ImageSize = imageSize > 0 ? imageSize : 16;
        m_Redraw = true;
        pvCreate();
    });
}

void uniCombo::UserControl_WriteProperties(PropertyBag& PropBag) const
{
    guarded("UserControl_WriteProperties", [&] {
        PropBag.WriteProperty(QStringLiteral("Font"), m_oFont->exactFont());
        PropBag.WriteProperty(QStringLiteral("Sty"), m_Style, 1);
        PropBag.WriteProperty(QStringLiteral("ExSty"), m_ExtendedStyle, 3);
        PropBag.WriteProperty(QStringLiteral("DHt"), m_DroppedHeight, 160);
        PropBag.WriteProperty(QStringLiteral("DWd"), m_DroppedWidth, 0);
        PropBag.WriteProperty(QStringLiteral("Enbld"), Enabled(), true);
        PropBag.WriteProperty(QStringLiteral("MaxLen"), m_MaxLength, 0);
        PropBag.WriteProperty(QStringLiteral("ExtUI"), m_ExtendedUI, false);
        PropBag.WriteProperty(QStringLiteral("ImgSize"), m_ImageSize, 16);
    });
}

void uniCombo::UserControl_GotFocus()
{
    guarded("UserControl_GotFocus", [&] {
        const QString text = Text();
        if (!text.isEmpty())
            pvSetSelStartEnd(0, static_cast<int>(text.size()));
    });
}

void uniCombo::UserControl_LostFocus()
{
    m_bInPlaceActive = false;
}

void uniCombo::UserControl_Terminate()
{
    guarded("UserControl_Terminate", [&] {
        UniComboModule::TerminateIPAO(m_IPAOHook);
        m_subclasses.ssc_Terminate();
        m_bSubclassed = false;
        // The windows go with the control and say nothing more on their way out.
        if (m_hWndComboEx)
            m_hWndComboEx->retire();
    });
}

void uniCombo::m_oFont_FontChanged()
{
    pvApplyFont(m_oFont);
}

// Focus entering or leaving the control as a whole (its list window included).
void uniCombo::pvFocusChanged(QWidget* old, QWidget* now)
{
    const auto within = [this](const QWidget* w) {
        for (; w; w = w->parentWidget()) {
            if (w == this)
                return true;
        }
        return false;
    };
    platform::eventBoundary([&] {
        if (!within(old) && within(now))
            UserControl_GotFocus();
        else if (within(old) && now && !within(now))
            UserControl_LostFocus();
    });
}

// ---- creation

void uniCombo::pvCreate()
{
    guarded("pvCreate", [&] {
        // What the user sees is carried into the new window.
        const bool recreating = m_hWndComboEx;
        const QString text = recreating ? Text() : QString();
        const int selection = recreating ? ListIndex() : -1;
        const bool hadFocus = recreating && QApplication::focusWidget() && isAncestorOf(QApplication::focusWidget());
        pvDestroy();
        m_hWndDropDownList = nullptr;

        auto* comboEx = new ComboBoxEx(m_Style, m_items, m_delegate, this);
        m_hWndComboEx = comboEx;
        m_hWndCombo = comboEx->comboControl();
        m_hWndEdit = comboEx->editControl();
        comboEx->setDroppedWidth(m_DroppedWidth);
        comboEx->limitText(m_Style == 2 ? 0 : m_MaxLength);
        comboEx->setExtendedUI(m_ExtendedUI);
        pvSubclass();
        m_hImageList->setImageSize(m_ImageSize);
        comboEx->setImageSize(m_ImageSize);
        pvAttachImages();
        pvApplyFont(m_oFont);
        comboEx->setRedraw(m_Redraw);
        if (recreating) {
            comboEx->setCurSel(selection);
            if (m_hWndEdit)
                comboEx->setEditText(text, false);
        }
        setFocusProxy(comboEx);
        comboEx->show();
        pvResize();
        if (hadFocus)
            comboEx->setFocus();
    });
}

void uniCombo::pvDestroy()
{
    guarded("pvDestroy", [&] {
        m_subclasses.ssc_Terminate();
        m_bSubclassed = false;
        if (m_hWndComboEx)
            m_hWndComboEx->retire();
        m_hWndComboEx = nullptr;
        m_hWndCombo = nullptr;
        m_hWndEdit = nullptr;
    });
}

void uniCombo::pvResize()
{
    guarded("pvResize", [&] {
        if (m_hWndComboEx)
            m_hWndComboEx->setGeometry(rect());
    });
}

void uniCombo::pvAttachImages()
{
    m_ownListAttached = m_ExtendedStyle != 2;
    m_items->setFieldImages(!(m_ExtendedStyle & 1));
    if (m_hWndComboEx) {
        m_hWndComboEx->setFieldIndent(!(m_ExtendedStyle & 2));
        m_hWndComboEx->update();
    }
}

ImageList* uniCombo::imagesShown() const
{
    if (m_hImageListGiven)
        return m_hImageListGiven;
    return m_ownListAttached ? m_hImageList : nullptr;
}

void uniCombo::pvApplyFont(StdFont* font)
{
    if (!font)
        return;
    guarded("pvApplyFont", [&] {
        if (m_oFont != font) {
            if (m_oFont)
                disconnect(m_oFont, &StdFont::FontChanged, this, &uniCombo::m_oFont_FontChanged);
            m_oFont = font;
            connect(font, &StdFont::FontChanged, this, &uniCombo::m_oFont_FontChanged);
        }
        QWidget::setFont(font->toQFont());
        if (m_hWndComboEx) {
            if (m_Style != 0) {
                setFixedHeight(m_hWndComboEx->selectionFieldHeight() + 6);
            } else {
                setMinimumHeight(0);
                setMaximumHeight(QWIDGETSIZE_MAX);
            }
        }
        pvPropChanged(QStringLiteral("Font"));
    });
}

void uniCombo::pvPropChanged(const QString& name)
{
    if (!m_host->userMode())
        m_host->propertyChanged(name);
}

QSize uniCombo::sizeHint() const
{
    if (!m_hWndComboEx)
        return QWidget::sizeHint();
    if (m_Style != 0)
        return QSize(m_hWndComboEx->sizeHint().width(), m_hWndComboEx->selectionFieldHeight() + 6);
    const int row = fontMetrics().height() + 4;
    return QSize(m_hWndComboEx->sizeHint().width(), m_hWndComboEx->selectionFieldHeight() + 8 * row);
}

void uniCombo::pvRaise(long number, const QString& description) const
{
    platform::raiseError(number, description, m_host->exeName() + QStringLiteral(".uniCombo"));
}

// ---- selection

void uniCombo::pvGetSel(int& start, int& end) const
{
    start = end = 0;
    if (!m_hWndComboEx || !m_hWndEdit)
        return;
    if (m_hWndEdit->hasSelectedText()) {
        start = m_hWndEdit->selectionStart();
        end = m_hWndEdit->selectionEnd();
    } else {
        start = end = m_hWndEdit->cursorPosition();
    }
}

// Positions are clamped to the text, however long it is.
void uniCombo::pvSetSelStartEnd(int start, int end)
{
    if (!m_hWndComboEx || !m_hWndEdit)
        return;
    const int length = static_cast<int>(m_hWndEdit->text().size());
    start = std::clamp(start, 0, length);
    end = std::clamp(end, 0, length);
    if (start == end)
        m_hWndEdit->setCursorPosition(start);
    else
        m_hWndEdit->setSelection(start, end - start);
}

int uniCombo::SelLength() const
{
    int start = 0, end = 0;
    pvGetSel(start, end);
    return end - start;
}

void uniCombo::setSelLength(int value)
{
    int start = 0, end = 0;
    pvGetSel(start, end);
    pvSetSelStartEnd(start, start + value);
}

int uniCombo::SelEnd() const
{
    int start = 0, end = 0;
    pvGetSel(start, end);
    return end;
}

void uniCombo::setSelEnd(int value)
{
    int start = 0, end = 0;
    pvGetSel(start, end);
    if (start < value)
        pvSetSelStartEnd(start, value);
    else
        pvSetSelStartEnd(value, value);
}

int uniCombo::SelStart() const
{
    int start = 0, end = 0;
    pvGetSel(start, end);
    return start;
}

void uniCombo::setSelStart(int value)
{
    int start = 0, end = 0;
    pvGetSel(start, end);
    if (end > value)
        pvSetSelStartEnd(value, end);
    else
        pvSetSelStartEnd(value, value);
}

QString uniCombo::SelText() const
{
    if (!m_hWndEdit)
        return Text();
    int start = 0, end = 0;
    pvGetSel(start, end);
    return Text().mid(start, end - start);
}

}
