#include "app/reports/ReportRecord.h"

#include <gtest/gtest.h>

using namespace reports;
using reportrecord::Context;
using reportrecord::Layout;

namespace {

QByteArray utf16le(const QString& text)
{
    QByteArray bytes;
    for (const QChar c : text) {
        bytes.append(char(c.unicode() & 0xFF));
        bytes.append(char(c.unicode() >> 8));
    }
    return bytes;
}

Context xp(const QString& location = QStringLiteral("/data"),
           const QString& provider = QStringLiteral("Provider=MSOLAP.4"))
{
    return Context{Layout::Components10And11, location, provider};
}

Context v9(const QString& location = QStringLiteral("/data"))
{
    return Context{Layout::Version9, location, QString()};
}

}

TEST(ReportRecord, WritesBothLayoutsByteExactWithoutMarkOrLineEnd)
{
    cOLAPReport r;
    r.GraphXML = QStringLiteral("C");
    r.PivotXML = QStringLiteral("P");
    r.ViewType = 1;
    r.ReportDescription = QStringLiteral("D");
    r.ReportCategory = QStringLiteral("K");
    const QByteArray bytes = reportrecord::encode(r, xp());
    EXPECT_EQ(bytes, utf16le(QStringLiteral("C***P***1******DXYZXYZKXYZ")));
    EXPECT_EQ(bytes.size(), 52);
    EXPECT_EQ(bytes.left(4), QByteArray("\x43\x00\x2a\x00", 4));
    EXPECT_EQ(bytes.right(4), QByteArray("\x5a\x00", 2).prepend(QByteArray("\x59\x00", 2)));

    cOLAPReport old;
    old.PivotXML = QStringLiteral("P");
    old.ViewType = 2;
    old.ReportType = QStringLiteral("T");
    EXPECT_EQ(reportrecord::encode(old, v9()), utf16le(QStringLiteral("P***2***0***0***XYZTXYZXYZ")));
}

TEST(ReportRecord, RoundTripKeepsEveryFieldIncludingTextOutsideTheBasicPlane)
{
    cOLAPReport r;
    r.GraphXML = QStringLiteral("<chart>Αθήνα</chart>");
    r.PivotXML = QStringLiteral("<pivot>Provider=MSOLAP.4;Göteborg \U0001F600</pivot>");
    r.ViewType = 3;
    r.ReportDescription = QStringLiteral("<p>Kraków</p>");
    r.ReportType = QStringLiteral("Monthly");
    r.ReportCategory = QStringLiteral("Zürich");

    cOLAPReport back;
    ASSERT_TRUE(reportrecord::decode(reportrecord::encode(r, xp()), xp(), back));
    EXPECT_EQ(back.GraphXML, r.GraphXML);
    EXPECT_EQ(back.PivotXML, r.PivotXML);
    EXPECT_EQ(back.ViewType, 3);
    EXPECT_EQ(back.ReportDescription, r.ReportDescription);
    EXPECT_EQ(back.ReportType, r.ReportType);
    EXPECT_EQ(back.ReportCategory, r.ReportCategory);

    cOLAPReport old;
    old.PivotXML = QStringLiteral("<pivot/>");
    old.ViewType = 2;
    old.GraphType = 21;
    old.GraphListIndex = -1;
    cOLAPReport oldBack;
    ASSERT_TRUE(reportrecord::decode(reportrecord::encode(old, v9()), v9(), oldBack));
    EXPECT_EQ(oldBack.GraphListIndex, -1);
    EXPECT_EQ(oldBack.GraphType, 21);
    EXPECT_EQ(oldBack.ViewType, 2);
    EXPECT_EQ(oldBack.PivotXML, old.PivotXML);
}

TEST(ReportRecord, LocationBecomesPlaceholderInTheHeadOnlyAndComesBackOnReading)
{
    cOLAPReport r;
    r.GraphXML = QStringLiteral("src=/data/Sales.cub");
    r.PivotXML = QStringLiteral("Provider=MSOLAP.4;data source=/data/Sales.cub;other=/DATA");
    r.ViewType = 1;
    r.ReportDescription = QStringLiteral("kept in /data");
    const QByteArray bytes = reports::reportrecord::encode(r, xp());
    const QString text = reports::reportrecord::decodeText(bytes, 1252);
    EXPECT_TRUE(
        text.startsWith(QStringLiteral("src=XXX/Sales.cub***Provider=MSOLAP.4;data source=XXX/Sales.cub;other=/DATA")));
    EXPECT_TRUE(text.contains(QStringLiteral("kept in /data")));

    // Opened from another folder, the report points there.
    cOLAPReport moved;
    ASSERT_TRUE(reportrecord::decode(bytes, xp(QStringLiteral("/elsewhere")), moved));
    EXPECT_EQ(moved.GraphXML, QStringLiteral("src=/elsewhere/Sales.cub"));
    EXPECT_EQ(moved.PivotXML, QStringLiteral("Provider=MSOLAP.4;data source=/elsewhere/Sales.cub;other=/DATA"));
}

