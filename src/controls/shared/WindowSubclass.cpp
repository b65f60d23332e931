#include "controls/shared/WindowSubclass.h"

#include "common/ErrorBoundary.h"
#include "controls/shared/EventTranslation.h"
#include "controls/shared/MessageTable.h"
#include "platform/ProcessEnd.h"

#include <QEvent>
#include <QPointer>
#include <algorithm>

namespace controls {

using PreviousProcedure = std::function<qintptr(const WindowMessage&)>;

// One subclassed widget: its tables, its handler and the count of its messages in progress.
class SubclassRecord : public std::enable_shared_from_this<SubclassRecord>
{
public:
    SubclassRecord(WindowSubclassRegistry* registry, QWidget* window, WindowProcedureHost* host,
                   SubclassHandler handler, qintptr userValue)
        : m_registry(registry)
        , m_window(window)
        , m_host(host)
        , m_handler(std::move(handler))
        , m_userValue(userValue)
        , m_ownerName(registry->policy().ownerName)
        , m_handlerName(registry->policy().handlerName)
        , m_releaseMessage(registry->policy().releaseMessage)
    {
    }

    MessageTable before;
    MessageTable after;

    QWidget* window() const { return m_window; }

    qintptr dispatch(const WindowMessage& msg, const PreviousProcedure& previous)
    {
        const auto keep = shared_from_this();
        ++m_depth;
        bool handled = false;
        qintptr result = 0;
        if (before.offers(static_cast<int>(msg.uMsg)))
            callHandler(true, handled, result, msg);
        const bool releasing = msg.uMsg == m_releaseMessage;
        if (releasing)
            m_releaseFlag |= Destroyed;
        if (!handled || releasing) {
            result = previous(msg);
            if (m_depth == 1 && m_releaseFlag) {
                --m_depth;
                release();
                return result;
            }
            if (after.offers(static_cast<int>(msg.uMsg)))
                callHandler(false, handled, result, msg);
        }
        leave();
        return result;
    }

    // An event that no table is asked about still counts as a call in progress.
    bool passThrough(const std::function<bool()>& previous)
    {
        const auto keep = shared_from_this();
        ++m_depth;
        bool result = false;
        try {
            result = previous();
        } catch (...) {
            leave();
            throw;
        }
        leave();
        return result;
    }

    // The control lets go: nothing is offered any more, and the widget gets its own
    // procedure back as soon as none of its messages is in progress.
    void requestRemoval()
    {
        m_releaseFlag |= RemovalAsked;
        before.clear();
        after.clear();
        if (m_depth == 0)
            release();
    }

    // The widget is going away under the record.
    void hostGone()
    {
        const auto keep = shared_from_this();
        m_host = nullptr;
        m_window = nullptr;
        release();
    }

    void detachFromRegistry() { m_registry = nullptr; }
    // Removed, but one of its messages is still in progress.
    bool leaving() const { return m_releaseFlag != 0; }

private:
    enum ReleaseFlag { RemovalAsked = 1, Destroyed = 2 };

    void leave()
    {
        --m_depth;
        if (m_depth == 0 && m_releaseFlag)
            release();
    }

    void release()
    {
        const auto keep = shared_from_this();
        before.clear();
        after.clear();
        m_handler = nullptr;
        if (m_host && m_host->m_procedure.get() == this)
            m_host->m_procedure.reset();
        m_host = nullptr;
        if (m_registry)
            m_registry->forget(this);
    }

    // A handler's error ends the program through the error call; it never unwinds into Qt.
    void callHandler(bool isBefore, bool& handled, qintptr& result, const WindowMessage& msg)
    {
        if (!m_handler)
            return;
        const SubclassHandler handler = m_handler;   // the handler may remove this record
        QWidget* window = m_window;
        platform::eventBoundary([&] {
            common::handled(m_ownerName + QLatin1Char(':') + m_handlerName, common::Message::Description,
                            [&] { handler(isBefore, handled, result, window, msg, m_userValue); });
        });
    }

