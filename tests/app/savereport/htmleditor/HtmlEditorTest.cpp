#include "common/AppTitle.h"
#include "common/FreshRun.h"

#include "app/savereport/htmleditor/ctlHTLMEditor.h"
#include "common/modFileHandling.h"
#include "lang/modMultiLingual.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QImage>
#include <QPlainTextEdit>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <gtest/gtest.h>

using savereport::htmleditor::ctlHTLMEditor;
using savereport::htmleditor::EditorPrompts;
using savereport::htmleditor::kEmptyTemplate;

namespace {

const QStringList kFormattingTags{
    QStringLiteral("cmdUndo"),    QStringLiteral("cmdRedo"),        QStringLiteral("cmdBold"),
    QStringLiteral("cmdItalic"),  QStringLiteral("cmdUnderline"),   QStringLiteral("cmdNumbers"),
    QStringLiteral("cmdBullets"), QStringLiteral("cmdInsertImage"), QStringLiteral("cmdHyperlink")};
const QStringList kAlwaysEnabledTags{QStringLiteral("cmdCut"), QStringLiteral("cmdCopy"), QStringLiteral("cmdPaste")};

class HtmlEditorTest : public ::testing::Test
{
protected:
    HtmlEditorTest()
    {
        using namespace modMultiLingual;
        LNGCUT = QStringLiteral("Cut");
        LNGBOLD = QStringLiteral("Bold");
        LNGINSERTIMAGE = QStringLiteral("Insert image");
        prompts.imageFile = [this](QWidget*) { return imageAnswer; };
        prompts.linkAddress = [this](QWidget*) { return linkAnswer; };
        editor = std::make_unique<ctlHTLMEditor>(nullptr, prompts);
        editor->resize(400, 200);
        editor->show();
    }

    void click(const char* tag) { editor->fncFindButtonByTag(QString::fromLatin1(tag))->click(); }
    QTextEdit& document() { return *static_cast<QTextEdit*>(editor->ieeEditor()); }

    // Writes a paragraph and selects the word in it.
    void selectWordIn(const QString& html, const QString& word)
    {
        editor->setHTML(html);
        QTextCursor cursor = document().document()->find(word);
        ASSERT_FALSE(cursor.isNull());
        document().setTextCursor(cursor);
    }

    FreshRun run;
    EditorPrompts prompts;
    std::optional<QString> imageAnswer;
    std::optional<QString> linkAnswer;
    std::unique_ptr<ctlHTLMEditor> editor;
};

TEST_F(HtmlEditorTest, StartsInTheDesignViewWithTheEmptyTemplateAlsoWrittenToTheTemporaryFolder)
{
    EXPECT_EQ(editor->HTML(), kEmptyTemplate);
    EXPECT_FALSE(editor->sourceView());
    EXPECT_TRUE(editor->ieeEditor()->isVisible());
    EXPECT_FALSE(editor->txtHTML()->isVisible());
    EXPECT_FALSE(static_cast<QTextEdit*>(editor->ieeEditor())->isReadOnly());

    const QString written = QDir(modFileHandling::fncGetTempPath()).filePath(QStringLiteral("IIEdit.htm"));
    const QByteArray bytes = FreshRun::bytesOf(written);
    EXPECT_EQ(QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData()), bytes.size() / 2),
              kEmptyTemplate);
}

TEST_F(HtmlEditorTest, ButtonRowCarriesTheTagsAndTooltips)
{
    EXPECT_EQ(editor->tagOf(editor->cmdCommandBar(0)), QStringLiteral("cmdCut"));
    EXPECT_EQ(editor->cmdCommandBar(0)->toolTip(), QStringLiteral("Cut"));
    EXPECT_EQ(editor->cmdCommandBar(5)->toolTip(), QStringLiteral("Bold"));
    EXPECT_EQ(editor->cmdCommandBar(10)->toolTip(), QStringLiteral("Insert image"));
    EXPECT_EQ(editor->cmdCommandBar(12)->toolTip(), QStringLiteral("HTML"));
    for (int untipped : {8, 9, 13})
        EXPECT_TRUE(editor->cmdCommandBar(untipped)->toolTip().isEmpty()) << untipped;
    // The two view switches share one place; only one shows.
    EXPECT_EQ(editor->cmdCommandBar(12)->geometry(), editor->cmdCommandBar(13)->geometry());
    EXPECT_TRUE(editor->cmdCommandBar(12)->isVisible());
    EXPECT_FALSE(editor->cmdCommandBar(13)->isVisible());
    // An unknown tag finds the last button, a tag is matched with its letter case.
    EXPECT_EQ(editor->fncFindButtonByTag(QStringLiteral("cmdbold")), editor->cmdCommandBar(13));
    EXPECT_EQ(editor->fncFindButtonByTag(QStringLiteral("cmdItalic")), editor->cmdCommandBar(6));
    for (int index = 0; index < ctlHTLMEditor::kButtonCount; ++index)
        EXPECT_FALSE(editor->cmdCommandBar(index)->icon().isNull()) << index;
}

