#include "controls/unitext/UniText.h"

#include "common/ErrorBoundary.h"
#include "controls/shared/HostServices.h"
#include "controls/shared/VirtualKeys.h"
#include "controls/unitext/EditWindow.h"
#include "controls/unitext/UniTextMessages.h"
#include "platform/MessageBox.h"
#include "platform/Services.h"

#include <QGuiApplication>
#include <QInputEvent>
#include <QPainter>
#include <qdrawutil.h>

namespace unitext {

using namespace controls::wm;

namespace {

int buttonOfMessage(quint32 message)
{
    switch (message) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
        return 2;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
        return 4;
    default:
        return 1;
    }
}

int buttonMask(qintptr wParam)
{
    int mask = 0;
    if (wParam & MK_LBUTTON)
        mask = 1;
    if (wParam & MK_MBUTTON)
        mask += 4;
    if (wParam & MK_RBUTTON)
        mask += 2;
    return mask;
}

}

void zReportError(const QString& routine, const QString& message)
{
    const QString source = QStringLiteral("UniText.") + routine;
    qWarning("%s: %s", qUtf8Printable(source), qUtf8Printable(message));
    if (platform::MessageBoxService* box = platform::services().messageBox)
        box->msgBox(message + QLatin1Char('.'), platform::mb::vbExclamation, QStringLiteral("Error in ") + source);
}

bool UniText::event(QEvent* event)
{
    return routeEvent(this, event, [this](QEvent* e) { return QWidget::event(e); });
}

// Private_GetShiftMask: the modifiers of the event behind the message, else the keyboard now.
static int shiftMaskOf(const controls::WindowMessage& msg)
{
    if (const auto* key = dynamic_cast<QKeyEvent*>(msg.event))
        return controls::vk::shiftStateOfKey(*key);
    if (msg.event && dynamic_cast<QInputEvent*>(msg.event))
        return controls::vk::shiftState(static_cast<QInputEvent*>(msg.event)->modifiers());
    return controls::vk::shiftState(QGuiApplication::queryKeyboardModifiers());
}

void UniText::Private_WndProcEdit(bool bBefore, bool& bHandled, qintptr& lReturn, QWidget* hWnd,
                                  const controls::WindowMessage& msg, qintptr&)
{
    if (bBefore) {
        switch (msg.uMsg) {
        case WM_MOUSEACTIVATE:
            if (!hWnd->hasFocus())
                setFocus(Qt::MouseFocusReason);
            return;
        case WM_CONTEXTMENU:
            if (m_useEvents) {
                bool cancel = false;
                emit ContextMenu(cancel);
                if (cancel) {
                    bHandled = true;
                    lReturn = 0;
                }
            }
            return;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            // The second press of a double click comes as the double click alone, as Windows has it.
            if (m_useEvents)
                raiseMouse(msg, true);
            return;
        case WM_KEYDOWN:
        case WM_CHAR:
            if (m_useEvents)
                bHandled = Private_WndEventKeyboard(msg);
            return;
        default:
            return;
        }
    }

    switch (msg.uMsg) {
    case WM_MOUSEMOVE:
        if (!m_mouseOver) {
            m_mouseOver = true;
            if (m_useEvents && m_host->userMode())
                emit MouseEnter();
        }
        if (m_useEvents)
            raiseMouse(msg, false);
        break;
    case WM_MOUSELEAVE:
        m_mouseOver = false;
        if (m_useEvents && m_host->userMode())
            emit MouseLeave();
        break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        if (m_useEvents) {
            raiseMouse(msg, false);
            if (m_mouseOver) {
                int button = buttonOfMessage(msg.uMsg);
                emit Click(button);
            }
        }
        break;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
        if (m_useEvents) {
            int button = buttonOfMessage(msg.uMsg);
            emit DblClick(button);
        }
        break;
    case WM_MOUSEWHEEL:
        // The turn is the sign of the wheel's delta alone, not of the key state beside it.
        if (m_useEvents && m_host->userMode())
            emit MouseWheel(qint16(controls::hiWord(msg.wParam)) > 0 ? 1 : 0, shiftMaskOf(msg));
        break;
    case msg::WM_HSCROLL:
        emit Scroll(1);
        break;
    case msg::WM_VSCROLL:
        emit Scroll(2);
        break;
    case WM_SETFOCUS:
        Private_SetIPAO();
        break;
    case WM_KEYUP: {
        // A held key repeats its press alone; the releases that come with each repeat are not real.
        constexpr qintptr kRepeated = qintptr(1) << 30;
        if (msg.lParam & kRepeated)
            break;
        int keyCode = int(msg.wParam & 0xFFFF);
        emit KeyUp(keyCode, shiftMaskOf(msg));
        break;
    }
    default:
        break;
    }
}

