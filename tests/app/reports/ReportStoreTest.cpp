#include "app/ProgramRun.h"
#include "support/FileSizeLimit.h"

#include "app/reports/ReportRecord.h"
#include "app/reports/cOLAPReport.h"
#include "app/reports/cReportsDic.h"
#include "app/state/modGlobals.h"
#include "common/modScriptingDic.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstring>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace reports;
using namespace modGlobals;

namespace {

// A data folder with cubes and the report files of the version 10/11 components.
class ReportStore : public ::testing::Test
{
protected:
    ReportStore()
    {
        modGlobals::gstrAppTitle = QStringLiteral("Tessaline Tool for Excel");
        modMultiLingual::LNGFAILEDSAVEREPORT = QStringLiteral("Failed to save report");
        gbOWCXP = true;
        gstrDataPath = data.path();
        gstrProvider = QStringLiteral("Provider=MSOLAP.4");
        gdicCubes = modScriptingDic::fncCreateDic<QString>();
    }

    void cubes(std::initializer_list<const char*> names)
    {
        for (const char* name : names)
            gdicCubes.Add(QString::fromUtf8(name),
                          data.path() + QLatin1Char('/') + QString::fromUtf8(name) + QStringLiteral(".cub"));
    }

    QString folder(const QString& cube = {}) const
    {
        const QString root = data.path() + QStringLiteral("/ReportsXP");
        return cube.isEmpty() ? root : root + QLatin1Char('/') + cube;
    }

    void writeFile(const QString& path, const QByteArray& bytes)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // A report saved through the program, into the cube's folder.
    void save(const QString& cube, const QString& name, const QString& category = {})
    {
        gstrCubeName = cube;
        cOLAPReport report;
        report.ViewName = name;
        report.CubeName = cube;
        report.ViewType = 1;
        report.PivotXML =
            QStringLiteral("<pivot>Provider=MSOLAP.4;data source=") + gstrDataPath + QStringLiteral("/x.cub</pivot>");
        report.GraphXML = QStringLiteral("<chart/>");
        report.ReportCategory = category;
        ASSERT_TRUE(report.SaveReport());
    }

    ProgramRun run;
    QTemporaryDir data;
};

}

TEST_F(ReportStore, SavedReportReadsBackWithItsFieldsAndTheDataFolderRestored)
{
    cubes({"Sales"});
    gstrCubeName = QStringLiteral("Sales");
    cOLAPReport report;
    report.ViewName = QStringLiteral("Nordic € \U0001F4C8");
    report.CubeName = QStringLiteral("Sales");
    report.ViewType = 2;
    report.PivotXML =
        QStringLiteral("<p>Provider=MSOLAP.4;data source=") + gstrDataPath + QStringLiteral("/Sales.cub</p>");
    report.GraphXML = QStringLiteral("<c>Αθήνα</c>");
    report.ReportDescription = QStringLiteral("<p>Kraków</p>");
    report.ReportType = QStringLiteral("Monthly");
    report.ReportCategory = QStringLiteral("Finance");
    ASSERT_TRUE(report.SaveReport());

    const QString path = folder(QStringLiteral("Sales")) + QStringLiteral("/Nordic € \U0001F4C8.txt");
    const QByteArray bytes = FreshRun::bytesOf(path);
    EXPECT_FALSE(bytes.startsWith("\xFF\xFE"));
    EXPECT_FALSE(reports::reportrecord::decodeText(bytes, 1252).contains(gstrDataPath));

    cReportsDic dic;
    dic.GetReports();
    ASSERT_EQ(dic.dicViews.Count(), 1);
    const auto& back = dic.dicViews.Item(reportKey(QStringLiteral("sales"), QStringLiteral("NORDIC € \U0001F4C8")));
    EXPECT_EQ(back->ViewName, report.ViewName);
    EXPECT_EQ(back->PivotXML, report.PivotXML);
    EXPECT_EQ(back->GraphXML, report.GraphXML);
    EXPECT_EQ(back->ViewType, 2);
    EXPECT_EQ(back->ReportDescription, report.ReportDescription);
    EXPECT_EQ(back->ReportCategory, QStringLiteral("Finance"));
    EXPECT_TRUE(dic.SkippedFiles().isEmpty());
}