TEST_F(HtmlEditorTest, ViewSwitchesShowOneViewAndEnableOnlyTheButtonsThatWorkThere)
{
    editor->setHTML(QStringLiteral("<p>Sales by <b>region</b></p>"));
    click("cmdHTML");
    EXPECT_TRUE(editor->sourceView());
    EXPECT_TRUE(editor->txtHTML()->isVisible());
    EXPECT_FALSE(editor->ieeEditor()->isVisible());
    EXPECT_EQ(editor->txtHTML()->toPlainText(), QStringLiteral("<p>Sales by <b>region</b></p>"));
    for (const QString& tag : kFormattingTags)
        EXPECT_FALSE(editor->fncFindButtonByTag(tag)->isEnabled()) << tag.toStdString();
    for (const QString& tag : kAlwaysEnabledTags)
        EXPECT_TRUE(editor->fncFindButtonByTag(tag)->isEnabled()) << tag.toStdString();
    EXPECT_FALSE(editor->fncFindButtonByTag(QStringLiteral("cmdHTML"))->isVisible());
    EXPECT_TRUE(editor->fncFindButtonByTag(QStringLiteral("cmdWYSIWYG"))->isVisible());

    editor->txtHTML()->setPlainText(QStringLiteral("<p>Typed <i>here</i></p>"));
    click("cmdWYSIWYG");
    EXPECT_FALSE(editor->sourceView());
    EXPECT_TRUE(editor->ieeEditor()->isVisible());
    EXPECT_EQ(document().toPlainText(), QStringLiteral("Typed here"));
    EXPECT_EQ(editor->HTML(), QStringLiteral("<p>Typed <i>here</i></p>"));
    for (const QString& tag : kFormattingTags)
        EXPECT_TRUE(editor->fncFindButtonByTag(tag)->isEnabled()) << tag.toStdString();
    EXPECT_TRUE(editor->fncFindButtonByTag(QStringLiteral("cmdHTML"))->isVisible());
    EXPECT_FALSE(editor->fncFindButtonByTag(QStringLiteral("cmdWYSIWYG"))->isVisible());
}

TEST_F(HtmlEditorTest, WritingInTheSourceViewChangesOnlyTheSourceUntilTheSwitch)
{
    click("cmdHTML");
    editor->setHTML(QStringLiteral("<p>later</p>"));
    EXPECT_EQ(editor->HTML(), QStringLiteral("<p>later</p>"));
    EXPECT_TRUE(document().toPlainText().isEmpty());
    click("cmdWYSIWYG");
    EXPECT_EQ(document().toPlainText(), QStringLiteral("later"));
}

TEST_F(HtmlEditorTest, AnUntouchedDescriptionReadsBackByteForByteAndAnEditedOneAsTheDocument)
{
    const QString written = QStringLiteral("<P class=x>Margin  &amp; \"quotes\"</P>");
    editor->setHTML(written);
    EXPECT_EQ(editor->HTML(), written);
    // The editor's copy in the temporary folder goes through the text-file routine, which
    // leaves out double quotes; the description itself keeps them.
    const QByteArray copy =
        FreshRun::bytesOf(QDir(modFileHandling::fncGetTempPath()).filePath(QStringLiteral("IIEdit.htm")));
    EXPECT_EQ(QString::fromUtf16(reinterpret_cast<const char16_t*>(copy.constData()), copy.size() / 2),
              QString(written).remove(QLatin1Char('"')));

    document().moveCursor(QTextCursor::End);
    QTest::keyClicks(editor->ieeEditor(), QStringLiteral("!"));
    const QString edited = editor->HTML();
    EXPECT_NE(edited, written);
    EXPECT_TRUE(edited.contains(QStringLiteral("Margin &amp; &quot;quotes&quot;!"))) << edited.toStdString();
}

struct FormattingCase
{
    const char* tag;
    const char* markup;
};

void PrintTo(const FormattingCase& formatting, std::ostream* out)
{
    *out << formatting.tag;
}

class HtmlEditorFormattingTest : public HtmlEditorTest, public ::testing::WithParamInterface<FormattingCase>
{};

