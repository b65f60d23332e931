#pragma once

#include "common/AppTitle.h"
#include "common/CommonState.h"
#include "common/modAPI.h"
#include "common/modErroHandling.h"
#include "common/modFileHandling.h"
#include "common/modOutlookCode.h"
#include "common/subEndProgram.h"
#include "lang/modMultiLingual.h"
#include "platform/FakeServices.h"

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QWidget>

// One run of the program as far as the common services know it: fake desktop services,
// fresh module state, the English phrases of the error report.
class FreshRun
{
public:
    FreshRun()
    {
        common::startFreshRun();
        modGlobals::gstrAppTitle = QStringLiteral("Tessaline Tool for Excel");
        useErrorReportPhrases();
    }
    ~FreshRun() { common::startFreshRun(); }

    // The English phrases of the error report, which every fresh run empties.
    static void useErrorReportPhrases()
    {
        using namespace modMultiLingual;
        LNGERRINAPP = QStringLiteral("There has been an error in this application.");
        LNGERRTHISERROR = QStringLiteral("This error has occured:");
        LNGERRSYSTEMERROR = QStringLiteral("The system error message was:");
        LNGSUBROUTINE = QStringLiteral("Sub routine");
        LNGERRLINE = QStringLiteral("Error on line");
        LNGERRSENDREPORT = QStringLiteral("Would you like to send an e-mail with an error report?");
    }

    // Runs code that is expected to end the program; true when it did.
    template<class F>
    bool ends(F&& code)
    {
        try {
            code();
        } catch (const platform::ProcessEnded&) {
            return true;
        }
        return false;
    }

    // Windows a test left open, so that the next test starts without them.
    static void deleteTopLevelWindows()
    {
        QList<QPointer<QWidget>> windows;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (!window->parentWidget())
                windows.append(window);
        }
        for (const QPointer<QWidget>& window : windows)
            delete window.data();
    }

    static QByteArray bytesOf(const QString& path)
    {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }

    platform::FakeServices fakes;
};
