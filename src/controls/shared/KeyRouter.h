#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

class QKeyEvent;

// The host's first refusal of keys: a window that holds one of our controls offers every
// key press and release aimed at that control to the control's TranslateAccel before its
// own handling (Tab focus, the default and cancel buttons) and before the control's
// widgets see it. A key the control reports handled goes no further; any other goes on
// as usual.
//
// How a control uses it:
// - it implements AcceleratorClient;
// - at each focus arrival it calls KeyRouter::forHost(window())->setActiveObject(this);
// - at teardown it calls clearActiveObject(this) (a router holds its active control
//   through a guarded pointer, so a key after the control's end reaches nothing freed);
// - inside TranslateAccel it passes a key on to one of its widgets with forwardKey, a Tab
//   that the container should see with controlSiteTab, and a key it leaves to the
//   container with hostTakesKey.
namespace controls {

// A key message as TranslateAccel sees it: WM_KEYDOWN or WM_KEYUP, the virtual key, and
// the shift state (1 Shift, 2 Ctrl, 4 Alt) the key was pressed with.
struct KeyMessage
{
    quint32 message = 0;
    int wParam = 0;
    qintptr lParam = 0;
    int shift = 0;
    QKeyEvent* event = nullptr;
    QWidget* target = nullptr;   // the widget the key was going to
};

class AcceleratorClient
{
public:
    virtual ~AcceleratorClient() = default;
    virtual void TranslateAccel(const KeyMessage& lpMsg, bool& handled) = 0;
    // Keys aimed at this widget or anything inside it (its popups too) are offered.
    virtual QWidget* acceleratorWindow() = 0;
};

class KeyRouter : public QObject
{
    Q_OBJECT
public:
    // The router of the window that holds `control`, made on first use.
    static KeyRouter* forHost(QWidget* control);

    void setActiveObject(AcceleratorClient* client);
    void clearActiveObject(AcceleratorClient* client);
    AcceleratorClient* activeObject() const;

    // The container's own Tab handling, once: the focus moves on (back with Shift).
    void controlSiteTab(const KeyMessage& msg);
    // The container's own handling of a key the control leaves to it (its focus move, its
    // default and cancel buttons), before the control's widgets see the key: true when the
    // container took it.
    bool hostTakesKey(const KeyMessage& msg);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit KeyRouter(QWidget* host);

    QWidget* m_host;
    AcceleratorClient* m_client = nullptr;
    QPointer<QWidget> m_clientWindow;
};

// Delivers a copy of the key to `target`, past every router, through the target's own
// event handling (and so through its subclass record).
void forwardKey(QWidget* target, const KeyMessage& msg);

}