void UniText::raiseMouse(const controls::WindowMessage& msg, bool before)
{
    const int shift = shiftMaskOf(msg);
    float x = float(m_host->toContainerX(qint16(controls::loWord(msg.lParam)), *this));
    float y = float(m_host->toContainerY(qint16(controls::hiWord(msg.lParam)), *this));
    int button = 0;
    switch (msg.uMsg) {
    case WM_MOUSEMOVE:
        button = buttonMask(msg.wParam);
        emit MouseMove(button, shift, x, y);
        break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        button = buttonOfMessage(msg.uMsg);
        emit MouseUp(button, shift, x, y);
        break;
    default:
        if (before) {
            button = buttonMask(msg.wParam);
            emit MouseDown(button, shift, x, y);
        }
        break;
    }
}

bool UniText::Private_WndEventKeyboard(const controls::WindowMessage& msg)
{
    return common::handled(QStringLiteral("UniText:Private_WndEventKeyboard"), common::Message::Description, [&] {
        // Codes are whole UTF-16 units, 0..0xFFFF: a CJK character or a surrogate half is a
        // code like any other.
        int code = int(msg.wParam & 0xFFFF);
        if (msg.uMsg == WM_KEYDOWN)
            emit KeyDown(code, shiftMaskOf(msg));
        else
            emit KeyPress(code);
        return code == 0;
    });
}

QString UniText::filterCommit(const QString& commit)
{
    if (!m_useEvents)
        return commit;
    QString kept;
    for (QChar unit : commit) {
        int keyAscii = unit.unicode();
        emit KeyPress(keyAscii);
        if (keyAscii != 0)
            kept += unit;   // as on the typing path, only 0 is read back
    }
    return kept;
}

void UniText::Private_WndProcMain(bool bBefore, bool& bHandled, qintptr& lReturn, QWidget*,
                                  const controls::WindowMessage& msg, qintptr&)
{
    if (bBefore) {
        switch (msg.uMsg) {
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
            // The colours are the edit window's palette, set whenever they change.
            bHandled = true;
            return;
        case WM_COMMAND:
            if (controls::hiWord(msg.wParam) == msg::EN_SETFOCUS) {
                bHandled = true;
                lReturn = 0;
                return;
            }
            break;
        case WM_DESTROY:
            m_subclasses->ssc_UnSubclass(this);
            break;
        case WM_ERASEBKGND:
            bHandled = true;
            lReturn = -1;
            return;
        default:
            break;
        }
        if (!bHandled && m_useEvents && msg.uMsg == WM_COMMAND) {
            if (controls::hiWord(msg.wParam) == msg::EN_CHANGE)
                emit Change();
            else if (controls::hiWord(msg.wParam) == msg::EN_UPDATE)
                emit Update();
        }
        return;
    }

    if (msg.uMsg == WM_PAINT && m_appearance == 0 && m_borderStyle != 0) {
        // The flat edge, in the inset the edit window leaves free.
        QPainter painter(this);
        if (m_borderStyle == 1)
            qDrawShadePanel(&painter, rect(), palette(), true, 1);
        else
            qDrawWinPanel(&painter, rect(), palette(), true);
    }
}

}
