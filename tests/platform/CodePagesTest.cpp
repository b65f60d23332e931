#include "platform/CodePages.h"

#include "support/ByteText.h"

#include <gtest/gtest.h>

using namespace platform::codepages;

TEST(CodePages, EveryListedCodePageHasAConverter)
{
    for (int codePage :
         {437,   850,   852,   855,   857,   866,   874,   932,   936,   949,   950,   1250,  1251,  1252,
          1253,  1254,  1255,  1256,  1257,  1258,  10000, 20127, 20866, 21866, 28591, 28592, 28593, 28594,
          28595, 28596, 28597, 28598, 28599, 28603, 28605, 50220, 51932, 51949, 54936, 65000, 65001}) {
        SCOPED_TRACE(codePage);
        EXPECT_TRUE(toUnicode(codePage, "A").has_value());
        EXPECT_EQ(fromUnicode(codePage, u"A"), QByteArray("A"));
    }
}

TEST(CodePages, UnknownAndWideCodePagesAreRefused)
{
    for (int codePage : {0, 1, 1200, 1201, 12000, 12001, 99999, -1}) {
        SCOPED_TRACE(codePage);
        EXPECT_FALSE(isKnown(codePage));
        EXPECT_FALSE(toUnicode(codePage, "A").has_value());
        EXPECT_FALSE(fromUnicode(codePage, u"A").has_value());
    }
}

TEST(CodePages, SingleByteTablesMatchWindows)
{
    // The five bytes that windows-1252 leaves unassigned still map, so a load and save
    // gives the bytes back.
    EXPECT_EQ(toUnicode(1252, hex("80818d8f909d9fe9")), units({0x20AC, 0x81, 0x8D, 0x8F, 0x90, 0x9D, 0x178, 0xE9}));
    EXPECT_EQ(fromUnicode(1252, units({0x20AC, 0x81, 0x8D, 0x8F, 0x90, 0x9D, 0x178, 0xE9})), hex("80818d8f909d9fe9"));
    EXPECT_EQ(toUnicode(1250, hex("8a9ea3")), units({0x160, 0x17E, 0x141}));
    EXPECT_EQ(toUnicode(1251, hex("c0e0a8")), units({0x410, 0x430, 0x401}));
    EXPECT_EQ(toUnicode(1253, hex("c1e1")), units({0x391, 0x3B1}));
    EXPECT_EQ(toUnicode(1254, hex("d0fddef0")), units({0x11E, 0x131, 0x15E, 0x11F}));
    EXPECT_EQ(fromUnicode(1251, u"Привет"), hex("cff0e8e2e5f2"));
}

TEST(CodePages, ACharacterMissingFromTheCodePageBecomesAQuestionMark)
{
    EXPECT_EQ(fromUnicode(1252, u"a\u3042b"), QByteArray("a?b"));
    EXPECT_EQ(fromUnicode(20127, u"x\u00ffy")->size(), 3);
    EXPECT_EQ(fromUnicode(20127, u"x\u4e00y"), QByteArray("x?y"));
}

TEST(CodePages, MultiByteCodePagesDecodeAndEncodeWhole)
{
    EXPECT_EQ(toUnicode(932, hex("82a0835e")), u"\u3042\u30bf");
    EXPECT_EQ(fromUnicode(932, u"\u3042\u30bf"), hex("82a0835e"));
    EXPECT_EQ(fromUnicode(936, u"\u4e2d"), hex("d6d0"));
    EXPECT_EQ(fromUnicode(949, u"\ud55c"), hex("c7d1"));
    EXPECT_EQ(fromUnicode(950, u"\u4e2d"), hex("a4a4"));

    // ISO-2022-JP switches in and out of the kanji set: eight bytes for one character.
    EXPECT_EQ(fromUnicode(50220, u"\u3042"), hex("1b244224221b2842"));
    // Switching on every character: "a\u3042" takes nine bytes for two units.
    const QString level1Kanji = *toUnicode(932, hex("889f88a088a188a288a388a488a588a688a788a8"));
    QString kanji;
    for (int i = 0; i < 1000; ++i)
        kanji.append(level1Kanji.at(i % level1Kanji.size())).append(QChar(u'a' + i % 26));
    const auto bytes = fromUnicode(50220, kanji);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_GT(bytes->size(), 4 * kanji.size() + 1);   // more than a fixed four bytes a unit could hold
    EXPECT_EQ(toUnicode(50220, *bytes), kanji);
}

TEST(CodePages, InvalidBytesBecomeReplacementCharacters)
{
    EXPECT_EQ(toUnicode(932, hex("41 82")), u"A\ufffd");
    EXPECT_EQ(toUnicode(932, hex("41 a0 42")), u"A\ufffdB");
    EXPECT_EQ(toUnicode(kUtf8, hex("41 c3 28")), u"A\ufffd(");
}

TEST(CodePages, Utf7BothWays)
{
    EXPECT_EQ(toUnicode(kUtf7, "Hi +AOk-!"), u"Hi \u00e9!");
    const QString text = u"A\u00e9\u3042 \U0001F600 +-x"_qs;
    const auto bytes = fromUnicode(kUtf7, text);
    ASSERT_TRUE(bytes.has_value());
    for (char byte : *bytes)
        EXPECT_LT(static_cast<unsigned char>(byte), 0x80);
    EXPECT_EQ(toUnicode(kUtf7, *bytes), text);
}

TEST(CodePages, EmptyInputGivesEmptyOutput)
{
    EXPECT_EQ(toUnicode(1252, ""), QString());
    EXPECT_EQ(fromUnicode(50220, u""), QByteArray());
}