TEST_F(ReportStore, SingleCubeReadsTheRootFirstAndKeepsTheFirstOfTwoAlikeNames)
{
    cubes({"Sales"});
    save(QStringLiteral("Sales"), QStringLiteral("Q1"));
    QFile::copy(folder(QStringLiteral("Sales")) + QStringLiteral("/Q1.txt"), folder() + QStringLiteral("/q1.txt"));
    QFile::copy(folder(QStringLiteral("Sales")) + QStringLiteral("/Q1.txt"),
                folder() + QStringLiteral("/Root only.txt"));

    cReportsDic dic;
    dic.GetReports();
    EXPECT_EQ(dic.dicViews.Keys(),
              (QStringList{reportKey(QStringLiteral("Sales"), QStringLiteral("q1")),
                           reportKey(QStringLiteral("Sales"), QStringLiteral("Root only"))}));
    ASSERT_EQ(dic.SkippedFiles().size(), 1);
    EXPECT_TRUE(dic.SkippedFiles().first().contains(QStringLiteral("Sales/Q1.txt")));

    // A report read from the root is removed from where it lies.
    dic.RemoveReport(QStringLiteral("Sales"), QStringLiteral("Root only"));
    EXPECT_FALSE(QFile::exists(folder() + QStringLiteral("/Root only.txt")));
    EXPECT_TRUE(run.fakes.messageBox.shown.isEmpty());
}

TEST_F(ReportStore, SeveralCubesIgnoreRootFilesCreateFoldersAndKeepCollidingNamesApart)
{
    cubes({"a-b", "a"});
    save(QStringLiteral("a-b"), QStringLiteral("c"));
    save(QStringLiteral("a"), QStringLiteral("b-c"));
    writeFile(folder() + QStringLiteral("/stray.txt"), QByteArray("not read"));
    writeFile(folder(QStringLiteral("a")) + QStringLiteral("/UPPER.TXT"), QByteArray("not read"));

    cReportsDic dic;
    dic.GetReports();
    EXPECT_EQ(dic.dicViews.Count(), 2);
    EXPECT_TRUE(dic.SkippedFiles().isEmpty());
    EXPECT_EQ(gstrCubeName, QStringLiteral("a"));

    gdicCubes.Add(QStringLiteral("New"), QString());
    cReportsDic again;
    again.GetReports();
    EXPECT_TRUE(QDir(folder(QStringLiteral("New"))).exists());
}

TEST_F(ReportStore, MalformedFilesAreSkippedAndNamedWhileTheOthersLoad)
{
    cubes({"Sales"});
    save(QStringLiteral("Sales"), QStringLiteral("Good"));
    const QString cube = folder(QStringLiteral("Sales"));
    writeFile(cube + QStringLiteral("/Two fields.txt"), reportrecord::encode(cOLAPReport{}, {}).left(4));
    writeFile(cube + QStringLiteral("/Bad number.txt"), QByteArray("C***P***abc******XYZXYZXYZ"));
    writeFile(cube + QStringLiteral("/No provider.txt"), QByteArray("C***<pivot/>***1******XYZXYZXYZ"));

    cReportsDic dic;
    dic.GetReports();
    EXPECT_EQ(dic.dicViews.Count(), 2);   // "Good" and the pivot XML without a provider part
    EXPECT_EQ(dic.dicViews.Item(reportKey(QStringLiteral("Sales"), QStringLiteral("No provider")))->PivotXML,
              QStringLiteral("<pivot/>"));
    ASSERT_EQ(dic.SkippedFiles().size(), 2);
    EXPECT_TRUE(dic.SkippedFiles().join(QLatin1Char('\n')).contains(QStringLiteral("Two fields.txt")));
    EXPECT_TRUE(
        dic.SkippedFiles().contains(cube + QStringLiteral("/Bad number.txt: The report's view mode is not a number.")))
        << dic.SkippedFiles().join(QLatin1Char('\n')).toStdString();
}

