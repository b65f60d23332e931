#include "controls/unitext/UniText.h"

#include "common/ErrorBoundary.h"
#include "controls/shared/HostServices.h"
#include "controls/shared/VirtualKeys.h"
#include "controls/unitext/EditWindow.h"

#include <QKeyEvent>
#include <QPushButton>

#include <utility>

namespace unitext {

using namespace controls::vk;

namespace {

bool isNavigationKey(int virtualKey)
{
    return virtualKey >= VK_PRIOR && virtualKey <= VK_DOWN;
}

}

// A key the box takes for itself is passed through the edit window's record (so KeyDown and
// KeyUp are raised) without the edit window's own reaction to it, which the box decides.
void UniText::forwardToEdit(const controls::KeyMessage& lpMsg, bool throughEffect)
{
    QWidget* edit = m_edit->widget();
    if (throughEffect) {
        controls::forwardKey(edit, lpMsg);
        return;
    }
    controls::WindowMessage msg;
    msg.uMsg = lpMsg.message;
    msg.wParam = lpMsg.wParam;
    msg.lParam = lpMsg.lParam;
    msg.event = lpMsg.event;
    controls::SendMessage(edit, msg);
}

// A Tab, Enter or Esc that the box leaves alone is the host's first (its focus move, its
// default button, its cancel): a key the host takes, press and release, never reaches the
// box. An Enter goes to the default button where there is one, whatever the host window.
bool UniText::hostTakesKey(const controls::KeyMessage& lpMsg)
{
    if (lpMsg.message == controls::wm::WM_KEYUP)
        return std::exchange(m_keyTakenByHost, 0) == lpMsg.wParam;
    m_keyTakenByHost = 0;
    bool taken = false;
    if (lpMsg.wParam == VK_RETURN) {
        for (QPushButton* button : window()->findChildren<QPushButton*>()) {
            if (button->isDefault() && button->isVisible() && button->isEnabled()) {
                button->click();
                taken = true;
                break;
            }
        }
    }
    if (!taken)
        taken = m_router && m_router->hostTakesKey(lpMsg);
    if (taken)
        m_keyTakenByHost = lpMsg.wParam;
    return taken;
}

void UniText::TranslateAccel(const controls::KeyMessage& lpMsg, bool& handled)
{
    handled = false;
    common::handled(QStringLiteral("UniText:TranslateAccel"), common::Message::Description, [&] {
        // The focus is left where it is: only keys aimed at the box come here.
        if (!m_edit)
            return;
        const bool down = lpMsg.message == controls::wm::WM_KEYDOWN;
        if (!down && lpMsg.message != controls::wm::WM_KEYUP)
            return;
        switch (lpMsg.wParam) {
        case VK_TAB:
            if (!m_captureTab) {
                // The host moves the focus before the box hears of the key.
                handled = hostTakesKey(lpMsg);
                return;
            }
            if (!(lpMsg.shift & (ShiftMask | CtrlMask))) {
                // The edit window takes a Tab as a character where it can hold one.
                forwardToEdit(lpMsg, false);
            } else if (m_router) {
                m_router->controlSiteTab(lpMsg);
            }
            handled = true;
            return;
        case VK_RETURN:
            if (!m_captureEnter) {
                handled = hostTakesKey(lpMsg);
                return;
            }
            forwardToEdit(lpMsg, false);
            if (down && m_host->userMode()) {
                int keyAscii = 13;
                emit KeyPress(keyAscii);
                // A locked box takes no text, not even from a captured key.
                const QString insert = keyAscii == 13 ? QStringLiteral("\r\n") : QString(QChar(char16_t(keyAscii)));
                if (keyAscii != 0 && !m_locked && m_edit && insert.size() <= room()) {
                    m_edit->replaceSelection(insert);
                    m_edit->scrollToCaret();
                }
            }
            handled = true;
            return;
        case VK_ESCAPE:
            if (!m_captureEsc) {
                handled = hostTakesKey(lpMsg);
                return;
            }
            forwardToEdit(lpMsg, false);
            if (down) {
                int keyAscii = 27;
                emit KeyPress(keyAscii);
            }
            handled = true;
            return;
        default:
            if (isNavigationKey(int(lpMsg.wParam))) {
                forwardToEdit(lpMsg, true);
                handled = true;
                return;
            }
            handled = m_locked;
            return;
        }
    });
}

bool UniText::ownsKey(const QKeyEvent& key) const
{
    const int virtualKey = virtualKeyFromQt(key.key());
    if (isNavigationKey(virtualKey))
        return true;
    switch (virtualKey) {
    case VK_TAB:
        return m_captureTab;
    case VK_RETURN:
        return m_captureEnter;
    case VK_ESCAPE:
        return m_captureEsc;
    default:
        return m_locked;
    }
}

}
