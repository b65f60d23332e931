#include "FreshRun.h"

#include "common/ErrorBoundary.h"
#include "common/modErroHandling.h"
#include "common/subEndProgram.h"
#include "platform/MessageBox.h"

#include <QCloseEvent>
#include <QDir>
#include <QWidget>
#include <gtest/gtest.h>

using namespace modErroHandling;
using platform::mb::vbYes;

namespace {

const QString kHyphens(70, QLatin1Char('-'));

QString os()
{
    return fncGetOS();
}

}

TEST(ErrorReport, EnglishDialogTextIsExact)
{
    FreshRun run;
    subLogStep(QStringLiteral("Opening the cube file\r\nSales.cub"));
    const QString expectedReport = QStringLiteral("This error has occured: :\r\n"
                                                  "Opening the cube file\r\nSales.cub\r\n"
                                                  "\r\n"
                                                  "The system error message was: :\r\n"
                                                  "Automation error\r\n"
                                                  "#-2147467259\r\n"
                                                  "\r\n"
                                                  "Sub routine : cOLAPReport.SaveReport \r\n"
                                                  "Error on line: 12");
    const QString expectedDialog =
        QStringLiteral("There has been an error in this application. Tessaline Tool for Excel (") + os()
        + QStringLiteral(")\r\n") + kHyphens + QStringLiteral("\r\n\r\n") + expectedReport
        + QStringLiteral("\r\n\r\nWould you like to send an e-mail with an error report??");

    EXPECT_TRUE(run.ends([] {
        subHandleError(QStringLiteral("Automation error"), -2147467259, 12, QStringLiteral("cOLAPReport.SaveReport"));
    }));
    ASSERT_EQ(run.fakes.messageBox.shown.size(), 1);
    EXPECT_EQ(run.fakes.messageBox.shown[0].text, expectedDialog);
    EXPECT_EQ(run.fakes.messageBox.shown[0].style, platform::mb::vbYesNo);
    EXPECT_EQ(run.fakes.messageBox.shown[0].title, QStringLiteral("Tessaline Tool for Excel"));
    EXPECT_EQ(gstrErrorReport, expectedReport);
    EXPECT_TRUE(run.fakes.launcher.started.isEmpty());   // answered No: no mail
    EXPECT_EQ(run.fakes.processEnd.lastExitCode, 1);
    EXPECT_TRUE(os().startsWith(QStringLiteral("Linux ")));
}

TEST(ErrorReport, BeforeThePhrasesAreLoadedTheLinesKeepTheirPunctuation)
{
    FreshRun run;
    modMultiLingual::LNGERRTHISERROR.clear();
    modMultiLingual::LNGERRLINE.clear();
    const ErrorReportText text =
        composeErrorReport(QString(), QString(), QStringLiteral("d"), 0, 0, QStringLiteral("Main"));
    EXPECT_TRUE(text.report.startsWith(QStringLiteral(" :\r\n\r\n\r\n")));   // empty step: an empty line
    EXPECT_TRUE(text.report.endsWith(QStringLiteral("#0\r\n\r\nSub routine : Main \r\n: 0")));
    EXPECT_TRUE(text.dialog.contains(QStringLiteral("Tessaline Tool for Excel ()\r\n")));
}

TEST(ErrorReport, OnlyTheFirstErrorOfARunShowsTheDialog)
{
    FreshRun run;
    EXPECT_TRUE(run.ends([] { subHandleError(QStringLiteral("first"), 5, 1, QStringLiteral("a")); }));
    EXPECT_TRUE(run.ends([] { subHandleError(QStringLiteral("second"), 6, 2, QStringLiteral("b")); }));
    EXPECT_EQ(run.fakes.messageBox.shown.size(), 1);
    EXPECT_EQ(run.fakes.processEnd.ends, 2);
    EXPECT_TRUE(gstrErrorReport.contains(QStringLiteral("first")));
}

TEST(ErrorReport, AnErrorInsideAHandledProcedureNamesItAndItsLine)
{
    FreshRun run;
    subLogStep(QStringLiteral("Reading report"));
    EXPECT_TRUE(run.ends([] {
        common::handled(QStringLiteral("cOLAPReport.ReadReport"), common::Message::LastStep,
                        [] { throw platform::VbError(70, QStringLiteral("Permission denied"), QString(), 40); });
    }));
    EXPECT_TRUE(gstrErrorReport.contains(QStringLiteral("was: :\r\nReading report\r\n#70\r\n")));
    EXPECT_TRUE(gstrErrorReport.endsWith(QStringLiteral("cOLAPReport.ReadReport \r\nError on line: 40")));
}