TEST_F(ReportStore, RemoveTakesOnlyTheReportOfItsOwnCube)
{
    cubes({"North", "South"});
    save(QStringLiteral("North"), QStringLiteral("Same"));
    save(QStringLiteral("South"), QStringLiteral("Same"));
    cReportsDic dic;
    dic.GetReports();
    QFile(folder(QStringLiteral("South")) + QStringLiteral("/Same.txt")).setPermissions(QFileDevice::ReadOwner);

    dic.RemoveReport(QStringLiteral("South"), QStringLiteral("Same"));
    EXPECT_FALSE(QFile::exists(folder(QStringLiteral("South")) + QStringLiteral("/Same.txt")));
    EXPECT_TRUE(QFile::exists(folder(QStringLiteral("North")) + QStringLiteral("/Same.txt")));
    EXPECT_EQ(dic.dicViews.Count(), 1);

    // The file is gone already: the user hears of it and the entry stays removed.
    dic.RemoveReport(QStringLiteral("North"), QStringLiteral("Same"));
    QFile::remove(folder(QStringLiteral("North")) + QStringLiteral("/Same.txt"));
    dic.RemoveReport(QStringLiteral("North"), QStringLiteral("Same"));
    ASSERT_EQ(run.fakes.messageBox.shown.size(), 1);
    EXPECT_TRUE(
        run.fakes.messageBox.shown.first().text.startsWith(QStringLiteral("Failed to remove selected report!\r\n")));
}

TEST_F(ReportStore, SaveRefusesUnsafeNamesAndReportsAFailedWriteWithoutLosingTheOldFile)
{
    cubes({"Sales"});
    gstrCubeName = QStringLiteral("Sales");
    cOLAPReport escape;
    escape.ViewName = QStringLiteral("../../evil");
    EXPECT_FALSE(escape.SaveReport());
    EXPECT_FALSE(QFile::exists(data.path() + QStringLiteral("/evil.txt")));
    ASSERT_EQ(run.fakes.messageBox.shown.size(), 1);

    save(QStringLiteral("Sales"), QStringLiteral("Kept"));
    const QString path = folder(QStringLiteral("Sales")) + QStringLiteral("/Kept.txt");
    const QByteArray before = FreshRun::bytesOf(path);
    cOLAPReport changed;
    changed.ViewName = QStringLiteral("Kept");
    changed.ViewType = 3;
    changed.PivotXML = QString(4096, QLatin1Char('p'));
    bool saved = true;
    {
        // A disk that fills up mid-write, even for root: files may not grow past 64 bytes.
        FileSizeLimit limit(64);
        saved = changed.SaveReport();
    }
    EXPECT_FALSE(saved);
    EXPECT_EQ(FreshRun::bytesOf(path), before);
    EXPECT_EQ(run.fakes.messageBox.shown.last().text,
              QStringLiteral("Failed to save report\r\n") + path + QStringLiteral(": ")
                  + QString::fromLocal8Bit(std::strerror(EFBIG)));

    // A read-only report in a writable folder is refused the same way, and stays as it was.
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    changed.PivotXML = QStringLiteral("<p/>");
    EXPECT_FALSE(changed.SaveReport());
    EXPECT_EQ(FreshRun::bytesOf(path), before);
    EXPECT_EQ(run.fakes.messageBox.shown.last().text,
              QStringLiteral("Failed to save report\r\n") + path + QStringLiteral(": ")
                  + QString::fromLocal8Bit(std::strerror(EACCES)));
    EXPECT_EQ(QDir(folder(QStringLiteral("Sales"))).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("Kept.txt")});
}

