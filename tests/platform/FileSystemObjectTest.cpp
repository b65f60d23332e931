#include "platform/FileSystemObject.h"
#include "platform/AtomicFile.h"
#include "platform/BoundedRead.h"
#include "platform/FakeServices.h"
#include "platform/VbError.h"
#include "support/FileSizeLimit.h"
#include "support/RaisedError.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <QDir>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace platform;

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

mode_t modeOf(const QString& path)
{
    struct stat info
    {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

}

TEST(TextStream, UnicodeIsUtf16LeWithoutByteOrderMarkAndDefaultReadingDetectsTheMark)
{
    FakeServices fakes;
    FileSystemObject fso;
    const QString path = fakes.path(QStringLiteral("report.txt"));
    {
        auto stream = fso.CreateTextFile(path, true, true);
        stream->Write(QStringLiteral("ab\u00e9\U0001F600"));
    }
    EXPECT_EQ(bytesOf(path), QByteArray("a\0b\0\xe9\0\x3d\xd8\x00\xde", 10));

    writeBytes(path,
               QByteArray("\xFF\xFE"
                          "x\0y\0",
                          6));
    EXPECT_EQ(fso.OpenTextFile(path, ForReading, false, TristateUseDefault)->ReadAll(), QStringLiteral("xy"));
    writeBytes(path, QByteArray("plain \xc3\xa9"));
    EXPECT_EQ(fso.OpenTextFile(path, ForReading, false, TristateUseDefault)->ReadAll(), QStringLiteral("plain \u00e9"));
}

TEST(TextStream, LinesAppendingAndModes)
{
    FakeServices fakes;
    FileSystemObject fso;
    const QString path = fakes.path(QStringLiteral("lines.txt"));
    fso.CreateTextFile(path)->Write(QStringLiteral("one\r\ntwo\nthree"));
    fso.OpenTextFile(path, ForAppending)->Write(QStringLiteral("!"));
    auto stream = fso.OpenTextFile(path);
    EXPECT_EQ(stream->ReadLine(), QStringLiteral("one"));
    EXPECT_EQ(stream->ReadLine(), QStringLiteral("two"));
    EXPECT_EQ(stream->ReadLine(), QStringLiteral("three!"));
    EXPECT_TRUE(stream->AtEndOfStream());
    EXPECT_EQ(errorOf([&] { stream->ReadLine(); }), 62);
    EXPECT_EQ(errorOf([&] { stream->Write(QStringLiteral("x")); }), err::BadFileMode);
}

TEST(TextStream, FailedWriteIsReportedAndLeavesTheOldFile)
{
    FakeServices fakes;
    FileSystemObject fso;
    const QString folder = fakes.path(QStringLiteral("locked"));
    fso.CreateFolder(folder);
    const QString path = folder + QStringLiteral("/keep.txt");
    fso.CreateTextFile(path)->Write(QStringLiteral("old"));
    auto stream = fso.CreateTextFile(path);
    stream->Write(QStringLiteral("new"));
    QFile::remove(path);
    ASSERT_TRUE(QDir().rmdir(folder));   // the folder is gone when the text is to be written
    EXPECT_EQ(errorOf([&] { stream->Close(); }), err::DeviceIOError);
}

TEST(FileSystemObject, ErrorsCallersTestFor)
{
    FakeServices fakes;
    FileSystemObject fso;
    const QString missing = fakes.path(QStringLiteral("missing"));
    EXPECT_EQ(errorOf([&] { fso.GetFile(missing); }), err::CannotFindFile);
    EXPECT_EQ(errorOf([&] { fso.GetFolder(missing); }), err::PathNotFound);
    EXPECT_EQ(errorOf([&] { fso.DeleteFile(missing, true); }), err::CannotFindFile);
    EXPECT_EQ(errorOf([&] { fso.OpenTextFile(missing); }), err::CannotFindFile);
    EXPECT_EQ(errorOf([&] { fso.CreateFolder(fakes.path(QStringLiteral("a/b"))); }), err::PathNotFound);
    EXPECT_EQ(errorOf([&] { fso.CreateFolder(fakes.path(QStringLiteral("app"))); }), err::FileAlreadyExists);
    EXPECT_FALSE(fso.FileExists(fakes.path(QStringLiteral("app"))));   // a folder is no file
    EXPECT_TRUE(fso.FolderExists(fakes.path(QStringLiteral("app"))));
    EXPECT_FALSE(fso.FolderExists(QString()));
}

TEST(FileSystemObject, FilesFoldersAndTempNames)
{
    FakeServices fakes;
    FileSystemObject fso;
    const QString path = fakes.path(QStringLiteral("app/Sales.cub"));
    fso.CreateTextFile(path)->Write(QStringLiteral("x"));
    const File file = fso.GetFile(path);
    EXPECT_EQ(file.Name(), QStringLiteral("Sales.cub"));
    EXPECT_EQ(file.ParentFolder().Path(), fakes.path(QStringLiteral("app")));
    const Folder folder = fso.GetFolder(fakes.path(QStringLiteral("app")));
    EXPECT_EQ(folder.ShortPath(), folder.Path());
    ASSERT_EQ(folder.Files().size(), 1);
    EXPECT_EQ(folder.Files().first().Path(), path);
    EXPECT_TRUE(fso.GetTempName().contains(QRegularExpression(QStringLiteral("^rad[0-9A-F]{5}\\.tmp$"))));
    fso.DeleteFile(path, true);
    EXPECT_FALSE(fso.FileExists(path));
}

TEST(SpecialFolders, PrivateTempIsOursAndClosedToOthers)
{
    FakeServices fakes;
    const QString temp = FileSystemObject().GetSpecialFolder(2).Path();
    EXPECT_TRUE(temp.startsWith(fakes.path(QStringLiteral("tmp/tessaline-"))));
    struct stat info
    {};
    ASSERT_EQ(::stat(QFile::encodeName(temp).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);

    ::chmod(QFile::encodeName(temp).constData(), 0777);   // someone opened it up: refuse it
    EXPECT_EQ(errorOf([] { services().folders->privateTemp(); }), 75);
    QFile::remove(temp);
    QDir().rmdir(temp);
    ASSERT_TRUE(QFile::link(fakes.path(QStringLiteral("app")), temp));   // a planted link: refuse it
    EXPECT_EQ(errorOf([] { services().folders->privateTemp(); }), 75);
}

TEST(AtomicFile, AWriteCutShortLeavesTheOldFileWholeAndSaysWhereAndWhy)
{
    FakeServices fakes;
    const QString path = fakes.path(QStringLiteral("whole.txt"));
    ASSERT_TRUE(writeFileAtomically(path, QByteArray("old")));
    Result<void> written;
    {
        FileSizeLimit limit(64);   // a disk that fills up mid-write, for root as well
        written = writeFileAtomically(path, QByteArray(8192, 'x'));
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(written.failure().path, path);
    EXPECT_EQ(written.failure().osError, EFBIG);
    EXPECT_EQ(written.failure().text(), path + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(EFBIG)));
    EXPECT_EQ(bytesOf(path), QByteArray("old"));
    EXPECT_EQ(QDir(fakes.path(QStringLiteral("."))).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("whole.txt")});
}

TEST(AtomicFile, ANewFileHasTheUsualPermissionsAndAReplacedOneKeepsItsOwn)
{
    FakeServices fakes;
    const QString path = fakes.path(QStringLiteral("mode.txt"));
    const mode_t savedMask = ::umask(027);
    const Result<void> written = writeFileAtomically(path, QByteArray("new"));
    ::umask(savedMask);
    ASSERT_TRUE(written);
    EXPECT_EQ(modeOf(path), 0640u);

    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0604), 0);
    ASSERT_TRUE(writeFileAtomically(path, QByteArray("again")));
    EXPECT_EQ(modeOf(path), 0604u);
}

