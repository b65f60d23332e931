#include "common/modErroHandling.h"

#include "common/AppTitle.h"
#include "common/ErrorBoundary.h"
#include "common/ProgramConfig.h"
#include "common/modFileHandling.h"
#include "common/modGetDefaultFolders.h"
#include "common/modOutlookCode.h"
#include "common/subEndProgram.h"
#include "lang/modMultiLingual.h"
#include "platform/App.h"
#include "platform/ConnectionStringSyntax.h"
#include "platform/MailClient.h"
#include "platform/MessageBox.h"
#include "platform/Services.h"

#include <QDateTime>
#include <QLocale>
#include <QSysInfo>

namespace modErroHandling {

namespace {

bool& blnErrorHandled = common::commonState.errorHandled;
bool& loggingNow = common::commonState.logging;

const QString kCrLf = QStringLiteral("\r\n");

}

bool errorHandled()
{
    return blnErrorHandled;
}

QString maskPasswords(const QString& text)
{
    return platform::connectionstringsyntax::maskPasswords(text);
}

ErrorReportText composeErrorReport(const QString& os, const QString& lastStep, const QString& description, long number,
                                   int line, const QString& procName)
{
    using namespace modMultiLingual;
    const QString head = LNGERRINAPP + QLatin1Char(' ') + modGlobals::gstrAppTitle + QStringLiteral(" (") + os
        + QLatin1Char(')') + kCrLf + QString(70, QLatin1Char('-')) + kCrLf + kCrLf;
    const QString report = LNGERRTHISERROR + QStringLiteral(" :") + kCrLf + lastStep + kCrLf + kCrLf + LNGERRSYSTEMERROR
        + QStringLiteral(" :") + kCrLf + description + kCrLf + QLatin1Char('#')
        + QString::number(static_cast<qint32>(number)) + kCrLf + kCrLf + LNGSUBROUTINE + QStringLiteral(" : ")
        + procName + QLatin1Char(' ') + kCrLf + LNGERRLINE + QStringLiteral(": ") + QString::number(line);
    const QString masked = maskPasswords(report);
    return ErrorReportText{head + masked + kCrLf + kCrLf + LNGERRSENDREPORT + QLatin1Char('?'), masked};
}

void subHandleError(const QString& description, long number, int line, const QString& procName)
{
    common::ResumeNext resume;
    if (!blnErrorHandled) {
        ErrorReportText text;
        resume.run(
            [&] { text = composeErrorReport(fncGetOS(), fncGetLastStep(), description, number, line, procName); });
        gstrErrorReport = text.report;
        blnErrorHandled = true;
        int answer = platform::mb::vbNo;
        resume.run([&] {
            answer =
                platform::services().messageBox->msgBox(text.dialog, platform::mb::vbYesNo, modGlobals::gstrAppTitle);
        });
        if (answer == platform::mb::vbYes) {
            resume.run([] {
                if (!modOutlookCode::gobjOutlook)
                    modOutlookCode::subSetupOutlook(6);
            });
            resume.run([] {
                gstrErrorReport +=
                    kCrLf + QStringLiteral("Outlook Version: ") + modOutlookCode::gobjOutlook->Version() + kCrLf;
            });
            subSendErrorMail();
        }
    }
    modMain::subEndProgram(modMain::EndCause::Failure);
}

void subSendErrorMail()
{
    common::ResumeNext resume;
    bool sent = false;
    resume.run([&] {
        std::unique_ptr<platform::MailItem> item = modOutlookCode::gobjOutlook->CreateItem(0);
        item->To = config::supportAddress();
        item->Subject = QStringLiteral("Error in %1 %2.%3.%4 (%5)")
                            .arg(modGlobals::gstrAppTitle)
                            .arg(platform::App::major())
                            .arg(platform::App::minor())
                            .arg(platform::App::revision())
                            .arg(fncGetOS());
        item->Body = maskPasswords(gstrErrorReport);
        item->Save();
        item->Display();
        sent = true;
    });
    if (!sent) {
        resume.run([] {
            platform::services().messageBox->msgBox(QStringLiteral("Failed to send error email using MS Outlook!"),
                                                    platform::mb::vbOKOnly | platform::mb::vbCritical,
                                                    modGlobals::gstrAppTitle);
        });
    }
    modMain::subEndProgram(modMain::EndCause::Failure);
}

QString fncGetOS()
{
    return common::handled(QStringLiteral("fncGetOS"), common::Message::LastStep, [] {
        const QString kernel = QSysInfo::kernelType();
        if (kernel.isEmpty())
            return QString();
        return kernel.left(1).toUpper() + kernel.mid(1) + QLatin1Char(' ') + QSysInfo::kernelVersion();
    });
}

QString fncGetLastStep()
{
    return gstrLastStep;
}

void subLogStep(const QString& msg)
{
    gstrLastStep = msg;
    if (gbLogSteps)
        subLog(msg);
}

void subLog(const QString& msg)
{
    // Finding the log folder may itself record steps; those are not logged again.
    if (loggingNow)
        return;
    loggingNow = true;
    common::ResumeNext resume;
    resume.run([&] {
        if (!modFileHandling::gobjFSO)
            modFileHandling::gobjFSO = std::make_unique<platform::FileSystemObject>();
        const QString file = fncGetLogFile();
        if (msg.isEmpty() || file.isEmpty())
            return;
        const QDateTime now = QDateTime::currentDateTime();
        const QString stamp = QLocale::system().toString(now.date(), QLocale::ShortFormat) + QLatin1Char(' ')
            + QLocale::system().toString(now.time(), QLocale::LongFormat);
        auto stream = modFileHandling::gobjFSO->OpenTextFile(file, platform::ForAppending, true);
        stream->Write(modGlobals::gstrAppTitle + QLatin1Char('\t') + stamp + QLatin1Char('\t') + maskPasswords(msg)
                      + kCrLf);
        stream->Close();
    });
    loggingNow = false;
}

// A log that cannot be written is no reason to end the program: no folder means no log.
QString fncGetLogFolder()
{
    QString folder;
    common::ResumeNext resume;
    resume.run([&] {
        modFileHandling::subSetupFS();
        const QString documents =
            modFileHandling::fncClearEndSlash(modGetDefaultFolders::fncGetSpecialFolderPath(5, 0));
        if (documents.isEmpty())
            return;
        const QString zelbrin = documents + QStringLiteral("/Zelbrin/");
        if (!modFileHandling::gobjFSO->FolderExists(zelbrin))
            modFileHandling::gobjFSO->CreateFolder(modFileHandling::fncClearEndSlash(zelbrin));
        folder = zelbrin;
    });
    return folder;
}

QString fncGetLogFile()
{
    const QString folder = fncGetLogFolder();
    if (folder.isEmpty())
        return QString();
    return folder + modGlobals::gstrAppTitle + QStringLiteral("_log.txt");
}

}
