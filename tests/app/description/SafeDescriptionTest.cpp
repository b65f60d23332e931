#include "app/description/SafeDescription.h"

#include "app/ProgramRun.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QUrl>
#include <gtest/gtest.h>
#include <sys/stat.h>

using description::safeDescription;
using description::SafeDescription;

namespace {

// Tables inside tables, as Qt's reader builds them from the text.
int tableNesting(const QString& html)
{
    QTextDocument document;
    document.setHtml(html);
    int deepest = 0;
    QList<std::pair<QTextFrame*, int>> frames{{document.rootFrame(), 0}};
    while (!frames.isEmpty()) {
        const auto [frame, depth] = frames.takeLast();
        deepest = std::max(deepest, depth);
        for (QTextFrame* child : frame->childFrames())
            frames.append({child, depth + (qobject_cast<QTextTable*>(child) ? 1 : 0)});
    }
    return deepest;
}

QString shownText(const QString& html)
{
    QTextDocument document;
    document.setHtml(html);
    return document.toPlainText();
}

QString levels(const QString& open, const QString& close, int depth)
{
    QString text;
    for (int level = 1; level <= depth; ++level)
        text += open + QStringLiteral("level%1 ").arg(level);
    return text + close.repeated(depth);
}

const QString kReport = QStringLiteral("Q3 \"Sales\" %2");

}

TEST(SafeDescription, WithinTheLimitsADescriptionShowsExactlyAsWritten)
{
    const QString written = QStringLiteral(
        "<html><head><style>p { color: #336699 } td > p { margin: 2px }</style></head><body>"
        "<p style=\"font-family: 'DejaVu Sans'; font-size: 11pt\">Grüße &amp; &lt;tags&gt; &quot;quoted&quot; 😀</p>"
        "<p align=center><b>bold</b> <i>italic</i> <u>under</u> <a href='https://example.org/?a=1&amp;b=2'>link</a>"
        "<br>next<img src=\"qrc:/images/info.png\" width=16 height=16></p><ul><li>one<li>two<ol><li>a</ol></ul>"
        "<table border=1 cellpadding=2><tr><th>Region<th>Sales<tr><td>North<td><table><tr><td>inner</table></table>"
        "<!-- a comment --><hr><pre>  kept  blanks </pre></body></html>");
    const SafeDescription safe = safeDescription(written, kReport);
    EXPECT_FALSE(safe.refused);
    EXPECT_TRUE(safe.notice.isEmpty()) << safe.notice.toStdString();
    QTextDocument original;
    original.setHtml(written);
    QTextDocument shown;
    shown.setHtml(safe.html);
    EXPECT_EQ(shown.toHtml().toStdString(), original.toHtml().toStdString()) << safe.html.toStdString();
}

TEST(SafeDescription, TablesNestedPastTheLimitAreFlattenedKeepingEveryWord)
{
    const QString deep = levels(QStringLiteral("<table><tr><td>"), QStringLiteral("</td></tr></table>"), 25)
        + QStringLiteral("<table><tr><td>after</td></tr></table>");
    ASSERT_EQ(tableNesting(deep.left(deep.indexOf(QStringLiteral("level7")))), 7) << "the test counts as Qt does";
    const SafeDescription safe = safeDescription(deep, kReport);
    EXPECT_FALSE(safe.refused);
    EXPECT_EQ(tableNesting(safe.html), description::kMaxTableNesting);
    const QString text = shownText(safe.html);
    for (int level = 1; level <= 25; ++level)
        EXPECT_TRUE(text.contains(QStringLiteral("level%1 ").arg(level))) << level;
    EXPECT_TRUE(text.contains(QStringLiteral("after")));
    EXPECT_TRUE(safe.notice.contains(QStringLiteral("\"Q3 \"Sales\" %2\""))) << safe.notice.toStdString();

    // As deep as allowed is shown as written.
    const QString allowed =
        levels(QStringLiteral("<table><tr><td>"), QStringLiteral("</td></tr></table>"), description::kMaxTableNesting);
    EXPECT_TRUE(safeDescription(allowed, kReport).notice.isEmpty());
    EXPECT_EQ(tableNesting(safeDescription(allowed, kReport).html), description::kMaxTableNesting);
}

TEST(SafeDescription, ElementsNestedPastTheLimitAreLeftOutKeepingTheirText)
{
    for (const auto& [open, close] : {std::pair{QStringLiteral("<div>"), QStringLiteral("</div>")},
                                      {QStringLiteral("<ul><li>"), QString()},
                                      {QStringLiteral("<b>"), QString()},
                                      {QStringLiteral("<blockquote>"), QStringLiteral("</blockquote>")}}) {
        const SafeDescription safe = safeDescription(levels(open, close, 5000), kReport);
        EXPECT_LE(safe.html.count(open.left(open.indexOf(QLatin1Char('>')))), description::kMaxElementNesting)
            << open.toStdString();
        EXPECT_TRUE(safe.html.contains(QStringLiteral("level5000 "))) << open.toStdString();
        EXPECT_FALSE(safe.notice.isEmpty());
    }
}

