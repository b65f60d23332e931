#include "platform/FileSystemObject.h"
#include "platform/AtomicFile.h"
#include "platform/BoundedRead.h"
#include "platform/FakeServices.h"
#include "platform/VbError.h"
#include "support/RaisedError.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <QDir>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

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
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
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

TEST(AtomicFile, AWriteCutShortLeavesTheOldFileWhole)
{
    FakeServices fakes;
    const QString path = fakes.path(QStringLiteral("whole.txt"));
    ASSERT_TRUE(writeFileAtomically(path, QByteArray("old")));
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    const auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved;
    limit.rlim_cur = 64;   // a disk that fills up mid-write, for root as well
    ::setrlimit(RLIMIT_FSIZE, &limit);
    QString error;
    const bool written = writeFileAtomically(path, QByteArray(8192, 'x'), &error);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(written);
    EXPECT_FALSE(error.isEmpty());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("old"));
    EXPECT_EQ(QDir(fakes.path(QStringLiteral("."))).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("whole.txt")});
}

TEST(AtomicFile, ANewFileHasTheUsualPermissionsAndAReplacedOneKeepsItsOwn)
{
    FakeServices fakes;
    const QString path = fakes.path(QStringLiteral("mode.txt"));
    const mode_t savedMask = ::umask(027);
    const bool written = writeFileAtomically(path, QByteArray("new"));
    ::umask(savedMask);
    ASSERT_TRUE(written);
    struct stat info
    {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);

    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0604), 0);
    ASSERT_TRUE(writeFileAtomically(path, QByteArray("again")));
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0604u);
}

TEST(AtomicFile, ANameAsLongAsTheFileSystemAllowsCanBeWritten)
{
    FakeServices fakes;
    const QString path = fakes.path(QString(251, QLatin1Char('n')) + QStringLiteral(".txt"));
    QString error;
    EXPECT_TRUE(writeFileAtomically(path, QByteArray("report"), &error)) << error.toStdString();
    EXPECT_EQ(bytesOf(path), QByteArray("report"));
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