TEST(AtomicFile, ANameAsLongAsTheFileSystemAllowsCanBeWritten)
{
    FakeServices fakes;
    const QString path = fakes.path(QString(251, QLatin1Char('n')) + QStringLiteral(".txt"));
    const Result<void> written = writeFileAtomically(path, QByteArray("report"));
    EXPECT_TRUE(written) << written.failure().text().toStdString();
    EXPECT_EQ(bytesOf(path), QByteArray("report"));
}

TEST(AtomicFile, AReadOnlyFileIsRefusedInAWritableFolder)
{
    FakeServices fakes;
    const QString path = fakes.path(QStringLiteral("app/locked.txt"));
    writeBytes(path, QByteArray("kept"));
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0444), 0);
    const Result<void> written = writeFileAtomically(path, QByteArray("lost"));
    EXPECT_FALSE(written);
    EXPECT_EQ(written.failure().text(), path + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(EACCES)));
    EXPECT_EQ(bytesOf(path), QByteArray("kept"));
    EXPECT_EQ(modeOf(path), 0444u);
    EXPECT_EQ(entries(fakes.path(QStringLiteral("app"))), QStringList{QStringLiteral("locked.txt")});
}

TEST(AtomicFile, ALinkIsWrittenThroughAndStaysALink)
{
    FakeServices fakes;
    const QString target = fakes.path(QStringLiteral("tmp/elsewhere/real.txt"));
    writeBytes(target, QByteArray("old"));
    ASSERT_EQ(::chmod(QFile::encodeName(target).constData(), 0640), 0);
    const QString link = fakes.path(QStringLiteral("app/link.txt"));
    const QString second = fakes.path(QStringLiteral("app/second.txt"));
    // Relative links, one leading to the other: each is read from its own folder.
    ASSERT_EQ(::symlink("../tmp/elsewhere/real.txt", QFile::encodeName(link).constData()), 0);
    ASSERT_EQ(::symlink("link.txt", QFile::encodeName(second).constData()), 0);

    const Result<void> written = writeFileAtomically(second, QByteArray("new"));
    ASSERT_TRUE(written) << written.failure().text().toStdString();
    EXPECT_TRUE(QFileInfo(second).isSymLink());
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(bytesOf(target), QByteArray("new"));
    EXPECT_EQ(modeOf(target), 0640u);
    EXPECT_EQ(entries(fakes.path(QStringLiteral("tmp/elsewhere"))), QStringList{QStringLiteral("real.txt")});
    EXPECT_EQ(entries(fakes.path(QStringLiteral("app"))),
              (QStringList{QStringLiteral("link.txt"), QStringLiteral("second.txt")}));

    // A link to nothing yet makes its file; a loop of links is refused by name.
    const QString dangling = fakes.path(QStringLiteral("app/dangling.txt"));
    ASSERT_EQ(::symlink("made.txt", QFile::encodeName(dangling).constData()), 0);
    ASSERT_TRUE(writeFileAtomically(dangling, QByteArray("made")));
    EXPECT_EQ(bytesOf(fakes.path(QStringLiteral("app/made.txt"))), QByteArray("made"));
    const QString loop = fakes.path(QStringLiteral("app/loop.txt"));
    ASSERT_EQ(::symlink("loop.txt", QFile::encodeName(loop).constData()), 0);
    const Result<void> looped = writeFileAtomically(loop, QByteArray("x"));
    EXPECT_FALSE(looped);
    EXPECT_EQ(looped.failure().text(), loop + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(ELOOP)));

    // A read-only file is refused also when a link leads to it.
    ASSERT_EQ(::chmod(QFile::encodeName(target).constData(), 0444), 0);
    EXPECT_FALSE(writeFileAtomically(link, QByteArray("lost")));
    EXPECT_EQ(bytesOf(target), QByteArray("new"));
}