// Close tags that Qt's reader does not see as such, and empty elements with a close tag, must
// not make the nesting look shallower than the reader builds it.
TEST(SafeDescription, WhatTheReaderDoesNotTakeForAClosingTagCannotHideNesting)
{
    for (const QString& decoy :
         {QStringLiteral("<!-- </td></tr></table> -->"), QStringLiteral("<p title=\"</table>\">x</p>"),
          QStringLiteral("<p title='a > </table>'>x</p>"), QStringLiteral("<br></table>"),
          QStringLiteral("<img src=x></table>"), QStringLiteral("<meta></meta></table>"),
          QStringLiteral("<!DOCTYPE html></table>"), QStringLiteral("<b/></b>")}) {
        const QString text = (QStringLiteral("<table><tr><td>") + decoy).repeated(12) + QStringLiteral("deep");
        EXPECT_LE(tableNesting(safeDescription(text, kReport).html), description::kMaxTableNesting)
            << decoy.toStdString();
    }
    // A row or a cell outside any table gets a table of its own from the reader.
    for (const QString& orphan :
         {QStringLiteral("<tr><td>"), QStringLiteral("<td>"), QStringLiteral("<tbody><tr><td>")}) {
        const QString text = orphan + QStringLiteral("<table><tr><td>").repeated(3) + QStringLiteral("deep");
        ASSERT_EQ(tableNesting(text), 4) << orphan.toStdString();
        EXPECT_LE(tableNesting(safeDescription(text, kReport).html), description::kMaxTableNesting)
            << orphan.toStdString();
    }
}

TEST(SafeDescription, ScriptsAreLeftOutAndAStyleSheetCanHoldNoTag)
{
    const SafeDescription safe = safeDescription(
        QStringLiteral("<script>document.write('<b>x</b>')</script><style>p { color: red }<table><tr><td>"
                       "</style><p>shown</p><SCRIPT src=x.js></SCRIPT>"),
        kReport);
    EXPECT_EQ(shownText(safe.html), QStringLiteral("shown"));
    EXPECT_FALSE(safe.html.contains(QStringLiteral("script"), Qt::CaseInsensitive));
    EXPECT_EQ(tableNesting(safe.html), 0);
    QTextDocument shown;
    shown.setHtml(safe.html);
    EXPECT_EQ(shown.begin().charFormat().foreground().color(), QColor(Qt::red));
}

TEST(SafeDescription, ADescriptionLargerThanAnyNeedsIsRefusedWithTheReportNamed)
{
    const QString atLimit(description::kMaxDescriptionLength, QLatin1Char('a'));
    EXPECT_FALSE(safeDescription(atLimit, kReport).refused);
    const SafeDescription refused = safeDescription(atLimit + QLatin1Char('a'), kReport);
    EXPECT_TRUE(refused.refused);
    EXPECT_TRUE(refused.html.isEmpty());
    EXPECT_TRUE(refused.notice.contains(QStringLiteral("\"Q3 \"Sales\" %2\""))) << refused.notice.toStdString();
    EXPECT_TRUE(refused.notice.contains(QString::number(description::kMaxDescriptionLength + 1)));
}

TEST(SafeDescription, PicturesAndStyleSheetsComeOnlyFromSmallRegularLocalFiles)
{
    ProgramRun run;
    const QString folder = run.fakes.path(QStringLiteral("pictures"));
    ASSERT_TRUE(QDir().mkpath(folder));
    QImage dot(2, 2, QImage::Format_RGB32);
    dot.fill(Qt::red);
    ASSERT_TRUE(dot.save(folder + QStringLiteral("/dot.png")));
    QFile sheet(folder + QStringLiteral("/sheet.css"));
    ASSERT_TRUE(sheet.open(QIODevice::WriteOnly) && sheet.write("p { color: red }") > 0);
    sheet.close();
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder + QStringLiteral("/fifo.png")).constData(), 0600), 0);
    QFile huge(folder + QStringLiteral("/huge.png"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(description::kMaxResourceBytes + 1));
    huge.close();

    const auto image = [](const QString& name) {
        const QVariant loaded = description::descriptionResource(QTextDocument::ImageResource, QUrl(name));
        EXPECT_TRUE(loaded.isValid()) << name.toStdString() << ": Qt would then read the name itself";
        QImage decoded = loaded.value<QImage>();
        if (loaded.userType() == QMetaType::QByteArray)
            decoded.loadFromData(loaded.toByteArray());
        return decoded.size();
    };
    const QString local = QUrl::fromLocalFile(folder).toString();
    EXPECT_EQ(image(local + QStringLiteral("/dot.png")), QSize(2, 2));
    EXPECT_EQ(image(QStringLiteral("qrc:/images/info.png")).isEmpty(), false);
    for (const QString& refused :
         {local + QStringLiteral("/fifo.png"), local + QStringLiteral("/huge.png"), QStringLiteral("file:///dev/zero"),
          QStringLiteral("/dev/zero"), QStringLiteral("dot.png"), local, QStringLiteral("file://server/share/dot.png"),
          QStringLiteral("http://127.0.0.1:9/dot.png")})
        EXPECT_EQ(image(refused), QSize(1, 1)) << refused.toStdString();

    const auto sheetText = [](const QString& name) {
        const QVariant loaded = description::descriptionResource(QTextDocument::StyleSheetResource, QUrl(name));
        EXPECT_TRUE(loaded.isValid()) << name.toStdString();
        return loaded.toByteArray();
    };
    EXPECT_EQ(sheetText(local + QStringLiteral("/sheet.css")), QByteArray("p { color: red }"));
    EXPECT_EQ(sheetText(local + QStringLiteral("/fifo.png")), QByteArray());
    EXPECT_EQ(sheetText(QStringLiteral("file:///dev/zero")), QByteArray());
}
