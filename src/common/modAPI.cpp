#include "common/modAPI.h"

#include "common/CommonState.h"
#include "common/ErrorBoundary.h"
#include "common/modErroHandling.h"
#include "platform/Desktop.h"
#include "platform/RegistryStore.h"
#include "platform/Services.h"

#include <QApplication>
#include <QWidget>

namespace modAPI {

namespace {

QString& browserCache = common::commonState.browser;

void activate(QWidget* window)
{
    window->raise();
    window->activateWindow();
}

}

void subEnsureVisibleTaskBar(QWidget* window, const QString& title)
{
    common::handled(QStringLiteral("modAPI.subEnsureVisibleTaskBar"), common::Message::LastStep, [] {
        modErroHandling::subLogStep(QStringLiteral("Trying to make sure the form appears in the Activity bar"));
    });
    common::ResumeNext resume;
    resume.run([&] {
        if (title.isEmpty())
            return;
        for (QWidget* topLevel : QApplication::topLevelWidgets()) {
            if (topLevel->isVisible() && topLevel->windowTitle() == title) {
                activate(topLevel);
                break;
            }
        }
    });
    resume.run([&] {
        if (window && window->isVisible()) {
            activate(window);
            window->setFocus();
        }
    });
}

void subOpenUrl(const QString& address, bool throughBrowser)
{
    common::handled(QStringLiteral("modAPI.subOpenUrl"), common::Message::LastStep, [&] {
        if (!throughBrowser) {
            platform::services().urlOpener->openUrl(address);
            return;
        }
        const QString browser = GetBrowser();
        if (!browser.isEmpty())
            platform::services().launcher->startDetached(browser, {address});
    });
}

QString reduceBrowserCommand(const QString& command)
{
    if (command.startsWith(QLatin1Char('"'))) {
        const qsizetype close = command.indexOf(QLatin1Char('"'), 1);
        if (close > 0)
            return command.mid(1, close - 1);
    }
    // Paths here separate folders with "/", where the registry's commands used "\".
    const qsizetype lastSeparator =
        std::max(command.lastIndexOf(QLatin1Char('\\')), command.lastIndexOf(QLatin1Char('/')));
    if (lastSeparator < 0)
        return command;
    const qsizetype space = command.indexOf(QLatin1Char(' '), lastSeparator);
    return space < 0 ? command : command.left(space);
}

// An empty registration is no browser, just as a missing one: opening a help page is no
// reason to end the program.
QString GetBrowser()
{
    return common::handled(QStringLiteral("modAPI.GetBrowser"), common::Message::LastStep, [] {
        if (!browserCache.isEmpty())
            return browserCache;
        const std::optional<QString> command = platform::services().registry->value(
            platform::Hive::ClassesRoot, QStringLiteral("http\\shell\\open\\command"));
        if (command && !command->isEmpty())
            browserCache = reduceBrowserCommand(*command);
        return browserCache;
    });
}

bool regDoes_Key_Exist(long root, const QString& path)
{
    return common::handled(QStringLiteral("modAPI.regDoes_Key_Exist"), common::Message::LastStep, [&] {
        if (root != HKEY_CLASSES_ROOT && root != HKEY_CURRENT_USER)
            return false;
        const auto hive = root == HKEY_CLASSES_ROOT ? platform::Hive::ClassesRoot : platform::Hive::CurrentUser;
        return platform::services().registry->keyExists(hive, path);
    });
}

}
