#include "controls/unicombo/UniComboModule.h"

#include "common/ErrorBoundary.h"
#include "controls/unicombo/uniCombo.h"
#include "platform/ProcessEnd.h"

namespace unicombo {

namespace {

template<class F>
void reported(const char* operation, F&& body)
{
    common::handled(QStringLiteral("UniComboModule:") + QLatin1String(operation), common::Message::Description,
                    std::forward<F>(body));
}

}

void IPAOHook::TranslateAccel(const controls::KeyMessage& lpMsg, bool& handled)
{
    UniComboModule::TranslateAccelerator(*this, lpMsg, handled);
}

QWidget* IPAOHook::acceleratorWindow()
{
    return pControl;
}

namespace UniComboModule {

void InitIPAO(IPAOHook& hook, uniCombo* control)
{
    reported("InitIPAO", [&] { hook.pControl = control; });
}

void TerminateIPAO(IPAOHook& hook)
{
    reported("TerminateIPAO", [&] {
        if (hook.host)
            hook.host->clearActiveObject(&hook);
        hook.host = nullptr;
        hook.pControl = nullptr;
    });
}

void TranslateAccelerator(IPAOHook& hook, const controls::KeyMessage& lpMsg, bool& handled)
{
    // Called from the host's key handling: a program end stops here, not inside the toolkit.
    platform::eventBoundary([&] {
        reported("TranslateAccelerator", [&] {
            if (hook.pControl)
                hook.pControl->TranslateAccel(lpMsg, handled);
        });
    });
}

}

}