TEST(ErrorReport, YesPutsTheReportIntoAMailAndKeepsACopy)
{
    FreshRun run;
    run.fakes.messageBox.answers = {vbYes};
    EXPECT_TRUE(run.ends([] { subHandleError(QStringLiteral("boom"), 13, 3, QStringLiteral("Main")); }));
    ASSERT_EQ(run.fakes.launcher.started.size(), 1);
    const QStringList args = run.fakes.launcher.started[0].arguments;
    EXPECT_EQ(args[2],
              QStringLiteral("Error in Tessaline Tool for Excel %1.%2.%3 (%4)")
                  .arg(TESSALINE_VERSION_MAJOR)
                  .arg(TESSALINE_VERSION_MINOR)
                  .arg(TESSALINE_VERSION_PATCH)
                  .arg(os()));
    EXPECT_TRUE(args[4].endsWith(QStringLiteral("Error on line: 3\r\nOutlook Version: 12.0 (xdg-email)\r\n")));
    EXPECT_EQ(args[5], QStringLiteral("support@zelbrin.example"));
    EXPECT_EQ(QDir(run.fakes.path(QStringLiteral("Documents/Zelbrin"))).entryList(QDir::Files).size(), 1);
    EXPECT_EQ(run.fakes.messageBox.shown.size(), 1);
}

TEST(ErrorReport, AMailThatCannotBeShownGivesOneFailureBox)
{
    FreshRun run;
    run.fakes.messageBox.answers = {vbYes};
    run.fakes.launcher.succeed = false;
    EXPECT_TRUE(run.ends([] { subHandleError(QStringLiteral("boom"), 13, 3, QStringLiteral("Main")); }));
    ASSERT_EQ(run.fakes.messageBox.shown.size(), 2);
    EXPECT_EQ(run.fakes.messageBox.shown[1].text, QStringLiteral("Failed to send error email using MS Outlook!"));
    EXPECT_EQ(run.fakes.messageBox.shown[1].style, platform::mb::vbCritical);
}

TEST(ErrorReport, WithoutAMailApplicationTheUserIsToldAndTheProgramEnds)
{
    FreshRun run;
    run.fakes.registry.removeKey(platform::Hive::ClassesRoot, QStringLiteral("Outlook.Application"));
    run.fakes.messageBox.answers = {vbYes};
    EXPECT_TRUE(run.ends([] { subHandleError(QStringLiteral("boom"), 13, 3, QStringLiteral("Main")); }));
    ASSERT_EQ(run.fakes.messageBox.shown.size(), 2);
    EXPECT_EQ(run.fakes.messageBox.shown[1].text,
              QStringLiteral("Please start Outlook manually before you execute this application!"));
    EXPECT_TRUE(run.fakes.launcher.started.isEmpty());
}

TEST(ErrorReport, PasswordsNeverReachTheReportTheMailOrTheLog)
{
    FreshRun run;
    const QString connection = QStringLiteral(
        "Provider=MSOLAP.3;Data Source=srv;User ID=ann;Password=s3cret;Initial Catalog=Sales;pwd = other ;"
        "PASSWORD=\"quoted;secret\";PwD={braced;secret}");
    gbLogSteps = true;
    subLogStep(QStringLiteral("Connecting with ") + connection);
    run.fakes.messageBox.answers = {vbYes};
    EXPECT_TRUE(run.ends([&] { subHandleError(connection, 5, 0, QStringLiteral("subBindPivotTable")); }));

    const QString log = QString::fromUtf8(
        FreshRun::bytesOf(run.fakes.path(QStringLiteral("Documents/Zelbrin/Tessaline Tool for Excel_log.txt"))));
    const QString mail = run.fakes.launcher.started.value(0).arguments.value(4);
    for (const QString& text : {run.fakes.messageBox.shown[0].text, gstrErrorReport, mail, log}) {
        EXPECT_FALSE(text.contains(QStringLiteral("secret"))) << text.toStdString();
        EXPECT_FALSE(text.contains(QStringLiteral("other"))) << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("User ID=ann;Password=***;Initial Catalog=Sales;pwd = ***;")));
    }
    EXPECT_EQ(maskPasswords(QStringLiteral("Passwords=x; Password=")), QStringLiteral("Passwords=x; Password=***"));
    // A quote inside a quoted value is doubled; the value runs on past it.
    EXPECT_EQ(maskPasswords(QStringLiteral("Password=\"a\"\"b;c\";pwd='d''e;f';X=1")),
              QStringLiteral("Password=***;pwd=***;X=1"));
}

