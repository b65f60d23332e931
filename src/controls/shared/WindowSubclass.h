#pragma once

#include "controls/shared/WindowMessages.h"

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

// Window subclassing over Qt events: a control hands chosen messages of widgets it does
// not own (or of its own window) to one handler, before and after the widget's own
// handling runs.
//
// How a control uses it:
// 1. Its widgets are Subclassable<QLineEdit>, Subclassable<QComboBox>, ... (or derive from
//    WindowProcedureHost and route event() and the destructor the same way). Such a widget
//    translates each Qt event into WM_* messages (EventTranslation.h); its base class's
//    event() is the window's previous procedure.
// 2. The control keeps one WindowSubclassRegistry, calls ssc_Subclass(widget, 0, handler)
//    for each widget, then ssc_AddMsg(widget, WM_..., MSG_BEFORE or MSG_AFTER) per message.
// 3. Messages that have no Qt event (WM_COMMAND, WM_NOTIFY, ...) go through the same
//    tables by SendMessage(widget, message).
// 4. ssc_Terminate (or the registry's end) removes every record, newest first.
//
// One message through a record: the before handler (when its table offers the message);
// a handled message skips the previous procedure and the after handler, except the
// policy's release message (WM_DESTROY), which always reaches the previous procedure and,
// in the outermost call, lets the record go without an after call; otherwise the previous
// procedure, then the after handler with its result, which the handler may replace.
// A record removed or destroyed while one of its messages is still being handled stays
// alive until the outermost of them returns.
namespace controls {

class SubclassRecord;

constexpr int MSG_BEFORE = 1;
constexpr int MSG_AFTER = 2;
constexpr int MSG_BEFORE_AND_AFTER = 3;

// bBefore: true in the call before the previous procedure. bHandled (before calls): set it
// to keep the message from the previous procedure. lReturn: the message's result.
using SubclassHandler = std::function<void(bool bBefore, bool& bHandled, qintptr& lReturn, QWidget* hWnd,
                                           const WindowMessage& msg, qintptr& lParamUser)>;

struct SubclassPolicy
{
    // Errors of the handler and of the operations are reported as "<ownerName>:<operation>".
    QString ownerName;
    QString handlerName = QStringLiteral("pvOnWindowMessage");
    // The message after which a record lets go of its window.
    quint32 releaseMessage = wm::WM_DESTROY;
    // Refusals (no such widget, already subclassed, ...) and a full table: quiet when not set.
    std::function<void(const QString& routine, const QString& message)> report;
};

// The widget side: the procedure currently installed on a widget.
class WindowProcedureHost
{
public:
    WindowProcedureHost() = default;
    WindowProcedureHost(const WindowProcedureHost&) = delete;
    WindowProcedureHost& operator=(const WindowProcedureHost&) = delete;
    virtual ~WindowProcedureHost();

    bool isSubclassed() const { return static_cast<bool>(m_procedure); }

protected:
    // Runs a Qt event through the installed record, with `base` as the previous procedure.
    bool routeEvent(QWidget* self, QEvent* event, const std::function<bool(QEvent*)>& base);
    // The widget's own answer to a message that has no Qt event; 0 unless overridden.
    virtual qintptr windowProcedure(const WindowMessage& msg);
    // From the widget's destructor, while the widget is still whole.
    void announceDestroy(QWidget* self);

private:
    friend class SubclassRecord;
    friend class WindowSubclassRegistry;
    friend qintptr SendMessage(QWidget* hWnd, const WindowMessage& msg);
    std::shared_ptr<SubclassRecord> m_procedure;
};

template<class Base>
class Subclassable : public Base, public WindowProcedureHost
{
public:
    using Base::Base;
    ~Subclassable() override { announceDestroy(this); }

protected:
    bool event(QEvent* e) override
    {
        return routeEvent(this, e, [this](QEvent* ev) { return Base::event(ev); });
    }
};

// Sends a message to a widget: through its record when it has one, else straight to its
// own procedure. Widgets that are no WindowProcedureHost answer 0.
qintptr SendMessage(QWidget* hWnd, const WindowMessage& msg);
qintptr SendMessage(QWidget* hWnd, quint32 uMsg, qintptr wParam = 0, qintptr lParam = 0,
                    QObject* lParamWindow = nullptr, const void* record = nullptr);

// One control's records, keyed by widget.
class WindowSubclassRegistry
{
public:
    explicit WindowSubclassRegistry(SubclassPolicy policy);
    ~WindowSubclassRegistry();
    WindowSubclassRegistry(const WindowSubclassRegistry&) = delete;
    WindowSubclassRegistry& operator=(const WindowSubclassRegistry&) = delete;

    // False (and nothing installed) for no widget, a widget that does not route its events
    // through a record, a widget that already has one, or no handler.
    bool ssc_Subclass(QWidget* hWnd, qintptr lParamUser, SubclassHandler callback);
    // uMsg ALL_MESSAGES: every message. False when the widget has no record or a table was full.
    bool ssc_AddMsg(QWidget* hWnd, int uMsg, int when);
    void ssc_DelMsg(QWidget* hWnd, int uMsg, int when);
    void ssc_UnSubclass(QWidget* hWnd);
    void ssc_Terminate();

    bool isSubclassed(const QWidget* hWnd) const;
    int count() const { return static_cast<int>(m_records.size()); }
    const SubclassPolicy& policy() const { return m_policy; }

private:
    friend class SubclassRecord;
    SubclassRecord* zMap_VFunction(const QWidget* hWnd) const;
    void zUnThunk(QWidget* hWnd);
    void forget(const SubclassRecord* record);
    void refuse(const QString& routine, const QString& message) const;

    // The number of subclass records among the kinds of record a control keeps (subclass,
    // hook, callback), as the reports name it.
    static constexpr int kSubclassKind = 1;

    SubclassPolicy m_policy;
    std::vector<std::shared_ptr<SubclassRecord>> m_records;   // in the order created
    bool m_registryExists = false;                            // made by the first subclass, dropped by ssc_Terminate
};

}
