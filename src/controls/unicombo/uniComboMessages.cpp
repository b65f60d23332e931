// The combo box control's handling of its windows' messages, its subclassing, and its
// part of the keyboard hook.
#include "controls/unicombo/uniCombo.h"

#include "common/ErrorBoundary.h"
#include "controls/shared/VirtualKeys.h"
#include "controls/unicombo/ComboNotifications.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>

namespace unicombo {

using namespace controls;
using namespace controls::wm;
using namespace cbn;

void uniCombo::pvSubclass()
{
    common::handled(QStringLiteral("UniCombo:pvSubclass"), common::Message::Description, [&] {
        if (m_bSubclassed || !m_hWndComboEx)
            return;
        UniComboModule::InitIPAO(m_IPAOHook, this);
        const SubclassHandler handler = [this](bool bBefore, bool& bHandled, qintptr& lReturn, QWidget* hWnd,
                                               const WindowMessage& msg, qintptr& lParamUser) {
            pvOnWindowMessage(bBefore, bHandled, lReturn, hWnd, msg, lParamUser);
        };
        const auto subclass = [&](QWidget* window, std::initializer_list<std::pair<quint32, int>> messages) {
            if (!window || !m_subclasses.ssc_Subclass(window, 0, handler))
                return;
            for (const auto& [message, when] : messages)
                m_subclasses.ssc_AddMsg(window, static_cast<int>(message), when);
        };
        subclass(this,
                 {{WM_SETFOCUS, MSG_AFTER}, {WM_SIZE, MSG_AFTER}, {WM_NOTIFY, MSG_BEFORE}, {WM_COMMAND, MSG_BEFORE}});
        subclass(m_hWndComboEx, {{WM_CTLCOLORLISTBOX, MSG_AFTER}});
        QWidget* combo = m_hWndCombo;
        QWidget* edit = m_hWndEdit;
        if (m_Style == 2) {
            subclass(combo,
                     {{WM_SETFOCUS, MSG_AFTER},
                      {WM_MOUSEACTIVATE, MSG_BEFORE},
                      {WM_KEYDOWN, MSG_AFTER},
                      {WM_CHAR, MSG_AFTER},
                      {WM_KEYUP, MSG_AFTER}});
        } else {
            subclass(combo, {{WM_SETFOCUS, MSG_AFTER}, {WM_MOUSEACTIVATE, MSG_BEFORE}, {WM_CTLCOLOREDIT, MSG_AFTER}});
            // Key downs of the edit are offered too: KeyDown is one of the control's events.
            subclass(edit,
                     {{WM_MOUSEACTIVATE, MSG_BEFORE},
                      {WM_SETFOCUS, MSG_AFTER},
                      {WM_KILLFOCUS, MSG_AFTER},
                      {WM_CHAR, MSG_BEFORE},
                      {WM_KEYDOWN, MSG_AFTER},
                      {WM_KEYUP, MSG_AFTER}});
        }
        m_bSubclassed = true;
    });
}

void uniCombo::pvOnWindowMessage(bool, bool& bHandled, qintptr& lReturn, QWidget* hWnd, const WindowMessage& msg,
                                 qintptr&)
{
    ComboBoxEx* const comboEx = m_hWndComboEx;
    QWidget* const combo = m_hWndCombo;
    QWidget* const edit = m_hWndEdit;

    // 1. The focus arrives: the control becomes the host's active control once.
    if (msg.uMsg == WM_SETFOCUS && !m_bInPlaceActive && hWnd && hWnd->isVisible()) {
        if (hWnd == combo || hWnd == edit || hWnd == comboEx) {
            pvSetIPAO();
            m_bInPlaceActive = true;
        } else if (comboEx) {
            comboEx->setFocus(Qt::OtherFocusReason);
        }
    }

    // 2. A click from outside: the focus comes into the control first; the click still lands.
    if (msg.uMsg == WM_MOUSEACTIVATE && !m_bInPlaceActive) {
        QWidget* focus = QApplication::focusWidget();
        if (!focus || (focus != edit && focus != combo)) {
            setFocus(Qt::MouseFocusReason);
            bHandled = true;
            lReturn = MA_NOACTIVATE;
            return;
        }
    }

    // 3. The first paint of a drop-down list: the host may place the list elsewhere.
    if (msg.uMsg == WM_CTLCOLORLISTBOX && m_Style != 0 && !m_hWndDropDownList) {
        m_hWndDropDownList = qobject_cast<QWidget*>(msg.lParamWindow);
        if (QWidget* list = m_hWndDropDownList) {
            const QRect at = list->geometry();
            int lLeft = at.left();
            int lTop = at.top();
            int lRight = at.left() + at.width();
            int lBottom = at.top() + at.height();
            bool bCancel = false;
            emit RequestDropDownResize(lLeft, lTop, lRight, lBottom, bCancel);
            if (!bCancel && m_hWndDropDownList)
                m_hWndDropDownList->setGeometry(lLeft, lTop, lRight - lLeft, lBottom - lTop);
        }
        if (m_hWndEdit)
            m_hWndEdit->setFocus(Qt::OtherFocusReason);
    }

    // 4. The control window: layout and the combo box window's reports.
    if (hWnd == this) {
        switch (msg.uMsg) {
        case WM_SIZE:
            pvResize();
            break;
        case WM_NOTIFY: {
            bHandled = true;
            const auto* header = static_cast<const NMHDR*>(msg.record);
            if (!header || !comboEx || header->hwndFrom != comboEx)
                break;
            if (header->code == CBEN_ENDEDITW || header->code == CBEN_ENDEDITA) {
                const auto* ended = static_cast<const NMCBEENDEDITW*>(msg.record);
                emit EndEdit(ended->fChanged, ended->iNewSelection, ended->szText, ended->iWhy);
            } else if (header->code == CBEN_BEGINEDIT) {
                emit BeginEdit();
            }
            break;
        }
        case WM_COMMAND:
            bHandled = true;
            lReturn = 0;
            if (!comboEx || msg.lParamWindow != comboEx)
                break;
            switch (hiWord(msg.wParam)) {
            case CBN_SELCHANGE:
                emit EditChange();
                emit ListIndexChange();
                emit Click();
                break;
            case CBN_EDITCHANGE:
                if (combo && loWord(msg.wParam) != ComboBoxEx::kComboId)
                    break;
                emit EditChange();
                break;
            case CBN_DROPDOWN:
                emit DropDown();
                break;
            case CBN_CLOSEUP:
                m_hWndDropDownList = nullptr;
                emit CloseUp();
                break;
            default:
                break;
            }
            break;
        default:
            break;
        }
        return;
    }

    // 5. Keys of the edit, and of the drop-down list style's combo, which has no edit.
    if (hWnd && (hWnd == edit || (m_Style == 2 && hWnd == combo))) {
        if (msg.uMsg == WM_KEYDOWN)
            pvRaiseKey(msg, true);
        else if (msg.uMsg == WM_KEYUP)
            pvRaiseKey(msg, false);
    }
}

// The shift state is the one the key came with, not the keyboard's state now.
void uniCombo::pvRaiseKey(const WindowMessage& msg, bool down)
{
    int KeyCode = static_cast<int>(msg.wParam & 255);
    int Shift = 0;
    if (msg.event && (msg.event->type() == QEvent::KeyPress || msg.event->type() == QEvent::KeyRelease))
        Shift = vk::shiftState(static_cast<QKeyEvent*>(msg.event)->modifiers());
    if (down)
        emit KeyDown(KeyCode, Shift);
    else
        emit KeyUp(KeyCode, Shift);
}

void uniCombo::pvSetIPAO()
{
    common::ResumeNext skip;
    skip.run([&] {
        KeyRouter* router = KeyRouter::forHost(this);
        router->setActiveObject(&m_IPAOHook);
        m_IPAOHook.host = router;
    });
}

// Navigation keys stay in the control; Enter and Esc reach the host unless they close
// the list; Tab is the host's (Ctrl+Tab goes to the host's focus handling once).
void uniCombo::TranslateAccel(const KeyMessage& lpMsg, bool& bHandled)
{
    common::ResumeNext skip;
    skip.run([&] {
        if (lpMsg.message != WM_KEYDOWN && lpMsg.message != WM_KEYUP)
            return;
        const int key = lpMsg.wParam;
        if (key < vk::VK_TAB || key > vk::VK_DOWN)
            return;
        if (key == vk::VK_TAB) {
            if (lpMsg.shift & vk::CtrlMask)
                KeyRouter::forHost(this)->controlSiteTab(lpMsg);
            return;
        }
        if (key == vk::VK_RETURN || key == vk::VK_ESCAPE) {
            if (m_hWndComboEx && m_hWndComboEx->droppedState()) {
                forwardKey(lpMsg.target, lpMsg);
                bHandled = true;
            }
            return;
        }
        if (key < vk::VK_PRIOR)
            return;
        if (m_Style == 1 && (key == vk::VK_HOME || key == vk::VK_END) && Dropped()) {
            if (lpMsg.message == WM_KEYDOWN) {
                const bool shift = lpMsg.shift & vk::ShiftMask;
                const int length = static_cast<int>(Text().size());
                if (key == vk::VK_END && !shift) {
                    pvSetSelStartEnd(length, length);
                } else if (key == vk::VK_END) {
                    if (length - SelStart() >= 0)
                        setSelLength(length - SelStart());
                } else if (!shift) {
                    setSelStart(0);
                    setSelLength(0);
                } else {
                    const int start = SelStart();
                    setSelStart(0);
                    if (start >= 1)
                        setSelLength(start);
                }
            }
            bHandled = true;
            return;
        }
        // The key goes to the part of the control it was aimed at (the edit, the combo or
        // the open list), through that part's own handling; with the list open the edit
        // still moves its caret sideways.
        const bool sideways = key == vk::VK_LEFT || key == vk::VK_RIGHT;
        forwardKey(sideways && m_hWndEdit && Dropped() ? m_hWndEdit.data() : lpMsg.target, lpMsg);
        bHandled = true;
    });
}

}
