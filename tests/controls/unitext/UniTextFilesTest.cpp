#include "controls/unitext/UniTextFiles.h"

#include "ScratchFiles.h"
#include "support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace unitext;

namespace {

class UniTextFiles : public ::testing::Test, protected ScratchFiles
{
protected:
    QStringList entries() const { return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden); }
};

}

TEST_F(UniTextFiles, AnEmptyFileLoadsAsNoTextAndNoEncoding)
{
    const LoadResult result = loadTextFile(write("empty.txt", {}), 1, 1252);
    EXPECT_TRUE(result.ok());
    EXPECT_FALSE(result.value().has_value());
}

TEST_F(UniTextFiles, WhatCannotBeReadIsRefusedWithAReason)
{
    const QString unreadable = write("secret.txt", "x");
    QFile::setPermissions(unreadable, {});
    const QString cases[] = {QString(), path("missing.txt"), m_dir.path(), QStringLiteral("/dev/zero")};
    for (const QString& name : cases) {
        SCOPED_TRACE(name.toStdString());
        const LoadResult result = loadTextFile(name, 0, 1252);
        EXPECT_FALSE(result.ok());
        // Said as "name: reason", the name as it was given.
        EXPECT_TRUE(result.failure().text().startsWith(name.isEmpty() ? QStringLiteral("No file name")
                                                                      : name + QStringLiteral(": ")))
            << result.failure().text().toStdString();
    }
    if (::geteuid() != 0) {   // root reads anything
        EXPECT_FALSE(loadTextFile(unreadable, 0, 1252).ok());
    }
    EXPECT_FALSE(loadTextFile(write("cp.txt", "abc"), 0, 1200).ok());   // no byte code page
}

TEST_F(UniTextFiles, AFileLargerThanTheBoxCanHoldIsRefusedNotMisread)
{
    EXPECT_FALSE(loadTextFile(write("big.txt", QByteArray(101, 'a')), 0, 1252, 100).ok());
    EXPECT_TRUE(loadTextFile(write("fits.txt", QByteArray(100, 'a')), 0, 1252, 100).ok());

    // 2 GiB and 4 GiB + 1 as sparse files: no disk space, and no byte is read.
    for (qint64 size : {qint64(1) << 31, (qint64(1) << 32) + 1}) {
        QFile sparse(path("sparse.txt"));
        ASSERT_TRUE(sparse.open(QIODevice::WriteOnly));
        if (!sparse.resize(size))
            GTEST_SKIP() << "the file system takes no sparse files";
        sparse.close();
        const LoadResult result = loadTextFile(path("sparse.txt"), 0, 1252);
        EXPECT_FALSE(result.ok());
        EXPECT_TRUE(result.failure().text().contains(QStringLiteral("larger")));
    }
}

TEST_F(UniTextFiles, SavingWritesTheEncodedBytes)
{
    EXPECT_TRUE(saveTextFile(path("out.txt"), u"A", kUtf16LE, false, 1252));
    EXPECT_EQ(read("out.txt"), QByteArray::fromHex("fffe4100"));
    EXPECT_TRUE(saveTextFile(path("out.txt"), u"\u00e9", kFileCodePage, true, 1252));
    EXPECT_EQ(read("out.txt"), QByteArray::fromHex("e9"));
    EXPECT_EQ(entries(), QStringList{QStringLiteral("out.txt")});
}

TEST_F(UniTextFiles, ARefusedSaveLeavesTheOldFileAlone)
{
    write("keep.txt", "old");
    const platform::Result<void> exists = saveTextFile(path("keep.txt"), u"new", kUtf16LE, false, 1252);
    EXPECT_EQ(exists.failure().text(), path("keep.txt") + QStringLiteral(": the file exists"));
    EXPECT_FALSE(saveTextFile(path("keep.txt"), u"new", 437, true, 1252));             // unknown code
    EXPECT_FALSE(saveTextFile(path("keep.txt"), u"new", kFileCodePage, true, 1200));   // no byte code page
    EXPECT_FALSE(saveTextFile(path("keep.txt"), u"", kUtf8, true, 1252));              // no text
    EXPECT_FALSE(saveTextFile(QString(), u"new", kUtf8, true, 1252));
    EXPECT_EQ(read("keep.txt"), QByteArray("old"));
    EXPECT_FALSE(saveTextFile(path("never.txt"), u"new", 437, true, 1252));
    EXPECT_EQ(entries(), QStringList{QStringLiteral("keep.txt")});
    EXPECT_FALSE(saveTextFile(m_dir.path(), u"new", kUtf8, true, 1252));
}

TEST_F(UniTextFiles, AFullDiskFailsTheSaveAndKeepsTheOldFile)
{
    write("full.txt", "old");
    platform::Result<void> saved;
    {
        FileSizeLimit limit(64);
        saved = saveTextFile(path("full.txt"), QString(1000, QChar(u'x')), kUtf16LE, true, 1252);
    }
    EXPECT_FALSE(saved);
    EXPECT_EQ(read("full.txt"), QByteArray("old"));
    EXPECT_EQ(entries(), QStringList{QStringLiteral("full.txt")});
}

TEST_F(UniTextFiles, IsoTwoThousandTwentyTwoSavesWhole)
{
    QString text;
    for (int i = 0; i < 1000; ++i)
        text.append(QChar(u'a')).append(QChar(char16_t(0x3042 + i % 80)));
    ASSERT_TRUE(saveTextFile(path("jis.txt"), text, kFileCodePage, true, 50220));
    const LoadResult result = loadTextFile(path("jis.txt"), 0, 50220);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.value()->text, text);
}
