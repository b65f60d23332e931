#include "FreshRun.h"

#include "common/modAPI.h"
#include "common/modAssistant.h"
#include "common/modGetDefaultFolders.h"
#include "common/modOutlookCode.h"
#include "lang/modRegistryEntry.h"
#include "platform/MessageBox.h"
#include "platform/VbError.h"

#include <QDir>
#include <gtest/gtest.h>

using platform::Hive;

TEST(Browser, CommandReducesToTheProgram)
{
    const std::pair<const char*, const char*> cases[] = {
        {"\"C:\\Program Files\\Browser\\browser.exe\" -nohome \"%1\"", "C:\\Program Files\\Browser\\browser.exe"},
        {"C:\\Program Files\\Browser\\browser.exe -nohome", "C:\\Program Files\\Browser\\browser.exe"},
        {"C:\\Program Files\\Browser\\browser.exe", "C:\\Program Files\\Browser\\browser.exe"},
        {"browser -nohome %1", "browser -nohome %1"},
        {"\"C:\\Browser\\browser.exe -x", "\"C:\\Browser\\browser.exe"},
        {"/usr/bin/firefox %u", "/usr/bin/firefox"},
    };
    for (const auto& [command, program] : cases)
        EXPECT_EQ(modAPI::reduceBrowserCommand(QString::fromLatin1(command)), QString::fromLatin1(program)) << command;
}

TEST(Browser, PagesOpenDirectlyOrThroughTheBrowserWithTheAddressAsOneArgument)
{
    FreshRun run;
    const QString address = QStringLiteral("https://zelbrin.example/a page?x=1&y=\"2\"");
    modAPI::subOpenUrl(address, false);
    EXPECT_EQ(run.fakes.urlOpener.urls, QStringList{address});

    modAPI::subOpenUrl(address, true);
    ASSERT_EQ(run.fakes.launcher.started.size(), 1);
    EXPECT_EQ(run.fakes.launcher.started[0].program, QStringLiteral("/usr/bin/xdg-open"));
    EXPECT_EQ(run.fakes.launcher.started[0].arguments, QStringList{address});

    // Found once, the browser stays for the run.
    run.fakes.registry.setValue(Hive::ClassesRoot, QStringLiteral("http\\shell\\open\\command"), QString(),
                                QStringLiteral("/opt/other %1"));
    EXPECT_EQ(modAPI::GetBrowser(), QStringLiteral("/usr/bin/xdg-open"));
}

TEST(Browser, NoOrAnEmptyRegistrationOpensNothingAndReportsNothing)
{
    FreshRun run;
    run.fakes.registry.setValue(Hive::ClassesRoot, QStringLiteral("http\\shell\\open\\command"), QString(), QString());
    EXPECT_FALSE(run.ends([] { modAPI::subOpenUrl(QStringLiteral("https://x.example"), true); }));
    run.fakes.registry.removeKey(Hive::ClassesRoot, QStringLiteral("http"));
    EXPECT_FALSE(run.ends([] { modAPI::subOpenUrl(QStringLiteral("https://x.example"), true); }));
    EXPECT_TRUE(run.fakes.launcher.started.isEmpty());
    EXPECT_TRUE(run.fakes.messageBox.shown.isEmpty());
}

