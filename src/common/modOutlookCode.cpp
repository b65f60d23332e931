#include "common/modOutlookCode.h"

#include "common/AppTitle.h"
#include "common/ErrorBoundary.h"
#include "common/subEndProgram.h"
#include "lang/modMultiLingual.h"
#include "platform/ComponentRegistry.h"
#include "platform/MessageBox.h"
#include "platform/Services.h"

namespace modOutlookCode {

namespace {

short& cachedVersion = common::commonState.outlookVersion;

std::unique_ptr<platform::MailApplication> createMailApplication()
{
    std::unique_ptr<QObject> object =
        platform::ComponentRegistry::instance().createObject(QStringLiteral("Outlook.Application"));
    if (auto* application = qobject_cast<platform::MailApplication*>(object.get())) {
        object.release();
        return std::unique_ptr<platform::MailApplication>(application);
    }
    return nullptr;
}

}

void subSetupOutlook(long /*folder*/)
{
    if (gobjOutlook)
        return;
    common::ResumeNext resume;
    resume.run([] { gobjOutlook = createMailApplication(); });
    if (!gobjOutlook) {
        resume.run([] {
            platform::services().messageBox->msgBox(
                QStringLiteral("Please start Outlook manually before you execute this application!"),
                platform::mb::vbOKOnly, QString());
        });
        modMain::subEndProgram(modMain::EndCause::Failure);
    }
    short version = 0;
    resume.run([&] { version = OutlookVersion(); });
    if (version >= 9) {
        gobjOutlookNS = QStringLiteral("MAPI");
        return;
    }
    resume.run([&] {
        platform::services().messageBox->msgBox(modMultiLingual::LNGO2KNEEDED + QStringLiteral("\r\n")
                                                    + QString::number(version),
                                                platform::mb::vbCritical, modGlobals::gstrAppTitle);
    });
    modMain::subEndProgram(modMain::EndCause::Failure);
}

short OutlookVersion()
{
    modErroHandling::subLogStep(QStringLiteral("modOutlookCode.OutlookVersion"));
    if (cachedVersion == 0) {
        if (!gobjOutlook)
            subSetupOutlook(6);
        QString version = gobjOutlook->Version();
        cachedVersion = fncGetVersion(version);
    }
    return cachedVersion;
}

short fncGetVersion(QString& version)
{
    return common::handled(QStringLiteral("modOutlookCode.fncGetVersion"), common::Message::Description, [&] {
        modErroHandling::subLogStep(QStringLiteral("modOutlookCode.fncGetVersion"));
        const qsizetype point = version.indexOf(QLatin1Char('.'));
        if (point < 0)
            platform::raiseError(5, QStringLiteral("Invalid procedure call or argument"));
        version.truncate(point);
        bool number = false;
        const short major = version.trimmed().toShort(&number);
        if (!number)
            platform::raiseError(platform::err::TypeMismatch, QStringLiteral("Type mismatch"));
        return major;
    });
}

}
