#include "common/modAssistant.h"

#include "common/AppTitle.h"
#include "common/ErrorBoundary.h"
#include "common/modErroHandling.h"
#include "platform/MessageBox.h"
#include "platform/Services.h"

namespace modAssistant {

int fncAskAlert(QObject* /*app*/, const QString& message, int buttons)
{
    modErroHandling::subLogStep(QStringLiteral("Creating Assistant to display message ") + message);
    int answer = platform::mb::vbNo;
    common::ResumeNext resume;
    resume.run([&] { answer = platform::services().messageBox->msgBox(message, buttons, modGlobals::gstrAppTitle); });
    return answer;
}

void subShowAlert(QObject* app, const QString& message)
{
    if (app)
        modErroHandling::subLogStep(QStringLiteral("Creating Assistant to display message ") + message);
    common::ResumeNext resume;
    resume.run([&] {
        platform::services().messageBox->msgBox(message, platform::mb::vbInformation, modGlobals::gstrAppTitle);
    });
}

}