    WindowSubclassRegistry* m_registry;
    QPointer<QWidget> m_window;
    WindowProcedureHost* m_host;
    SubclassHandler m_handler;
    qintptr m_userValue;
    QString m_ownerName;
    QString m_handlerName;
    quint32 m_releaseMessage;
    int m_depth = 0;
    int m_releaseFlag = 0;
};

// ---- the widget side

WindowProcedureHost::~WindowProcedureHost()
{
    if (const auto record = m_procedure)
        record->hostGone();
}

bool WindowProcedureHost::routeEvent(QWidget* self, QEvent* event, const std::function<bool(QEvent*)>& base)
{
    if (!m_procedure)
        return base(event);
    const QList<TranslatedMessage> messages = translateEvent(self, event);
    if (messages.isEmpty()) {
        const auto record = m_procedure;
        return record->passThrough([&] { return base(event); });
    }
    bool result = false;
    bool effectRan = false;
    for (const TranslatedMessage& t : messages) {
        const PreviousProcedure previous = [&](const WindowMessage&) -> qintptr {
            if (!t.carriesEffect)
                return 0;
            effectRan = true;
            result = base(event);
            return result ? 1 : 0;
        };
        if (const auto record = m_procedure)
            record->dispatch(t.msg, previous);
        else
            previous(t.msg);
    }
    if (!effectRan) {
        // A handler kept the event's effect from the widget: the event stops here.
        event->accept();
        return true;
    }
    return result;
}

qintptr WindowProcedureHost::windowProcedure(const WindowMessage&)
{
    return 0;
}

void WindowProcedureHost::announceDestroy(QWidget* self)
{
    if (!m_procedure)
        return;
    SendMessage(self, wm::WM_DESTROY);
    SendMessage(self, wm::WM_NCDESTROY);
    if (const auto record = m_procedure)
        record->hostGone();
}

qintptr SendMessage(QWidget* hWnd, const WindowMessage& msg)
{
    auto* host = dynamic_cast<WindowProcedureHost*>(hWnd);
    if (!host)
        return 0;
    const PreviousProcedure own = [host](const WindowMessage& m) { return host->windowProcedure(m); };
    if (const auto record = host->m_procedure)
        return record->dispatch(msg, own);
    return own(msg);
}

qintptr SendMessage(QWidget* hWnd, quint32 uMsg, qintptr wParam, qintptr lParam, QObject* lParamWindow,
                    const void* record)
{
    WindowMessage msg;
    msg.uMsg = uMsg;
    msg.wParam = wParam;
    msg.lParam = lParam;
    msg.lParamWindow = lParamWindow;
    msg.record = record;
    return SendMessage(hWnd, msg);
}

// ---- the registry

WindowSubclassRegistry::WindowSubclassRegistry(SubclassPolicy policy) : m_policy(std::move(policy))
{
}

WindowSubclassRegistry::~WindowSubclassRegistry()
{
    ssc_Terminate();
    for (const auto& record : m_records)
        record->detachFromRegistry();
}

bool WindowSubclassRegistry::ssc_Subclass(QWidget* hWnd, qintptr lParamUser, SubclassHandler callback)
{
    if (!hWnd) {
        refuse(QStringLiteral("ssc_Subclass"), QStringLiteral("Invalid window handle"));
        return false;
    }
    auto* host = dynamic_cast<WindowProcedureHost*>(hWnd);
    if (!host) {
        refuse(QStringLiteral("ssc_Subclass"), QStringLiteral("Window does not route its messages through a subclass"));
        return false;
    }
    // A record that is only waiting for its last message to return no longer counts: a
    // control that rebuilds itself from inside one of its own messages subclasses again.
    if (host->m_procedure && !host->m_procedure->leaving()) {
        refuse(QStringLiteral("ssc_Subclass"), QStringLiteral("Window handle is already subclassed"));
        return false;
    }
    if (!callback) {
        refuse(QStringLiteral("ssc_Subclass"), QStringLiteral("Callback method not found"));
        return false;
    }
    auto record = std::make_shared<SubclassRecord>(this, hWnd, host, std::move(callback), lParamUser);
    m_registryExists = true;
    m_records.push_back(record);
    host->m_procedure = std::move(record);
    return true;
}

bool WindowSubclassRegistry::ssc_AddMsg(QWidget* hWnd, int uMsg, int when)
{
    SubclassRecord* record = zMap_VFunction(hWnd);
    if (!record)
        return false;
    bool fits = true;
    for (MessageTable* table :
         {(when & MSG_BEFORE) ? &record->before : nullptr, (when & MSG_AFTER) ? &record->after : nullptr}) {
        if (table && table->add(uMsg) == MessageTable::AddResult::Full) {
            fits = false;
            refuse(QStringLiteral("zAddMsg"),
                   QStringLiteral("Message table overflow. Either increase the value of Const MSG_ENTRIES or use "
                                  "ALL_MESSAGES instead of specific message values"));
        }
    }
    return fits;
}

void WindowSubclassRegistry::ssc_DelMsg(QWidget* hWnd, int uMsg, int when)
{
    SubclassRecord* record = zMap_VFunction(hWnd);
    if (!record)
        return;
    if (when & MSG_BEFORE)
        record->before.remove(uMsg);
    if (when & MSG_AFTER)
        record->after.remove(uMsg);
}

void WindowSubclassRegistry::ssc_UnSubclass(QWidget* hWnd)
{
    zUnThunk(hWnd);
}

void WindowSubclassRegistry::ssc_Terminate()
{
    const std::vector<std::shared_ptr<SubclassRecord>> records = m_records;
    for (auto it = records.rbegin(); it != records.rend(); ++it) {
        (*it)->requestRemoval();
        forget(it->get());
    }
    m_registryExists = false;
}

bool WindowSubclassRegistry::isSubclassed(const QWidget* hWnd) const
{
    return hWnd && std::any_of(m_records.begin(), m_records.end(), [hWnd](const auto& record) {
               return record->window() == hWnd;
           });
}

SubclassRecord* WindowSubclassRegistry::zMap_VFunction(const QWidget* hWnd) const
{
    for (const auto& record : m_records) {
        if (hWnd && record->window() == hWnd)
            return record.get();
    }
    // A registry that was never made differs from one that lacks this window.
    refuse(QStringLiteral("zMap_VFunction"),
           m_registryExists ? QStringLiteral("Thunk type for %1 does not exist").arg(kSubclassKind)
                            : QStringLiteral("Thunk hasn't been initialized"));
    return nullptr;
}

void WindowSubclassRegistry::zUnThunk(QWidget* hWnd)
{
    SubclassRecord* record = zMap_VFunction(hWnd);
    if (!record)
        return;
    const auto keep = record->shared_from_this();
    record->requestRemoval();
    forget(record);
}

void WindowSubclassRegistry::forget(const SubclassRecord* record)
{
    const auto it =
        std::find_if(m_records.begin(), m_records.end(), [record](const auto& held) { return held.get() == record; });
    if (it == m_records.end())
        return;
    (*it)->detachFromRegistry();
    m_records.erase(it);
}

void WindowSubclassRegistry::refuse(const QString& routine, const QString& message) const
{
    if (m_policy.report)
        m_policy.report(routine, message);
}

}
