#include "FreshRun.h"

#include "common/modFileHandling.h"
#include "platform/VbError.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace modFileHandling;

namespace {

// A file system on which some files cannot be deleted.
class StubbornFiles : public platform::FileSystemObject
{
public:
    QStringList stubborn;
    void DeleteFile(const QString& path, bool force) const override
    {
        if (stubborn.contains(QFileInfo(path).fileName()))
            platform::raiseError(platform::err::PermissionDenied, QStringLiteral("Permission denied"), path);
        FileSystemObject::DeleteFile(path, force);
    }
};

void touch(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("old");
}

}

TEST(SaveTextFile, WritesUtf16LeWithoutMarkOrQuotesAndLeavesTheCallersTextAlone)
{
    FreshRun run;
    const QString path = run.fakes.path(QStringLiteral("abc.htm"));
    EXPECT_EQ(fncSaveTextFile(path, QStringLiteral("abc"), false), path);
    EXPECT_EQ(FreshRun::bytesOf(path), QByteArray("a\0b\0c\0", 6));

    const QString quoted = QStringLiteral("<p class=\"x\">\U0001F600</p>");
    fncSaveTextFile(path, quoted, false);
    EXPECT_EQ(quoted, QStringLiteral("<p class=\"x\">\U0001F600</p>"));
    const QString back = QString::fromUtf16(reinterpret_cast<const char16_t*>(FreshRun::bytesOf(path).constData()),
                                            FreshRun::bytesOf(path).size() / 2);
    EXPECT_EQ(back, QStringLiteral("<p class=x>\U0001F600</p>"));

    fncSaveTextFile(path, QString(), false);
    EXPECT_EQ(QFileInfo(path).size(), 0);
}

TEST(SaveTextFile, TemporaryFilesGoToThePrivateTempFolderOnly)
{
    FreshRun run;
    // A temp folder whose own path holds ".tmp" stays as it is.
    run.fakes.folders =
        platform::SpecialFolders(run.fakes.path(QStringLiteral("Documents")),
                                 run.fakes.path(QStringLiteral("cache.tmp")), run.fakes.path(QStringLiteral("run")));
    QDir().mkpath(run.fakes.path(QStringLiteral("cache.tmp")));
    const QString temp = fncGetTempPath();
    EXPECT_TRUE(temp.startsWith(run.fakes.path(QStringLiteral("cache.tmp/tessaline-"))));

    EXPECT_EQ(fncSaveTextFile(QStringLiteral("OLReportDesc.htm"), QStringLiteral("x"), true),
              temp + QStringLiteral("/OLReportDesc.htm"));
    const QString made = fncSaveTextFile(QString(), QStringLiteral("x"), true);
    EXPECT_TRUE(made.startsWith(temp + QStringLiteral("/rad")));
    EXPECT_TRUE(made.endsWith(QStringLiteral(".ndf")));
    EXPECT_TRUE(QFileInfo::exists(made));
    const QString unnamedNotTemp = fncSaveTextFile(QString(), QStringLiteral("x"), false);
    EXPECT_TRUE(unnamedNotTemp.startsWith(temp + QStringLiteral("/rad")));
}

TEST(SaveTextFile, AnUndeletableTemporaryFileGivesANumberedName)
{
    FreshRun run;
    auto files = std::make_unique<StubbornFiles>();
    files->stubborn = QStringList{QStringLiteral("IIEdit.htm"), QStringLiteral("IIEdit1.htm")};
    gobjFSO = std::move(files);
    const QString temp = fncGetTempPath();
    touch(temp + QStringLiteral("/IIEdit.htm"));
    EXPECT_EQ(fncSaveTextFile(QStringLiteral("IIEdit.htm"), QStringLiteral("a"), true),
              temp + QStringLiteral("/IIEdit1.htm"));
    EXPECT_EQ(FreshRun::bytesOf(temp + QStringLiteral("/IIEdit.htm")), QByteArray("old"));
    touch(temp + QStringLiteral("/IIEdit1.htm"));
    EXPECT_EQ(fncSaveTextFile(QStringLiteral("IIEdit.htm"), QStringLiteral("a"), true),
              temp + QStringLiteral("/IIEdit12.htm"));
}

TEST(SaveTextFile, FailuresGoToTheErrorReport)
{
    FreshRun run;
    auto files = std::make_unique<StubbornFiles>();
    files->stubborn = QStringList{QStringLiteral("locked.htm")};
    gobjFSO = std::move(files);
    const QString locked = run.fakes.path(QStringLiteral("locked.htm"));
    touch(locked);
    EXPECT_TRUE(run.ends([&] { fncSaveTextFile(locked, QStringLiteral("x"), false); }));
    EXPECT_TRUE(modErroHandling::gstrErrorReport.contains(QStringLiteral("Permission denied\r\n#70")));
    EXPECT_TRUE(modErroHandling::gstrErrorReport.contains(QStringLiteral("Sub routine : fncSaveTextFile ")));
}

TEST(SaveTextFile, AFailedWriteAfterAnExistingFileIsNotReturnedAsWritten)
{
    FreshRun run;
    const QString existing = run.fakes.path(QStringLiteral("page.htm"));
    touch(existing);
    QDir().mkpath(run.fakes.path(QStringLiteral("page.htm.folder")));
    // The existing file is deleted; then the folder the file is to go in disappears.
    class VanishingFolder : public platform::FileSystemObject
    {
    public:
        void DeleteFile(const QString& path, bool force) const override
        {
            FileSystemObject::DeleteFile(path, force);
            QDir(QFileInfo(path).absolutePath()).removeRecursively();
        }
    };
    gobjFSO = std::make_unique<VanishingFolder>();
    EXPECT_TRUE(run.ends([&] { fncSaveTextFile(existing, QStringLiteral("x"), false); }));
    EXPECT_TRUE(modErroHandling::gstrErrorReport.contains(QStringLiteral("Saving textfile ") + existing));
}

TEST(FileHandling, ClearEndSlash)
{
    const std::pair<const char*, const char*> cases[] = {
        {"a/", "a"}, {"a\\", "a"}, {"a//", "a/"}, {"", ""}, {"a", "a"}, {"/", ""},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(fncClearEndSlash(QString::fromLatin1(in)), QString::fromLatin1(out)) << in;
}

TEST(FileHandling, VerbsPrintInsideTheProgramOrOpenWithTheDesktop)
{
    FreshRun run;
    const QString page = fncSaveTextFile(QStringLiteral("OLAPReport.htm"), QStringLiteral("<p>Sales</p>"), true);
    subPrintFile(page);
    EXPECT_EQ(run.fakes.printerChooser.asked, 1);
    EXPECT_TRUE(FreshRun::bytesOf(run.fakes.printerChooser.pdfPath).startsWith("%PDF"));

    const QString folder = QFileInfo(page).absolutePath() + QLatin1Char('/');
    subFolderItemInvokeVerbVB(folder, QStringLiteral("OLAPReport.htm"), QString());
    EXPECT_EQ(run.fakes.urlOpener.files, QStringList{page});
    subFolderItemInvokeVerbVB(folder, QStringLiteral("missing.htm"), QString());
    subFolderItemInvokeVerbVB(run.fakes.path(QStringLiteral("nowhere/")), QStringLiteral("x"), QStringLiteral("Print"));
    EXPECT_EQ(run.fakes.urlOpener.files.size(), 1);
    EXPECT_EQ(run.fakes.printerChooser.asked, 1);

    EXPECT_TRUE(run.ends([&] { subPrintFile(run.fakes.path(QStringLiteral("missing.htm"))); }));
}