TEST(Registry, KeysAndTheProgramsOwnValues)
{
    FreshRun run;
    EXPECT_TRUE(modAPI::regDoes_Key_Exist(modAPI::HKEY_CLASSES_ROOT, QStringLiteral("MSOLAP.3")));
    run.fakes.registry.removeKey(Hive::ClassesRoot, QStringLiteral("MSOLAP.3"));
    EXPECT_FALSE(modAPI::regDoes_Key_Exist(modAPI::HKEY_CLASSES_ROOT, QStringLiteral("MSOLAP.3")));

    using modRegistryEntry::fncReadRegistryEntry;
    EXPECT_EQ(fncReadRegistryEntry(QStringLiteral("LanguageOnly4Test"), QStringLiteral("0")), QStringLiteral("0"));
    run.fakes.registry.setValue(Hive::CurrentUser, QStringLiteral("Software\\Zelbrin"), QStringLiteral("Other"),
                                QStringLiteral("x"));
    EXPECT_EQ(fncReadRegistryEntry(QStringLiteral("LanguageOnly4Test"), QStringLiteral("0")), QStringLiteral("0"));
    run.fakes.registry.setValue(Hive::CurrentUser, QStringLiteral("Software\\Zelbrin"),
                                QStringLiteral("LanguageOnly4Test"), QStringLiteral("7"));
    EXPECT_EQ(fncReadRegistryEntry(QStringLiteral("languageonly4test"), QStringLiteral("0")), QStringLiteral("7"));
    try {
        fncReadRegistryEntry(QStringLiteral("  "), QStringLiteral("0"));
        FAIL() << "a blank name was read";
    } catch (const platform::VbError& e) {
        EXPECT_EQ(e.number(), -2147220502);
        EXPECT_EQ(e.description(), QStringLiteral("Key may not be empty"));
    }
}

TEST(SpecialFolders, DocumentsOfTheCurrentUserOrNothing)
{
    FreshRun run;
    EXPECT_EQ(modGetDefaultFolders::fncGetSpecialFolderPath(5, 0), run.fakes.path(QStringLiteral("Documents")));
    EXPECT_EQ(modGetDefaultFolders::fncGetSpecialFolderPath(0x1a, 0), QString());
    QDir(run.fakes.path(QStringLiteral("Documents"))).removeRecursively();
    EXPECT_EQ(modGetDefaultFolders::fncGetSpecialFolderPath(5, 0), QString());
    EXPECT_EQ(modGetDefaultFolders::fncTrimNull(QStringLiteral("ab") + QChar(0) + QStringLiteral("cd")),
              QStringLiteral("ab"));
    EXPECT_EQ(modGetDefaultFolders::fncTrimNull(QStringLiteral("abc")), QStringLiteral("abc"));
}

TEST(Alerts, QuestionsAndNoticesAreMessageBoxesTitledWithTheApplication)
{
    FreshRun run;
    run.fakes.messageBox.answers = {platform::mb::vbYes};
    EXPECT_EQ(modAssistant::fncAskAlert(nullptr, QStringLiteral("Go?"), platform::mb::vbYesNo), platform::mb::vbYes);
    EXPECT_EQ(modAssistant::fncAskAlert(nullptr, QStringLiteral("Go?"), platform::mb::vbYesNo), platform::mb::vbNo);
    modAssistant::subShowAlert(nullptr, QStringLiteral("Connection failed"));
    ASSERT_EQ(run.fakes.messageBox.shown.size(), 3);
    EXPECT_EQ(run.fakes.messageBox.shown[0].style, platform::mb::vbYesNo);
    EXPECT_EQ(run.fakes.messageBox.shown[2].style, platform::mb::vbInformation);
    for (const auto& box : run.fakes.messageBox.shown)
        EXPECT_EQ(box.title, QStringLiteral("Tessaline Tool for Excel"));
}

TEST(MailApplication, ReachedOnceAndItsVersionParsed)
{
    FreshRun run;
    modOutlookCode::subSetupOutlook(6);
    ASSERT_NE(modOutlookCode::gobjOutlook, nullptr);
    platform::MailApplication* first = modOutlookCode::gobjOutlook.get();
    modOutlookCode::subSetupOutlook(6);
    EXPECT_EQ(modOutlookCode::gobjOutlook.get(), first);
    EXPECT_EQ(modOutlookCode::OutlookVersion(), 12);

    QString version = QStringLiteral("11.0.0.8312");
    EXPECT_EQ(modOutlookCode::fncGetVersion(version), 11);
    EXPECT_EQ(version, QStringLiteral("11"));
    QString noPoint = QStringLiteral("abc");
    EXPECT_TRUE(run.ends([&] { modOutlookCode::fncGetVersion(noPoint); }));
    EXPECT_TRUE(modErroHandling::gstrErrorReport.contains(QStringLiteral("modOutlookCode.fncGetVersion")));
}