TEST(AtomicFile, ScratchFilesOfKilledWritesGoAndThoseOfLiveWritersStay)
{
    FakeServices fakes;
    const QString folder = fakes.path(QStringLiteral("app"));
    const QStringList stale{QStringLiteral(".tessaline-0"), QStringLiteral(".tessaline-3w5e11264sgsf")};
    for (const QString& name : stale)
        writeBytes(folder + QLatin1Char('/') + name, QByteArray(4096, 's'));
    // Not ours: other names, a folder, a link; and one that a writer holds right now.
    const QStringList kept{QStringLiteral(".tessaline-"),      QStringLiteral(".tessaline-ABC"),
                           QStringLiteral(".tessaline-a.txt"), QStringLiteral(".tessaline-3w5e11264sgsf0"),
                           QStringLiteral("tessaline-abc"),    QStringLiteral(".tessaline-dir"),
                           QStringLiteral(".tessaline-link"),  QStringLiteral(".tessaline-live")};
    for (const QString& name : kept.mid(0, 5))
        writeBytes(folder + QLatin1Char('/') + name, QByteArray("other"));
    ASSERT_TRUE(QDir(folder).mkdir(QStringLiteral(".tessaline-dir")));
    writeBytes(fakes.path(QStringLiteral("tmp/.tessaline-outside")), QByteArray("outside"));
    ASSERT_EQ(::symlink("../tmp/.tessaline-outside", QFile::encodeName(folder + QStringLiteral("/.tessaline-link"))),
              0);
    writeBytes(folder + QStringLiteral("/.tessaline-live"), QByteArray("being written"));
    const int live = ::open(QFile::encodeName(folder + QStringLiteral("/.tessaline-live")).constData(), O_RDONLY);
    ASSERT_GE(live, 0);
    ASSERT_EQ(::flock(live, LOCK_EX), 0);

    ASSERT_TRUE(writeFileAtomically(folder + QStringLiteral("/report.txt"), QByteArray("report")));
    QStringList expected = kept;
    expected << QStringLiteral("report.txt");
    expected.sort();
    EXPECT_EQ(entries(folder), expected);
    EXPECT_EQ(bytesOf(fakes.path(QStringLiteral("tmp/.tessaline-outside"))), QByteArray("outside"));

    // Once its writer is gone, the same file is a leftover too.
    ::close(live);
    removeStaleScratchFiles(folder);
    EXPECT_FALSE(entries(folder).contains(QStringLiteral(".tessaline-live")));
    EXPECT_TRUE(entries(folder).contains(QStringLiteral("report.txt")));
}