TEST(ReportRecord, ProviderPartIsRenewedOrLeftAlone)
{
    const auto pivotAfter = [](const QString& pivot, const QString& provider) {
        cOLAPReport r;
        r.PivotXML = pivot;
        r.ViewType = 1;
        cOLAPReport back;
        EXPECT_TRUE(reportrecord::decode(reportrecord::encode(r, xp()), xp(QStringLiteral("/data"), provider), back));
        return back.PivotXML;
    };
    EXPECT_EQ(pivotAfter(QStringLiteral("a provider=msolap.3;b"), QStringLiteral("Provider=MSOLAP.4")),
              QStringLiteral("a Provider=MSOLAP.4;b"));
    // No provider known (the first cube could not be opened): the stored one stays.
    EXPECT_EQ(pivotAfter(QStringLiteral("a provider=msolap.3;b"), QString()), QStringLiteral("a provider=msolap.3;b"));
    EXPECT_EQ(pivotAfter(QStringLiteral("<pivot/>"), QStringLiteral("Provider=MSOLAP.4")), QStringLiteral("<pivot/>"));
    EXPECT_EQ(pivotAfter(QStringLiteral("PROVIDER=MSOLAP.3 no end"), QStringLiteral("Provider=MSOLAP.4")),
              QStringLiteral("PROVIDER=MSOLAP.3 no end"));
}

TEST(ReportRecord, ReadsWhatTheWriterWritesAndMarkedOrEightBitFiles)
{
    using reports::reportrecord::decodeText;
    EXPECT_EQ(decodeText(QByteArray("\xFF\xFE", 2) + utf16le(QStringLiteral("<x>Ω</x>")), 1252),
              QStringLiteral("<x>Ω</x>"));
    EXPECT_EQ(decodeText(utf16le(QStringLiteral("<x>Ω</x>")), 1252), QStringLiteral("<x>Ω</x>"));
    EXPECT_EQ(decodeText(QByteArray("P***2***0***0***"), 1252), QStringLiteral("P***2***0***0***"));
    EXPECT_EQ(decodeText(QByteArray("Z\xC3\xBCrich"), 1252), QStringLiteral("Zürich"));
    // 8-bit text is in the ANSI code page of the user's language, not Latin-1.
    EXPECT_EQ(decodeText(QByteArray("Z\xFCrich \x80 5"), 1252), QStringLiteral("Zürich € 5"));
    EXPECT_EQ(decodeText(QByteArray("\xCC\xEE\xF1\xEA\xE2\xE0 \x88"), 1251), QStringLiteral("Москва €"));
    EXPECT_EQ(decodeText(QByteArray("\xC1\xE8\xE7\xED\xE1"), 1253), QStringLiteral("Αθηνα"));
    // An odd last byte is dropped with or without the mark, so both files read the same.
    const QByteArray odd = utf16le(QStringLiteral("P***2***0***0***")) + QByteArray("\x0A", 1);
    EXPECT_EQ(decodeText(odd, 1252), QStringLiteral("P***2***0***0***"));
    EXPECT_EQ(decodeText(QByteArray("\xFF\xFE", 2) + odd, 1252), decodeText(odd, 1252));

    cOLAPReport r;
    ASSERT_TRUE(reportrecord::decode(QByteArray("P***2***0***4***XYZXYZXYZ"), v9(), r));
    EXPECT_EQ(r.GraphListIndex, 4);
}

TEST(ReportRecord, DescriptionBlockRules)
{
    const auto read = [](const QString& text) {
        cOLAPReport r;
        r.ReportType = QStringLiteral("unchanged");
        EXPECT_TRUE(reportrecord::decode(utf16le(text), v9(), r));
        return r;
    };
    EXPECT_EQ(read(QStringLiteral("P***1***0***0***XYZXYZXYZ")).ReportType, QStringLiteral("unchanged"));
    EXPECT_EQ(read(QStringLiteral("P***1***0***0***aXYZbXYZcXYZ")).ReportCategory, QStringLiteral("c"));
    // "XYZ" inside a field splits the block into more parts: the three fields are not taken.
    EXPECT_EQ(read(QStringLiteral("P***1***0***0***aXYZbXYZbXYZcXYZ")).ReportType, QStringLiteral("unchanged"));
    // "***" inside the description cuts the block there.
    EXPECT_EQ(read(QStringLiteral("P***1***0***0***a***bXYZtXYZcXYZ")).ReportType, QStringLiteral("unchanged"));
}

