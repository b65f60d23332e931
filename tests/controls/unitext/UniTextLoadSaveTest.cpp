#include "controls/unitext/UniText.h"
#include "controls/unitext/UniTextFiles.h"

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

TEST_F(UniTextLoadSave, EveryCodePageThatIcuConvertsRoundTripsAndTheOthersAreNamed)
{
    const struct
    {
        int codePage;
        const char16_t* sample;
    } cases[] = {
        {737, u"Καλημέρα κόσμε"},     {775, u"Ąčęėįšųūž Ļņ"},    {858, u"Prix 5 € à Zürich"},
        {860, u"Ação e coração"},     {861, u"Þórður ætlar"},    {862, u"שלום עולם"},
        {863, u"Ça été déjà"},        {864, u"٠١٢ ٣"},           {865, u"Øl på Ærø"},
        {869, u"Αθήνα ΚΑΛΗΜΕΡΑ"},     {10007, u"Привет, мир"},   {10029, u"Łódź Őr"},
        {20932, u"日本語のテキスト"}, {20936, u"中文文本"},      {50221, u"日本語のテキスト"},
        {50222, u"日本語のテキスト"}, {50225, u"한국어 텍스트"}, {50227, u"中文文本"},
        {51936, u"中文文本"},         {52936, u"中文文本"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.codePage);
        const QString sample = QString::fromUtf16(c.sample);
        box.setFileCodepage(c.codePage);
        box.setText(sample);
        ASSERT_TRUE(box.SaveFile(path("cp.txt"), 0, true));
        const QByteArray saved = read("cp.txt");
        EXPECT_NE(saved, sample.toUtf8());   // written in the code page, not in UTF-8
        box.setText(QString());
        ASSERT_TRUE(box.LoadFile(path("cp.txt"), 0));
        EXPECT_EQ(box.Text(), sample);
        ASSERT_TRUE(box.SaveFile(path("again.txt"), 0, true));
        EXPECT_EQ(read("again.txt"), saved);
    }

    // What ICU has no table for is refused by its number.
    for (int codePage : {1361, 10001}) {
        SCOPED_TRACE(codePage);
        const unitext::LoadResult loaded = unitext::loadTextFile(write("in.txt", "abc"), 0, codePage);
        EXPECT_FALSE(loaded);
        EXPECT_TRUE(loaded.failure().text().contains(QString::number(codePage)))
            << loaded.failure().text().toStdString();
        const platform::Result<void> saved = unitext::saveTextFile(path("out.txt"), u"abc", 0, true, codePage);
        EXPECT_FALSE(saved);
        EXPECT_TRUE(saved.failure().text().contains(QString::number(codePage))) << saved.failure().text().toStdString();
    }
}