namespace {

// Runs `work` with the rights of an ordinary user, whom permissions bind: for the
// superuser, in a child process that gives its rights up. True when `work` was.
bool asOrdinaryUser(const std::function<bool()>& work)
{
    if (::geteuid() != 0)
        return work();
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(::setgid(65534) == 0 && ::setuid(65534) == 0 && work() ? 0 : 1);
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}

TEST(FileSystemObject, ForcedDeletionRemovesALinkItselfAndAFailedOneChangesNothing)
{
    FakeServices fakes;
    FileSystemObject fso;
    const QString outside = fakes.path(QStringLiteral("tmp/outside.txt"));
    fso.CreateTextFile(outside)->Write(QStringLiteral("theirs"));
    ASSERT_EQ(::chmod(QFile::encodeName(outside).constData(), 0444), 0);
    const QString link = fakes.path(QStringLiteral("app/report.txt"));
    ASSERT_TRUE(QFile::link(outside, link));
    fso.DeleteFile(link, true);
    EXPECT_FALSE(QFileInfo(link).isSymLink());
    EXPECT_EQ(bytesOf(outside), QByteArray("theirs"));
    EXPECT_EQ(modeOf(outside), 0444u);

    // A read-only file goes from a writable folder; from a read-only folder it stays as it was.
    const QString readOnly = fakes.path(QStringLiteral("app/read-only.txt"));
    fso.CreateTextFile(readOnly)->Write(QStringLiteral("x"));
    ASSERT_EQ(::chmod(QFile::encodeName(readOnly).constData(), 0444), 0);
    fso.DeleteFile(readOnly, true);
    EXPECT_FALSE(fso.FileExists(readOnly));
    EXPECT_TRUE(asOrdinaryUser([] {
        char folder[] = "/tmp/tessaline-delete-XXXXXX";
        if (!::mkdtemp(folder))
            return false;
        const QString file = QString::fromLocal8Bit(folder) + QStringLiteral("/kept.txt");
        FileSystemObject().CreateTextFile(file)->Write(QStringLiteral("kept"));
        ::chmod(QFile::encodeName(file).constData(), 0444);
        ::chmod(folder, 0555);
        long number = 0;
        QString description;
        try {
            FileSystemObject().DeleteFile(file, true);
        } catch (const VbError& error) {
            number = error.number();
            description = error.description();
        }
        const bool unchanged = modeOf(file) == 0444 && bytesOf(file) == "kept";
        ::chmod(folder, 0755);
        QFile::remove(file);
        ::rmdir(folder);
        return number == err::PermissionDenied && description == QString::fromLocal8Bit(std::strerror(EACCES))
            && unchanged;
    }));
}

// Each of these would block the window or exhaust memory if it were opened or read whole.
TEST(BoundedRead, OnlySmallRegularFilesAreReadAndNothingWaitsOrReadsWithoutEnd)
{
    FakeServices fakes;
    const QString small = fakes.path(QStringLiteral("small.png"));
    ASSERT_TRUE(writeFileAtomically(small, QByteArray(100, 'p')));
    Result<QByteArray> read = readSmallRegularFile(small, 100);
    ASSERT_TRUE(read.ok()) << read.failure().text().toStdString();
    EXPECT_EQ(read.value(), QByteArray(100, 'p'));
    EXPECT_FALSE(readSmallRegularFile(small, 99).ok());

    const QString fifo = fakes.path(QStringLiteral("fifo.png"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString zero = fakes.path(QStringLiteral("zero.png"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zero));
    const QString huge = fakes.path(QStringLiteral("huge.png"));
    QFile sparse(huge);
    ASSERT_TRUE(sparse.open(QIODevice::WriteOnly) && sparse.resize(qint64(4) << 30));
    sparse.close();
    for (const QString& path : {fifo, zero, huge, QStringLiteral("/dev/zero"), QStringLiteral("/dev/urandom"),
                                fakes.path(QStringLiteral(".")), fakes.path(QStringLiteral("missing.png"))}) {
        const Result<QByteArray> refused = readSmallRegularFile(path, 1 << 20);
        EXPECT_FALSE(refused.ok()) << path.toStdString();
        EXPECT_EQ(refused.failure().path, path);
    }
    EXPECT_EQ(readSmallRegularFile(fakes.path(QStringLiteral("missing.png")), 10).failure().osError, ENOENT);
}
