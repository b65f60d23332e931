#include "controls/unitext/UniText.h"

#include "ScratchFiles.h"
#include "support/ByteText.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using unitext::UniText;

namespace {

class UniTextLoadSave : public ::testing::Test, protected ScratchFiles
{
protected:
    UniText box;
};

}

TEST_F(UniTextLoadSave, ALoadedFileBecomesTheTextAndItsEncodingTheBom)
{
    box.setMultiLine(true);
    ASSERT_TRUE(box.LoadFile(write("a.txt", hex("efbbbf 61 0d0a 62 0d 63 0a 00 64")), 0));
    EXPECT_EQ(box.BOM(), 65001);
    EXPECT_EQ(box.Text(), QStringLiteral("a\r\nb\rc\n") + QChar(u'\0') + QStringLiteral("d"));
    EXPECT_EQ(box.Lines(), 2);
    EXPECT_FALSE(box.Modified());

    ASSERT_TRUE(box.LoadFile(write("b.txt", hex("c3a9")), 1));
    EXPECT_EQ(box.BOM(), 1);
    box.setFileCodepage(1252);
    ASSERT_TRUE(box.LoadFile(path("b.txt"), 0));
    EXPECT_EQ(box.BOM(), 0);
    EXPECT_EQ(box.Text(), QStringLiteral("\u00c3\u00a9"));
}

TEST_F(UniTextLoadSave, ALoadAndSaveWithoutEditsGivesTheSameBytes)
{
    const QByteArray files[] = {
        hex("fffe 6100 0d00 0a00 0d00 6200 0a00 2920 3dd8 00de 0000"),
        hex("0000feff 00000061 0000000d 0000000a 0001f600"),
        hex("efbbbf 41 0d 0a 0a 0d 42"),
        hex("2b2f76382d 41"),
    };
    const qint32 codes[] = {1200, 12001, 65001, 65000};
    for (bool multi : {true, false}) {
        box.setMultiLine(multi);
        for (int i = 0; i < 4; ++i) {
            SCOPED_TRACE(codes[i]);
            ASSERT_TRUE(box.LoadFile(write("in.txt", files[i]), 0));
            EXPECT_EQ(box.BOM(), codes[i]);
            ASSERT_TRUE(box.SaveFile(path("out.txt"), box.BOM(), true));
            EXPECT_EQ(read("out.txt"), files[i]);
        }
    }
}

TEST_F(UniTextLoadSave, AFailedLoadChangesNothing)
{
    box.setText(QStringLiteral("kept"));
    box.setBOM(1201);
    const QString folder = m_dir.path();
    EXPECT_FALSE(box.LoadFile(QString(), 0));
    EXPECT_FALSE(box.LoadFile(path("missing.txt"), 0));
    EXPECT_FALSE(box.LoadFile(folder, 0));
    box.setFileCodepage(4242);
    EXPECT_FALSE(box.LoadFile(write("cp.txt", "abc"), 0));
    EXPECT_EQ(box.Text(), QStringLiteral("kept"));
    EXPECT_EQ(box.BOM(), 1201);

    ASSERT_TRUE(box.LoadFile(write("empty.txt", {}), 0));   // an empty file empties the box
    EXPECT_EQ(box.Text(), QString());
    EXPECT_EQ(box.BOM(), 1201);
}

TEST_F(UniTextLoadSave, ARefusedSaveKeepsTheFileAndTheBom)
{
    write("old.txt", "old");
    box.setText(QStringLiteral("new"));
    box.setBOM(1200);
    EXPECT_FALSE(box.SaveFile(path("old.txt"), 437, true));
    EXPECT_FALSE(box.SaveFile(path("old.txt"), 65001, false));
    box.setFileCodepage(1200);
    EXPECT_FALSE(box.SaveFile(path("old.txt"), 0, true));
    EXPECT_EQ(read("old.txt"), QByteArray("old"));
    EXPECT_EQ(box.BOM(), 1200);

    box.setText(QString());
    EXPECT_FALSE(box.SaveFile(path("none.txt"), 65001, true));
    EXPECT_EQ(read("none.txt"), QByteArray("<missing>"));

    box.setText(QStringLiteral("\u3042"));
    box.setFileCodepage(932);
    ASSERT_TRUE(box.SaveFile(path("old.txt"), 0, true));
    EXPECT_EQ(read("old.txt"), hex("82a0"));
    EXPECT_EQ(box.BOM(), 0);
}

TEST_F(UniTextLoadSave, LoadingTellsOfTheChangeInASingleLineBoxOnly)
{
    QSignalSpy changes(&box, &UniText::Change);
    ASSERT_TRUE(box.LoadFile(write("a.txt", "abc"), 0));
    EXPECT_EQ(changes.count(), 1);
    box.setMultiLine(true);
    ASSERT_TRUE(box.LoadFile(write("b.txt", "def"), 0));
    EXPECT_EQ(changes.count(), 1);
}
