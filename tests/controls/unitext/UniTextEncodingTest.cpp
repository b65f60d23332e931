#include "controls/unitext/UniTextEncoding.h"

#include "support/ByteText.h"

#include <gtest/gtest.h>

using namespace unitext;

namespace {

struct LoadCase
{
    const char* file;   // hex
    int32_t ifNoBom;
    int codePage;
    QString text;
    int32_t code;
};

}

TEST(UniTextEncoding, ByteOrderMarksAreFoundInTheirOrderAndOnlyWithABodyBehindThem)
{
    const struct
    {
        const char* file;
        int32_t code;
        int length;
    } cases[] = {
        {"0000feff41", kUtf32BE, 4}, {"0000feff", kFileCodePage, 0},   {"fffe000041", kUtf32LE, 4},
        {"fffe0000", kUtf16LE, 2},   // only 4 bytes: UTF-16 "NUL"
        {"feff00", kUtf16BE, 2},     {"feff", kFileCodePage, 0},       {"fffe41", kUtf16LE, 2},
        {"fffe", kFileCodePage, 0},  {"efbbbf41", kUtf8, 3},           {"efbbbf", kFileCodePage, 0},
        {"2b2f76382d41", kUtf7, 5},  {"2b2f76382d", kFileCodePage, 0}, {"2b2f76384141", kFileCodePage, 0},
        {"", kFileCodePage, 0},      {"41", kFileCodePage, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const ByteOrderMark mark = detectByteOrderMark(hex(c.file));
        EXPECT_EQ(mark.code, c.code);
        EXPECT_EQ(mark.length, c.length);
    }
}

TEST(UniTextEncoding, FilesDecodeByTheirMarkOrTheirCodePage)
{
    const LoadCase cases[] = {
        {"fffe4100", 0, 1252, u"A"_qs, kUtf16LE},
        {"feff0041", 0, 1252, u"A"_qs, kUtf16BE},
        {"fffe000041000000", 0, 1252, u"A"_qs, kUtf32LE},
        {"0000feff00000041", 0, 1252, u"A"_qs, kUtf32BE},
        {"efbbbf41", 0, 1252, u"A"_qs, kUtf8},
        {"2b2f76382d4869", 0, 1252, u"Hi"_qs, kUtf7},
        {"2b2f76382d", 0, 1252, u"+/v8-"_qs, kFileCodePage},
        {"2b2f76384869", 0, 1252, u"+/v8Hi"_qs, kFileCodePage},
        {"fffe", 0, 1252, u"\u00ff\u00fe"_qs, kFileCodePage},
        {"efbbbf", 1, 1252, units({0xFEFF}), kUtf8NoBom},
        {"efbbbf", 0, 1252, u"\u00ef\u00bb\u00bf"_qs, kFileCodePage},
        {"fffe00004100", 0, 1252, QString(), kUtf32LE},   // the body is under one unit
        {"c3a9", 1, 1252, u"\u00e9"_qs, kUtf8NoBom},
        {"c3a9", 0, 1252, u"\u00c3\u00a9"_qs, kFileCodePage},
        {"c3a9", -1, 1252, u"\u00c3\u00a9"_qs, kFileCodePage},   // only 1 sniffs
        {"414243", 1, 1252, u"ABC"_qs, kFileCodePage},
        {"c0a9", 1, 1252, u"\u00c0\u00a9"_qs, kFileCodePage},   // overlong: no UTF-8
        {"82a0", 0, 932, u"\u3042"_qs, kFileCodePage},
        {"cff0e8e2e5f2", 1, 1251, u"\u041f\u0440\u0438\u0432\u0435\u0442"_qs, kFileCodePage},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const auto decoded = decodeFile(hex(c.file), c.ifNoBom, c.codePage);
        ASSERT_TRUE(decoded.has_value());
        EXPECT_EQ(decoded->text, c.text);
        EXPECT_EQ(decoded->code, c.code);
    }
}

TEST(UniTextEncoding, Utf32KeepsTheLowThreeBytesAndDropsWhatIsNoCodePoint)
{
    EXPECT_EQ(decodeUtf32(hex("ffff0000"), false), units({0xFFFF}));
    EXPECT_EQ(decodeUtf32(hex("ffff1000"), false), units({0xDBFF, 0xDFFF}));
    EXPECT_EQ(decodeUtf32(hex("00001100"), false), QString());
    EXPECT_EQ(decodeUtf32(hex("4100007f"), false), u"A"_qs);
    EXPECT_EQ(decodeUtf32(hex("00d80000"), false), units({0xD800}));
    EXPECT_EQ(decodeUtf32(hex("7f000041"), true), u"A"_qs);
    EXPECT_EQ(decodeUtf32(hex("41000000 4200"), false), u"A"_qs);   // leftover bytes ignored
    EXPECT_EQ(decodeUtf32(hex("410000"), false), QString());
}

TEST(UniTextEncoding, Utf16KeepsLoneSurrogatesAndAnOddLastByte)
{
    EXPECT_EQ(decodeUtf16(hex("00d84100"), false), units({0xD800, 0x41}));
    EXPECT_EQ(decodeUtf16(hex("410042"), false), u"AB"_qs);
    EXPECT_EQ(decodeUtf16(hex("004142"), true), u"AB"_qs);
    EXPECT_EQ(decodeFile(hex("fffe410042"), 0, 1252)->text, u"AB"_qs);
}

TEST(UniTextEncoding, TheSnifferTakesOnlyCleanUtf8)
{
    const struct
    {
        const char* bytes;
        bool utf8;
    } cases[] = {
        {"c3a9", true},     {"c328", false},     {"414243", false},      {"e9414243", false}, {"e941", false},
        {"41c3a942", true}, {"f09f9880", true},  {"c0a9", false},        {"c1bf", false},   // overlong
        {"eda080", false},  {"f4908080", false}, {"f8888080 80", false}, {"fe", false},       {"ff41", false},
        {"c3", false},   // cut by the end
        {"80", false},      {"e0a080", true},    {"e08080", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        EXPECT_EQ(Private_IsUTF8(hex(c.bytes), kSniffLimit), c.utf8);
    }
    EXPECT_FALSE(Private_IsUTF8(hex("c3a9"), -1));
    EXPECT_FALSE(Private_IsUTF8(hex("c3a9"), 0));
}

TEST(UniTextEncoding, TheSnifferStopsAtItsLimit)
{
    QByteArray head(2045, 'a');
    head[0] = char(0xC3);
    head[1] = char(0xA9);
    // A sequence at 2045 ends at 2047, inside the limit; one at 2046 would pass it.
    EXPECT_TRUE(Private_IsUTF8(head + hex("e282ac") + "tail", kSniffLimit));
    EXPECT_TRUE(Private_IsUTF8(head + "a" + hex("e282ac"), kSniffLimit));
    EXPECT_FALSE(Private_IsUTF8(QByteArray(2046, 'a') + hex("e282ac"), kSniffLimit));

    // Bytes beyond the head that are no UTF-8 keep the file in its code page.
    const QByteArray lateLatin1 = hex("c3a9") + QByteArray(3000, 'a') + hex("e9");
    EXPECT_TRUE(Private_IsUTF8(lateLatin1, kSniffLimit));
    const auto decoded = decodeFile(lateLatin1, 1, 1252);
    EXPECT_EQ(decoded->code, kFileCodePage);
    EXPECT_EQ(decoded->text.right(1), u"\u00e9"_qs);
}

TEST(UniTextEncoding, Utf8DecodingReplacesEachInvalidStretchOnce)
{
    bool valid = true;
    EXPECT_EQ(Private_UTF8toUTF16(hex("41e282"), &valid), u"A\ufffd"_qs);
    EXPECT_FALSE(valid);
    EXPECT_EQ(Private_UTF8toUTF16(hex("e28241"), &valid), u"\ufffdA"_qs);
    EXPECT_EQ(Private_UTF8toUTF16(hex("c0af"), &valid), u"\ufffd\ufffd"_qs);
    EXPECT_EQ(Private_UTF8toUTF16(hex("eda080"), &valid), u"\ufffd\ufffd\ufffd"_qs);
    EXPECT_EQ(Private_UTF8toUTF16(hex("f09f9880 00 41"), &valid), u"\U0001F600"_qs + QChar(u'\0') + u"A"_qs);
    EXPECT_TRUE(valid);
    EXPECT_EQ(Private_UTF16toUTF8(units({0x41, 0xD800, 0x42, 0xDC00})), hex("41efbfbd42efbfbd"));
    EXPECT_EQ(Private_UTF16toUTF8(u"\U0001F600\u00e9\u20ac"), hex("f09f9880c3a9e282ac"));
}

TEST(UniTextEncoding, SavedFilesHaveTheirMarkAndBody)
{
    const struct
    {
        QString text;
        int32_t code;
        int codePage;
        const char* bytes;
    } cases[] = {
        {u"A"_qs, kUtf16LE, 1252, "fffe4100"},
        {u"A"_qs, kUtf16BE, 1252, "feff0041"},
        {u"\U0001F600"_qs, kUtf32BE, 1252, "0000feff0001f600"},
        {u"\U0001F600"_qs, kUtf32LE, 1252, "fffe000000f60100"},
        {units({0xD800, 0x41}), kUtf32LE, 1252, "fffe000041000000"},   // only the lone half goes
        {units({0xDC00}), kUtf32LE, 1252, "fffe000000dc0000"},
        {units({0x41, 0xD800}), kUtf32BE, 1252, "0000feff00000041"},
        {u"\u00e9"_qs, kUtf8, 1252, "efbbbfc3a9"},
        {u"\u00e9"_qs, kUtf8NoBom, 1252, "c3a9"},
        {u"\u00e9"_qs, kFileCodePage, 1252, "e9"},
        {u"\u3042"_qs, kFileCodePage, 932, "82a0"},
        {u"A"_qs, kUtf7, 1252, "2b2f76382d41"},
        {units({0x41, 0, 0x42}), kUtf16LE, 1252, "fffe410000004200"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        EXPECT_EQ(encodeFile(c.text, c.code, c.codePage), hex(c.bytes));
    }
}

TEST(UniTextEncoding, UnknownCodesAndCodePagesEncodeNothing)
{
    EXPECT_FALSE(encodeFile(u"A", 437, 1252).has_value());
    EXPECT_FALSE(encodeFile(u"A", -1, 1252).has_value());
    EXPECT_FALSE(encodeFile(u"A", kFileCodePage, 1200).has_value());
    EXPECT_FALSE(encodeFile(u"A", kFileCodePage, 4242).has_value());
    EXPECT_FALSE(decodeFile("A", 0, 1200).has_value());
    EXPECT_FALSE(decodeFile("A", 1, 4242).has_value());
    EXPECT_TRUE(decodeFile(hex("fffe4100"), 0, 4242).has_value());   // a BOM needs no code page
}

TEST(UniTextEncoding, EveryEncodingRoundTripsBreaksSurrogatesAndNul)
{
    const QString text = u"a\r\nb\rc\nd\u2029e"_qs + QChar(u'\0') + u"\u00e9\U0001F600\u3042"_qs;
    for (int32_t code : {kUtf16LE, kUtf16BE, kUtf32LE, kUtf32BE, kUtf7, kUtf8, kUtf8NoBom}) {
        SCOPED_TRACE(code);
        const auto bytes = encodeFile(text, code, 1252);
        ASSERT_TRUE(bytes.has_value());
        const auto decoded = decodeFile(*bytes, 1, 1252);
        ASSERT_TRUE(decoded.has_value());
        EXPECT_EQ(decoded->text, text);
        EXPECT_EQ(decoded->code, code);
        EXPECT_EQ(encodeFile(decoded->text, decoded->code, 1252), bytes);
    }
    for (int codePage : {932, 50220, 65000}) {
        SCOPED_TRACE(codePage);
        const QString japanese = u"\u3042\u30bf\u4e00 a\r\nb"_qs;
        const auto bytes = encodeFile(japanese, kFileCodePage, codePage);
        ASSERT_TRUE(bytes.has_value());
        EXPECT_EQ(decodeFile(*bytes, 0, codePage)->text, japanese);
    }
    const QByteArray shiftJis = hex("82a0835e0d0a41");
    EXPECT_EQ(encodeFile(decodeFile(shiftJis, 0, 932)->text, kFileCodePage, 932), shiftJis);
}

TEST(UniTextEncoding, AnyBytesDecodeToSomeText)
{
    // Truncated marks, odd lengths and invalid sequences behind every mark, from a fixed seed.
    const QByteArray marks[] = {"",
                                hex("fffe"),
                                hex("feff"),
                                hex("fffe0000"),
                                hex("0000feff"),
                                hex("efbbbf"),
                                QByteArray("+/v8-"),
                                QByteArray("+/v8")};
    quint32 seed = 12345;
    const auto next = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 16; };
    for (int round = 0; round < 400; ++round) {
        QByteArray body(int(next() % 24), Qt::Uninitialized);
        for (char& byte : body)
            byte = char(next() & 0xFF);
        for (const QByteArray& mark : marks) {
            for (int codePage : {1252, 932, 50220, 65000, 65001}) {
                const auto decoded = decodeFile(mark + body, round % 2, codePage);
                ASSERT_TRUE(decoded.has_value());
                EXPECT_TRUE(isEncodingCode(decoded->code));
            }
        }
    }
}