TEST(ErrorReport, TheMaskHidesWhatTheParserReadsAsThePassword)
{
    // Blanks beyond ASCII, line breaks inside a value, "==" in keys, an unclosed quote.
    const QString cases[] = {
        QStringLiteral("Password=\u00a0secret"),   QStringLiteral("Password\u3000=\u3000secret;a=1"),
        QStringLiteral("pwd=first\r\nsecret;a=1"), QStringLiteral("x==y;PASSWORD = 'sec''ret' ;a=1"),
        QStringLiteral("Password=\"open secret"),  QStringLiteral("Data Source=s;\u2003pwd\u2003=secret"),
        QStringLiteral("Password='a'secret;a=1"),  QStringLiteral("passWord==x;Password=secret"),
    };
    for (const QString& text : cases) {
        const QString masked = maskPasswords(text);
        EXPECT_FALSE(masked.contains(QStringLiteral("secret"))) << text.toStdString() << " -> " << masked.toStdString();
        EXPECT_TRUE(masked.contains(QStringLiteral("***"))) << masked.toStdString();
    }
    EXPECT_EQ(maskPasswords(QStringLiteral("pwd=x\nnext;User ID=ann")), QStringLiteral("pwd=***;User ID=ann"));
    EXPECT_EQ(maskPasswords(QStringLiteral("a==Password=b")),
              QStringLiteral("a==Password=***"));   // over-masking is safe
}

TEST(StepLog, OffByDefaultAndOnWritesOneLinePerStep)
{
    FreshRun run;
    const QString logFile = run.fakes.path(QStringLiteral("Documents/Zelbrin/Tessaline Tool for Excel_log.txt"));
    subLogStep(QStringLiteral("nothing logged"));
    EXPECT_EQ(fncGetLastStep(), QStringLiteral("nothing logged"));
    EXPECT_FALSE(QFile::exists(logFile));

    gbLogSteps = true;
    subLogStep(QStringLiteral("first \u00e9"));
    subLogStep(QString());   // an empty step is not logged
    subLogStep(QStringLiteral("second"));
    const QStringList lines = QString::fromUtf8(FreshRun::bytesOf(logFile)).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[2].isEmpty());
    const QStringList fields = lines[0].split(QLatin1Char('\t'));
    ASSERT_EQ(fields.size(), 3);
    EXPECT_EQ(fields[0], QStringLiteral("Tessaline Tool for Excel"));
    EXPECT_FALSE(fields[1].isEmpty());
    EXPECT_EQ(fields[2], QStringLiteral("first \u00e9"));
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral("\tsecond")));
}

TEST(StepLog, ALogThatCannotBeWrittenNeverEndsTheProgram)
{
    FreshRun run;
    gbLogSteps = true;
    QDir(run.fakes.path(QStringLiteral("Documents"))).removeRecursively();
    EXPECT_FALSE(run.ends([] { subLogStep(QStringLiteral("no documents folder")); }));

    QDir().mkpath(run.fakes.path(QStringLiteral("Documents")));
    QFile blocker(run.fakes.path(QStringLiteral("Documents/Zelbrin")));   // a file where the folder belongs
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(run.ends([] { subLogStep(QStringLiteral("log folder blocked")); }));
    EXPECT_EQ(fncGetLastStep(), QStringLiteral("log folder blocked"));
    EXPECT_EQ(run.fakes.processEnd.ends, 0);
}

namespace {

class LoggedWindow : public QWidget
{
public:
    LoggedWindow(const char* name, QStringList* log, bool endsProgram = false) : m_log(log), m_endsProgram(endsProgram)
    {
        setObjectName(QString::fromLatin1(name));
    }

protected:
    void closeEvent(QCloseEvent* event) override
    {
        m_log->append(objectName());
        event->accept();
        if (m_endsProgram)
            platform::eventBoundary([] { modMain::subEndProgram(); });
    }

private:
    QStringList* m_log;
    bool m_endsProgram;
};

}

TEST(ProgramEnd, ClosesEveryWindowNewestFirstAndReleasesTheFileSystemObject)
{
    FreshRun run;
    QStringList closed;
    LoggedWindow first("first", &closed), second("second", &closed, true), third("third", &closed);
    first.show();
    second.show();
    third.show();
    modFileHandling::subSetupFS();
    EXPECT_TRUE(run.ends([] { modMain::subEndProgram(); }));
    EXPECT_EQ(closed, (QStringList{QStringLiteral("third"), QStringLiteral("second"), QStringLiteral("first")}));
    EXPECT_EQ(modFileHandling::gobjFSO, nullptr);
    EXPECT_EQ(run.fakes.processEnd.lastExitCode, 0);
    EXPECT_EQ(run.fakes.forms.count(), 0);
}