TEST_P(HtmlEditorFormattingTest, EachCommandPutsItsMarkupOnTheSelection)
{
    selectWordIn(QStringLiteral("<p>plain word here</p>"), QStringLiteral("word"));
    linkAnswer = QStringLiteral("https://example.org/q1");
    QTemporaryDir folder;
    const QString picture = folder.filePath(QStringLiteral("dot.png"));
    QImage dot(4, 4, QImage::Format_RGB32);
    dot.fill(Qt::red);
    ASSERT_TRUE(dot.save(picture));
    imageAnswer = picture;

    click(GetParam().tag);
    const QString html = editor->HTML();
    EXPECT_TRUE(html.contains(QString::fromLatin1(GetParam().markup))) << html.toStdString();
    EXPECT_TRUE(document().toPlainText().contains(QStringLiteral("plain"))) << "the rest of the text stays";
}

INSTANTIATE_TEST_SUITE_P(Commands, HtmlEditorFormattingTest,
                         ::testing::Values(FormattingCase{"cmdBold", "font-weight:700;\">word</span>"},
                                           FormattingCase{"cmdItalic", "font-style:italic;\">word</span>"},
                                           FormattingCase{"cmdUnderline", "text-decoration: underline;\">word</span>"},
                                           FormattingCase{"cmdNumbers", "<ol style="},
                                           FormattingCase{"cmdBullets", "<ul style="},
                                           FormattingCase{"cmdInsertImage", "<img src=\"file://"},
                                           FormattingCase{"cmdHyperlink", "<a href=\"https://example.org/q1\">"}),
                         [](const ::testing::TestParamInfo<FormattingCase>& test) {
                             return std::string(test.param.tag);
                         });

TEST_F(HtmlEditorTest, FormattingTogglesAndListsComeOffAgain)
{
    selectWordIn(QStringLiteral("<p>a <b>word</b></p>"), QStringLiteral("word"));
    click("cmdBold");
    EXPECT_FALSE(editor->HTML().contains(QStringLiteral("font-weight:700")));

    selectWordIn(QStringLiteral("<p>one</p>"), QStringLiteral("one"));
    click("cmdBullets");
    click("cmdBullets");
    EXPECT_FALSE(editor->HTML().contains(QStringLiteral("<ul")));
}

struct TypedFormat
{
    const char* tag;
    bool (*on)(const QTextCharFormat&);
};

// Without a selection a format button changes only what is typed next: turning a format
// off after a word typed with it leaves the word as typed, and in the middle of a word
// touches neither half.
TEST_F(HtmlEditorTest, AFormatToggledWithoutASelectionChangesOnlyWhatIsTypedNext)
{
    const TypedFormat formats[] = {
        {"cmdBold", [](const QTextCharFormat& format) { return format.fontWeight() > QFont::Normal; }},
        {"cmdItalic", [](const QTextCharFormat& format) { return format.fontItalic(); }},
        {"cmdUnderline", [](const QTextCharFormat& format) { return format.fontUnderline(); }}};
    for (const TypedFormat& format : formats) {
        SCOPED_TRACE(format.tag);
        editor->setHTML(QStringLiteral("<p>some text</p>"));
        document().moveCursor(QTextCursor::End);
        click(format.tag);
        QTest::keyClicks(editor->ieeEditor(), QStringLiteral(" marked"));
        click(format.tag);
        QTest::keyClicks(editor->ieeEditor(), QStringLiteral(" plain"));
        QTextCursor cursor = document().document()->find(QStringLiteral("marked"));
        EXPECT_TRUE(format.on(cursor.charFormat()));
        cursor = document().document()->find(QStringLiteral("plain"));
        EXPECT_FALSE(format.on(cursor.charFormat()));
        cursor = document().document()->find(QStringLiteral("some"));
        EXPECT_FALSE(format.on(cursor.charFormat()));

        QTextCursor inside = document().document()->find(QStringLiteral("text"));
        inside.setPosition(inside.selectionStart() + 2);
        document().setTextCursor(inside);
        click(format.tag);
        QTest::keyClicks(editor->ieeEditor(), QStringLiteral("X"));
        EXPECT_TRUE(format.on(document().document()->find(QStringLiteral("X")).charFormat()));
        EXPECT_FALSE(format.on(document().document()->find(QStringLiteral("te")).charFormat()));
        EXPECT_FALSE(format.on(document().document()->find(QStringLiteral("xt")).charFormat()));
    }
}