TEST_F(ReportStore, RemovingALinkedReportRemovesTheLinkOnlyAndAFailureSaysWhereAndWhy)
{
    cubes({"Sales"});
    QTemporaryDir elsewhere;
    save(QStringLiteral("Sales"), QStringLiteral("Shared"));
    const QString target = elsewhere.filePath(QStringLiteral("Shared.txt"));
    const QString link = folder(QStringLiteral("Sales")) + QStringLiteral("/Shared.txt");
    ASSERT_TRUE(QFile::rename(link, target));
    ASSERT_TRUE(QFile::link(target, link));
    QFile::setPermissions(target, QFileDevice::ReadOwner);
    const QByteArray bytes = FreshRun::bytesOf(target);

    cReportsDic dic;
    dic.GetReports();
    ASSERT_TRUE(dic.dicViews.Exists(reportKey(QStringLiteral("Sales"), QStringLiteral("Shared"))));
    EXPECT_TRUE(dic.RemoveReport(QStringLiteral("Sales"), QStringLiteral("Shared")));
    EXPECT_FALSE(QFileInfo(link).isSymLink());
    EXPECT_EQ(FreshRun::bytesOf(target), bytes);
    EXPECT_FALSE(QFile::permissions(target) & QFileDevice::WriteOwner);
    EXPECT_TRUE(run.fakes.messageBox.shown.isEmpty());

    // Gone already: the user hears where and why, and the report is gone all the same.
    EXPECT_TRUE(dic.RemoveReport(QStringLiteral("Sales"), QStringLiteral("Shared")));
    ASSERT_EQ(run.fakes.messageBox.shown.size(), 1);
    EXPECT_EQ(run.fakes.messageBox.shown[0].text,
              QStringLiteral("Failed to remove selected report!\r\n") + link + QStringLiteral(": File not found"));

    // A cube folder that is itself a link out of the data folder: its reports are read, but
    // none is removed through it.
    save(QStringLiteral("Sales"), QStringLiteral("Outside"));
    const QString salesFolder = folder(QStringLiteral("Sales"));
    const QString movedFolder = elsewhere.filePath(QStringLiteral("Sales"));
    ASSERT_TRUE(QDir().rename(salesFolder, movedFolder));
    ASSERT_TRUE(QFile::link(movedFolder, salesFolder));
    cReportsDic linked;
    linked.GetReports();
    ASSERT_TRUE(linked.dicViews.Exists(reportKey(QStringLiteral("Sales"), QStringLiteral("Outside"))));
    EXPECT_FALSE(linked.RemoveReport(QStringLiteral("Sales"), QStringLiteral("Outside")));
    EXPECT_TRUE(QFile::exists(movedFolder + QStringLiteral("/Outside.txt")));
    EXPECT_TRUE(linked.dicViews.Exists(reportKey(QStringLiteral("Sales"), QStringLiteral("Outside"))));
    EXPECT_EQ(run.fakes.messageBox.shown.last().text,
              QStringLiteral("Failed to remove selected report!\r\n") + salesFolder
                  + QStringLiteral("/Outside.txt: its folder leads out of the data folder."));
}