TEST(ReportRecord, MalformedRecordsAreRefusedWithoutTouchingTheReport)
{
    cOLAPReport r;
    r.PivotXML = QStringLiteral("before");
    const platform::Result<void> decoded = reportrecord::decode(utf16le(QStringLiteral("C***P")), xp(), r);
    EXPECT_FALSE(decoded);
    EXPECT_EQ(decoded.failure().text(), QStringLiteral("The report has 2 of its 3 fields."));
    EXPECT_FALSE(reportrecord::decode(utf16le(QStringLiteral("C***P******")), xp(), r));
    EXPECT_FALSE(reportrecord::decode(utf16le(QStringLiteral("C***P***abc***")), xp(), r));
    EXPECT_FALSE(reportrecord::decode(utf16le(QStringLiteral("P***1***99999***0")), v9(), r));
    EXPECT_FALSE(reportrecord::decode(QByteArray(), v9(), r));
    EXPECT_EQ(r.PivotXML, QStringLiteral("before"));
}

TEST(ReportRecord, FileNamesAndReportNames)
{
    EXPECT_EQ(reportrecord::reportNameFromFileName(QStringLiteral("Q1.txt")), QStringLiteral("Q1"));
    EXPECT_EQ(reportrecord::reportNameFromFileName(QStringLiteral("a.txt.txt")), QStringLiteral("a.txt"));
    EXPECT_EQ(reportrecord::reportNameFromFileName(QStringLiteral("my.txt notes.txt")), QStringLiteral("my.txt notes"));

    EXPECT_TRUE(reportrecord::unsafeReportNameReason(QStringLiteral("Sales by Zürich")).isEmpty());
    for (const QString& bad :
         {QStringLiteral("../x"), QStringLiteral("a/b"), QStringLiteral("a\\b"), QStringLiteral("."),
          QStringLiteral(".."), QStringLiteral("tab\there"), QString(QChar(0)), QString(),
          QString(252, QLatin1Char('x')), QString(126, QChar(0x00FC))})
        EXPECT_FALSE(reportrecord::unsafeReportNameReason(bad).isEmpty()) << bad.toStdString();
    EXPECT_TRUE(reportrecord::unsafeReportNameReason(QString(251, QLatin1Char('x'))).isEmpty());
}

TEST(ReportRecord, EveryRecordReadsBackOrSaysWhyNot)
{
    const auto report = [](const QString& pivot) {
        reports::cOLAPReport r;
        r.GraphXML = QStringLiteral("<chart/>");
        r.PivotXML = pivot;
        r.ViewType = 1;
        r.ReportDescription = QStringLiteral("<p>d</p>");
        return r;
    };
    using reports::reportrecord::unreadableReason;
    // A server named "1": only the XML takes the placeholder, the view mode stays a number.
    const Context server = xp(QStringLiteral("1"));
    const reports::cOLAPReport one = report(QStringLiteral("<pivottable version=\"1\"><connection>Data Source=1;"
                                                           "Initial Catalog=Sales</connection></pivottable>"));
    EXPECT_TRUE(unreadableReason(one, server).isEmpty());
    reports::cOLAPReport back;
    ASSERT_TRUE(reports::reportrecord::decode(reports::reportrecord::encode(one, server), server, back));
    EXPECT_EQ(back.PivotXML, one.PivotXML);
    EXPECT_EQ(back.ViewType, 1);

    // Cube files whose names hold the separators or the placeholder.
    const reports::cOLAPReport stars = report(QStringLiteral("<c>Provider=MSOLAP.4;data source=/data/a***b.cub</c>"));
    EXPECT_TRUE(unreadableReason(stars, xp()).contains(QStringLiteral("pivot table")));
    const reports::cOLAPReport placeholder =
        report(QStringLiteral("<c>Provider=MSOLAP.4;data source=/data/XXX.cub</c>"));
    EXPECT_FALSE(unreadableReason(placeholder, xp()).isEmpty());
    const reports::cOLAPReport xyz = report(QStringLiteral("<c>Provider=MSOLAP.4;data source=/data/XYZ.cub</c>"));
    EXPECT_TRUE(unreadableReason(xyz, xp()).isEmpty());
    // A location that the XML cannot give back is left in it as it stands.
    const reports::cOLAPReport ambiguous = report(QStringLiteral("<c>aXX/d</c>"));
    EXPECT_TRUE(unreadableReason(ambiguous, xp(QStringLiteral("/d"))).isEmpty());
    EXPECT_TRUE(reports::reportrecord::compose(ambiguous, xp(QStringLiteral("/d")))
                    .startsWith(QStringLiteral("<chart/>***<c>aXX/d</c>")));

    reports::cOLAPReport described = report(QStringLiteral("<p/>"));
    described.ReportType = QStringLiteral("XYZ monthly");
    EXPECT_TRUE(unreadableReason(described, xp()).contains(QStringLiteral("description")));
}