// Typing continues a link only between two of its characters.
TEST_F(HtmlEditorTest, WhatIsTypedAfterALinkIsPlainText)
{
    const auto isLink = [this](const QString& text) {
        return document().document()->find(text).charFormat().isAnchor();
    };
    // A selected word made a link, typing at its end and in a new paragraph.
    selectWordIn(QStringLiteral("<p>see word</p>"), QStringLiteral("word"));
    linkAnswer = QStringLiteral("https://example.org/a");
    click("cmdHyperlink");
    QTest::keyClick(editor->ieeEditor(), Qt::Key_End);
    QTest::keyClicks(editor->ieeEditor(), QStringLiteral(" after"));
    QTest::keyClick(editor->ieeEditor(), Qt::Key_Return);
    QTest::keyClicks(editor->ieeEditor(), QStringLiteral("next"));
    EXPECT_TRUE(isLink(QStringLiteral("word")));
    EXPECT_FALSE(isLink(QStringLiteral("after")));
    EXPECT_FALSE(isLink(QStringLiteral("next")));
    EXPECT_FALSE(document().document()->find(QStringLiteral("after")).charFormat().fontUnderline());

    // A link inserted with nothing selected, typing straight after it.
    editor->setHTML(QStringLiteral("<p>go </p>"));
    document().moveCursor(QTextCursor::End);
    linkAnswer = QStringLiteral("https://example.org/b");
    click("cmdHyperlink");
    QTest::keyClicks(editor->ieeEditor(), QStringLiteral(" then"));
    EXPECT_TRUE(isLink(QStringLiteral("https://example.org/b")));
    EXPECT_FALSE(isLink(QStringLiteral("then")));
    EXPECT_TRUE(editor->HTML().contains(QStringLiteral("<a href=\"https://example.org/b\">")))
        << editor->HTML().toStdString();

    // Going back to the end of a link later, and into the middle of one.
    editor->setHTML(QStringLiteral("<p><a href=\"https://example.org/c\">link</a> rest</p>"));
    QTextCursor end = document().document()->find(QStringLiteral("link"));
    end.clearSelection();
    document().setTextCursor(end);
    QTest::keyClicks(editor->ieeEditor(), QStringLiteral("Z"));
    EXPECT_FALSE(isLink(QStringLiteral("Z")));
    QTextCursor inside = document().document()->find(QStringLiteral("link"));
    inside.setPosition(inside.selectionStart() + 2);
    document().setTextCursor(inside);
    QTest::keyClicks(editor->ieeEditor(), QStringLiteral("Q"));
    EXPECT_TRUE(isLink(QStringLiteral("Q")));
}

TEST_F(HtmlEditorTest, PictureAndLinkNeedAnAnswer)
{
    selectWordIn(QStringLiteral("<p>plain word</p>"), QStringLiteral("word"));
    click("cmdInsertImage");
    linkAnswer = QStringLiteral("   ");
    click("cmdHyperlink");
    EXPECT_FALSE(document().document()->isModified());
}

TEST_F(HtmlEditorTest, UndoAndRedoStepThroughTheEdits)
{
    selectWordIn(QStringLiteral("<p>plain word</p>"), QStringLiteral("word"));
    click("cmdBold");
    ASSERT_TRUE(editor->HTML().contains(QStringLiteral("font-weight:700")));
    click("cmdUndo");
    EXPECT_FALSE(editor->HTML().contains(QStringLiteral("font-weight:700")));
    click("cmdRedo");
    EXPECT_TRUE(editor->HTML().contains(QStringLiteral("font-weight:700")));
    // A freshly written text has nothing to undo: the load itself is no edit.
    editor->setHTML(QStringLiteral("<p>new</p>"));
    click("cmdUndo");
    EXPECT_EQ(document().toPlainText(), QStringLiteral("new"));
}

TEST_F(HtmlEditorTest, SourceViewCutCopyAndPasteUseThePlainTextClipboard)
{
    QClipboard& clipboard = *QApplication::clipboard();
    editor->setHTML(QStringLiteral("<p>alpha beta</p>"));
    click("cmdHTML");
    QPlainTextEdit& source = *editor->txtHTML();
    QTextCursor cursor = source.document()->find(QStringLiteral("beta"));
    source.setTextCursor(cursor);

    click("cmdCopy");
    EXPECT_EQ(clipboard.text(), QStringLiteral("beta"));
    click("cmdCut");
    EXPECT_EQ(source.toPlainText(), QStringLiteral("<p>alpha </p>"));

    source.moveCursor(QTextCursor::Start);
    click("cmdPaste");
    EXPECT_EQ(source.toPlainText(), QStringLiteral("beta<p>alpha </p>"));

    // Cut with nothing selected empties the clipboard and leaves the text alone.
    click("cmdCut");
    EXPECT_EQ(clipboard.text(), QString());
    EXPECT_EQ(source.toPlainText(), QStringLiteral("beta<p>alpha </p>"));

    // Paste of an empty clipboard over a selection deletes the selection.
    source.setTextCursor(source.document()->find(QStringLiteral("beta")));
    click("cmdPaste");
    EXPECT_EQ(source.toPlainText(), QStringLiteral("<p>alpha </p>"));
}