TEST_F(ReportStore, ScratchFilesOfKilledSavesAreClearedWhenTheReportsAreRead)
{
    cubes({"Sales"});
    save(QStringLiteral("Sales"), QStringLiteral("Kept"));
    writeFile(folder(QStringLiteral("Sales")) + QStringLiteral("/.tessaline-1x2y3z"), QByteArray(4096, 'x'));
    writeFile(folder() + QStringLiteral("/.tessaline-9"), QByteArray(4096, 'x'));
    cReportsDic dic;
    dic.GetReports();
    EXPECT_EQ(QDir(folder(QStringLiteral("Sales"))).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("Kept.txt")});
    EXPECT_TRUE(QDir(folder()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST_F(ReportStore, NamesThatDifferOnlyInNormalFormAreOneReportKeptAsTyped)
{
    cubes({"Sales"});
    const QString composed = QStringLiteral("Caf\u00e9 Z\u00fcrich");
    const QString decomposed = QStringLiteral("Cafe\u0301 Zu\u0308rich");
    save(QStringLiteral("Sales"), decomposed);
    EXPECT_EQ(QDir(folder(QStringLiteral("Sales"))).entryList(QDir::Files),
              QStringList{decomposed + QStringLiteral(".txt")});
    // Saved again as the other form, over the same file.
    save(QStringLiteral("Sales"), composed.toUpper());
    EXPECT_EQ(QDir(folder(QStringLiteral("Sales"))).entryList(QDir::Files),
              QStringList{decomposed + QStringLiteral(".txt")});

    // Two files that only differ so: one report, the other file named as passed over.
    QFile::copy(folder(QStringLiteral("Sales")) + QLatin1Char('/') + decomposed + QStringLiteral(".txt"),
                folder(QStringLiteral("Sales")) + QLatin1Char('/') + composed + QStringLiteral(".txt"));
    cReportsDic dic;
    dic.GetReports();
    ASSERT_EQ(dic.dicViews.Count(), 1);
    EXPECT_TRUE(dic.dicViews.Exists(reportKey(QStringLiteral("Sales"), composed)));
    EXPECT_TRUE(dic.dicViews.Exists(reportKey(QStringLiteral("Sales"), decomposed.toLower())));
    EXPECT_EQ(dic.SkippedFiles().size(), 1);
}

TEST_F(ReportStore, SavingOverAReportReadFromTheRootWritesThatFile)
{
    cubes({"Sales"});
    save(QStringLiteral("Sales"), QStringLiteral("Q1"));
    ASSERT_TRUE(QFile::rename(folder(QStringLiteral("Sales")) + QStringLiteral("/Q1.txt"),
                              folder() + QStringLiteral("/Q1.txt")));
    gobjReportsDic = std::make_shared<cReportsDic>();
    gobjReportsDic->GetReports();

    // Another report saved under the same name replaces the one the tree shows.
    save(QStringLiteral("Sales"), QStringLiteral("q1"), QStringLiteral("Replaced"));
    cReportsDic again;
    again.GetReports();
    EXPECT_TRUE(again.SkippedFiles().isEmpty()) << again.SkippedFiles().join(QLatin1Char('\n')).toStdString();
    ASSERT_TRUE(again.dicViews.Exists(reportKey(QStringLiteral("Sales"), QStringLiteral("Q1"))));
    EXPECT_EQ(again.dicViews.Item(reportKey(QStringLiteral("Sales"), QStringLiteral("Q1")))->ReportCategory,
              QStringLiteral("Replaced"));
}

TEST_F(ReportStore, ASaveThatWouldNotReadBackIsRefusedWithTheReason)
{
    cubes({"a***b", "XXX", "Sales"});
    const auto saveFor = [&](const QString& cube, const QString& description = {}) {
        gstrCubeName = cube;
        reports::cOLAPReport report;
        report.ViewName = QStringLiteral("Q1");
        report.CubeName = cube;
        report.ViewType = 1;
        report.PivotXML = QStringLiteral("<p>Provider=MSOLAP.4;data source=") + gstrDataPath + QLatin1Char('/') + cube
            + QStringLiteral(".cub</p>");
        report.GraphXML = QStringLiteral("<c/>");
        report.ReportDescription = description;
        return report.SaveReport();
    };
    EXPECT_FALSE(saveFor(QStringLiteral("a***b")));
    EXPECT_FALSE(saveFor(QStringLiteral("XXX")));
    EXPECT_FALSE(saveFor(QStringLiteral("Sales"), QStringLiteral("<p>***</p>")));
    ASSERT_EQ(run.fakes.messageBox.shown.size(), 3);
    for (const auto& shown : run.fakes.messageBox.shown) {
        EXPECT_TRUE(shown.text.startsWith(QStringLiteral("Failed to save report\r\n"))) << shown.text.toStdString();
        EXPECT_TRUE(shown.text.contains(QStringLiteral("\"***\", \"XYZ\" or \"XXX\""))) << shown.text.toStdString();
    }
    EXPECT_TRUE(run.fakes.messageBox.shown[2].text.contains(QStringLiteral("description")));
    EXPECT_FALSE(QFile::exists(folder(QStringLiteral("a***b")) + QStringLiteral("/Q1.txt")));
    EXPECT_FALSE(QFile::exists(folder(QStringLiteral("XXX")) + QStringLiteral("/Q1.txt")));
}

TEST_F(ReportStore, AnUnreadableReportFolderIsNamed)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root reads every folder";
    cubes({"North", "South"});
    save(QStringLiteral("North"), QStringLiteral("Kept"));
    save(QStringLiteral("South"), QStringLiteral("Hidden"));
    const QString south = folder(QStringLiteral("South"));
    QFile::setPermissions(south, QFileDevice::WriteOwner);
    reports::cReportsDic dic;
    dic.GetReports();
    QFile::setPermissions(south, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(dic.dicViews.Count(), 1);
    ASSERT_EQ(dic.SkippedFiles().size(), 1);
    EXPECT_TRUE(dic.SkippedFiles().front().contains(south)) << dic.SkippedFiles().front().toStdString();
}

TEST_F(ReportStore, AFolderThatCannotBeCreatedIsNamedAndTheRunEndsAsFailed)
{
    // A name longer than a folder name may be: the report root is made, the cube's folder not.
    const QString cube(300, QLatin1Char('x'));
    gdicCubes.Add(QStringLiteral("Sales"), QString());
    gdicCubes.Add(cube, QString());
    reports::cReportsDic dic;
    EXPECT_TRUE(run.ends([&] { dic.GetReports(); }));
    ASSERT_EQ(run.fakes.messageBox.shown.size(), 1);
    EXPECT_EQ(run.fakes.messageBox.shown[0].text,
              QStringLiteral("Access denied to create folder at path ") + folder(cube));
    EXPECT_TRUE(QDir(folder()).exists());
    EXPECT_EQ(run.fakes.processEnd.lastExitCode, 1);
}