TEST_F(HtmlEditorTest, ScriptsDoNotRunAndRemotePicturesAreNotFetched)
{
    QTcpServer watcher;
    ASSERT_TRUE(watcher.listen(QHostAddress::LocalHost));
    const QString remote = QStringLiteral("http://127.0.0.1:%1/pixel.png").arg(watcher.serverPort());
    editor->setHTML(QStringLiteral("<html><head><link rel=\"stylesheet\" href=\"%1.css\"></head><body>"
                                   "<script>document.body.innerHTML='hacked'</script>"
                                   "<p>Visible<img src=\"%1\"></p></body></html>")
                        .arg(remote));
    editor->ieeEditor()->repaint();
    QTest::qWait(100);
    EXPECT_FALSE(watcher.hasPendingConnections());
    EXPECT_FALSE(watcher.waitForNewConnection(50));
    EXPECT_FALSE(document().toPlainText().contains(QStringLiteral("hacked")));
    EXPECT_TRUE(document().toPlainText().contains(QStringLiteral("Visible")));
}

TEST_F(HtmlEditorTest, LoadingATextRunsNoPendingEventOfTheDialog)
{
    bool ranDuringLoad = false;
    bool loading = false;
    QTimer::singleShot(0, editor.get(), [&] {
        ranDuringLoad = loading;
        click("cmdBold");
    });
    loading = true;
    editor->setHTML(QStringLiteral("<p>one</p>"));
    loading = false;
    QApplication::processEvents();
    EXPECT_FALSE(ranDuringLoad);
}

TEST_F(HtmlEditorTest, ResizingKeepsBothViewsUnderTheButtonRow)
{
    editor->resize(500, 300);
    const int rowHeight = editor->cmdCommandBar(0)->height();
    EXPECT_EQ(editor->ieeEditor()->geometry(), QRect(0, rowHeight, 500, 300 - rowHeight));
    EXPECT_EQ(editor->txtHTML()->geometry(), QRect(0, rowHeight, 500, 300 - rowHeight));
}

}

namespace {

TEST(HtmlEditorPrompts, PictureAndAddressAreAskedThroughTheProgramsDialogs)
{
    FreshRun run;
    modMultiLingual::LNGINSERTIMAGE = QStringLiteral("Insert image");
    modMultiLingual::LNGHYPERLINK = QStringLiteral("Hyperlink");
    modGlobals::gstrAppTitle = QStringLiteral("Tessaline Tool for Excel");
    QTemporaryDir folder;
    const QString picture = folder.filePath(QStringLiteral("dot.png"));
    QImage(2, 2, QImage::Format_RGB32).save(picture);
    run.fakes.filePicker.openAnswers = {picture};
    run.fakes.messageBox.inputAnswers = {QStringLiteral("https://example.org/")};

    ctlHTLMEditor editor;
    editor.setHTML(QStringLiteral("<p>word</p>"));
    auto& document = *static_cast<QTextEdit*>(editor.ieeEditor());
    document.setTextCursor(document.document()->find(QStringLiteral("word")));
    editor.fncFindButtonByTag(QStringLiteral("cmdHyperlink"))->click();
    document.moveCursor(QTextCursor::End);
    editor.fncFindButtonByTag(QStringLiteral("cmdInsertImage"))->click();

    ASSERT_EQ(run.fakes.filePicker.openAsked.size(), 1);
    EXPECT_EQ(run.fakes.filePicker.openAsked[0].title, QStringLiteral("Insert image"));
    EXPECT_EQ(run.fakes.messageBox.prompts, QStringList{QStringLiteral("Hyperlink")});
    EXPECT_EQ(run.fakes.messageBox.promptTitles, QStringList{QStringLiteral("Tessaline Tool for Excel")});
    const QString html = editor.HTML();
    EXPECT_TRUE(html.contains(QStringLiteral("<a href=\"https://example.org/\">"))) << html.toStdString();
    EXPECT_TRUE(html.contains(QUrl::fromLocalFile(picture).toString())) << html.toStdString();
}

}
