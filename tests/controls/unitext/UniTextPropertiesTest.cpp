#include "UniTextTestSupport.h"

#include "controls/shared/OpenMenu.h"
#include "controls/shared/PropertyBag.h"
#include "platform/FakeServices.h"
#include "support/ByteText.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <gtest/gtest.h>

using unitext::UniText;

namespace {

class UniTextBox : public ::testing::Test, public ShownBox
{
protected:
    void multiLine(int scrollBars = 3)
    {
        box->setMultiLine(true);
        box->setScrollBars(scrollBars);
    }
    QPlainTextEdit* plain() const { return qobject_cast<QPlainTextEdit*>(box->editWidget()); }
    QLineEdit* line() const { return qobject_cast<QLineEdit*>(box->editWidget()); }
    void type(const QString& text) { QTest::keyClicks(box->editWidget(), text); }
};

}

TEST_F(UniTextBox, ANewBoxHasTheDefaultsOfANewInstance)
{
    EXPECT_EQ(box->Appearance(), 0);
    EXPECT_EQ(box->BorderStyle(), 2);
    EXPECT_TRUE(box->CaptureEnter());
    EXPECT_FALSE(box->CaptureEsc());
    EXPECT_FALSE(box->CaptureTab());
    EXPECT_TRUE(box->Enabled());
    EXPECT_EQ(box->FileCodepage(), 0);
    EXPECT_EQ(box->ForeColor(), qint32(0x80000008));
    EXPECT_EQ(box->BackColor(), qint32(0x80000005));
    EXPECT_TRUE(box->HideSelection());
    EXPECT_FALSE(box->MultiLine());
    EXPECT_TRUE(box->UseEvents());
    EXPECT_EQ(box->MaxLength(), 0);
    EXPECT_NE(line(), nullptr);
    EXPECT_NE(box->hWnd(), 0);
}

TEST_F(UniTextBox, LengthsAndSelectionsCountALineBreakAsTwoUnits)
{
    multiLine();
    box->setText(QStringLiteral("a\r\nb"));
    EXPECT_EQ(box->Length(), 4);
    EXPECT_EQ(box->Lines(), 2);
    box->SetSel(3, 4);
    EXPECT_EQ(box->SelText(), QStringLiteral("b"));
    EXPECT_EQ(box->SelStart(), 3);
    EXPECT_EQ(box->SelLength(), 1);
    box->SetSel(0, -1);
    EXPECT_EQ(box->SelText(), QStringLiteral("a\r\nb"));
    box->SetSel(2, 2);   // between CR and LF: the end of the first line
    int start = -1;
    int end = -1;
    box->GetSel(start, end);
    EXPECT_EQ(start, 1);
    EXPECT_EQ(end, 1);
    box->SetSel(1, 3);
    EXPECT_EQ(box->SelText(), QStringLiteral("\r\n"));
}

TEST_F(UniTextBox, EveryCharacterComesBackAsItWasGiven)
{
    const QString text = QStringLiteral("a\rb\nc\u2028d\u2029e\ufdd0\ufdd1f\uf00d\u00a0") + QChar(u'\0')
        + QStringLiteral("\U0001F600\r\n\r\nz\r");
    for (bool multi : {true, false}) {
        SCOPED_TRACE(multi);
        box->setMultiLine(multi);
        box->setText(text);
        EXPECT_EQ(box->Text(), text);
        EXPECT_EQ(box->Length(), text.size());
        box->SetSel(15, 17);
        EXPECT_EQ(box->SelText(), QStringLiteral("\U0001F600"));
    }
    EXPECT_EQ(box->Lines(), 1);
    box->setMultiLine(true);
    EXPECT_EQ(box->Lines(), 3);   // only CR LF breaks a line
    EXPECT_EQ(box->GetLine(1, 100), text.left(17));
}

TEST_F(UniTextBox, TypingAndUndoWorkInUnits)
{
    multiLine();
    type(QStringLiteral("ab"));
    QTest::keyClick(box->editWidget(), Qt::Key_Return);
    type(QStringLiteral("c"));
    QTest::keyClick(box->editWidget(), Qt::Key_Return, Qt::ShiftModifier);   // still CR LF
    EXPECT_EQ(box->Text(), QStringLiteral("ab\r\nc\r\n"));
    EXPECT_EQ(box->SelStart(), 7);
    EXPECT_TRUE(box->Modified());
    EXPECT_TRUE(box->CanUndo());
    box->Undo();
    EXPECT_NE(box->Text(), QStringLiteral("ab\r\nc\r\n"));
    box->ClearUndo();
    EXPECT_FALSE(box->CanUndo());

    box->setText(QStringLiteral("new"));   // a whole new text starts clean
    EXPECT_FALSE(box->Modified());
    EXPECT_FALSE(box->CanUndo());
    EXPECT_EQ(box->SelStart(), 0);
}

TEST_F(UniTextBox, LinesAreCountedAndFetchedAsTheCallerNumbersThem)
{
    multiLine();
    box->setText(QStringLiteral("one\r\ntwo\r\nthree\r\nfour\r\nfive"));
    EXPECT_EQ(box->Lines(), 5);
    box->SetSel(10, 10);   // in "three"
    EXPECT_EQ(box->GetLine(0, 80), QStringLiteral("three"));
    EXPECT_EQ(box->Line(0), 2);
    EXPECT_EQ(box->GetLine(1, 80), QStringLiteral("one"));
    EXPECT_EQ(box->GetLine(5, 80), QStringLiteral("five"));
    EXPECT_EQ(box->GetLine(-1, 80), QStringLiteral("four"));
    EXPECT_EQ(box->GetLine(-4, 80), QStringLiteral("one"));
    EXPECT_EQ(box->GetLine(-5, 80), QString());
    EXPECT_EQ(box->GetLine(6, 80), QString());
    EXPECT_EQ(box->GetLine(1, 0), QString());
    EXPECT_EQ(box->GetLine(3, 2), QStringLiteral("th"));
    box->SetSel(5, 16);
    EXPECT_EQ(box->Line(1), 1);
    box->setMultiLine(false);
    EXPECT_EQ(box->Lines(), 1);
    EXPECT_EQ(box->GetLine(1, 100), box->Text());
}

TEST_F(UniTextBox, WrappedLinesCountOncePerRow)
{
    multiLine(2);
    const QString words = QStringLiteral("alpha beta gamma delta epsilon zeta eta theta iota kappa lambda mu nu");
    box->setText(words + QStringLiteral("\r\nlast"));
    const int rows = box->Lines();
    ASSERT_GT(rows, 3);   // the long line wraps in a 240-pixel box
    QString joined;
    for (int i = 1; i < rows; ++i)
        joined += box->GetLine(i, 200);
    EXPECT_EQ(joined, words);
    EXPECT_EQ(box->GetLine(rows, 200), QStringLiteral("last"));
    box->SetSel(box->Length(), box->Length());
    EXPECT_EQ(box->Line(0), rows - 1);

    box->setScrollBars(3);   // both bars: no wrapping
    EXPECT_EQ(box->Lines(), 2);
}

TEST_F(UniTextBox, ScrollBarsSettingsShapeTheEditWindow)
{
    multiLine(3);
    EXPECT_EQ(plain()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(plain()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(plain()->lineWrapMode(), QPlainTextEdit::NoWrap);
    box->setScrollBars(2);
    EXPECT_EQ(plain()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_EQ(plain()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    box->setScrollBars(0);
    EXPECT_EQ(plain()->lineWrapMode(), QPlainTextEdit::NoWrap);
    box->setScrollBars(5);   // no multi-line style at all
    EXPECT_NE(line(), nullptr);
}

TEST_F(UniTextBox, AlignmentIsIgnoredAndNotStoredInASingleLineBox)
{
    box->setAlignment(2);
    EXPECT_EQ(box->Alignment(), 0);
    multiLine(0);
    box->setAlignment(1);
    EXPECT_EQ(box->Alignment(), 1);
    EXPECT_EQ(plain()->lineWrapMode(), QPlainTextEdit::WidgetWidth);   // aligned text wraps
    box->setMultiLine(false);
    box->setMultiLine(true);
    EXPECT_EQ(box->Alignment(), 1);
}

TEST_F(UniTextBox, ARecreationKeepsTextSelectionScrollAndModified)
{
    multiLine(3);
    QString text;
    for (int i = 0; i < 60; ++i)
        text += QStringLiteral("line %1\r\n").arg(i);
    box->setText(text);
    box->SetSel(12, 20);
    box->setScrollVertical(10);
    box->setModified(true);
    const qintptr before = box->hWnd();
    box->setLocked(true);
    EXPECT_NE(box->hWnd(), before);
    EXPECT_EQ(box->Text(), text);
    EXPECT_EQ(box->SelStart(), 12);
    EXPECT_EQ(box->SelLength(), 8);
    EXPECT_EQ(box->ScrollVertical(), 10);
    EXPECT_TRUE(box->Modified());
    box->setModified(false);
    box->setMultiLine(false);
    EXPECT_FALSE(box->Modified());
}

TEST_F(UniTextBox, MaxLengthLimitsWhatTheUserTypesOnly)
{
    EXPECT_EQ(box->MaxLength(), 0);
    box->setMaxLength(3);
    EXPECT_EQ(box->MaxLength(), 3);
    type(QStringLiteral("abcdef"));
    EXPECT_EQ(box->Text(), QStringLiteral("abc"));
    box->setText(QStringLiteral("longer than three"));
    EXPECT_EQ(box->Text(), QStringLiteral("longer than three"));
    // A text the program made too long takes no more typing, but may be shortened.
    box->SetSel(17, 17);
    type(QStringLiteral("xyz"));
    EXPECT_EQ(box->Text(), QStringLiteral("longer than three"));
    QTest::keyClick(box->editWidget(), Qt::Key_Backspace);
    type(QStringLiteral("x"));
    EXPECT_EQ(box->Text(), QStringLiteral("longer than thre"));
    box->setMaxLength(0);
    EXPECT_EQ(box->MaxLength(), 0);

    multiLine();
    box->setText(QString());
    box->setMaxLength(4);
    type(QStringLiteral("ab"));
    QTest::keyClick(box->editWidget(), Qt::Key_Return);
    type(QStringLiteral("cd"));
    EXPECT_EQ(box->Text(), QStringLiteral("ab\r\n"));
    box->setSelText(QStringLiteral("programs may pass it"));
    EXPECT_EQ(box->Text(), QStringLiteral("ab\r\nprograms may pass it"));
}

TEST_F(UniTextBox, APasteComesInCutToTheRoomLeft)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("12345\n6789"));
    for (bool multi : {false, true}) {
        SCOPED_TRACE(multi);
        box->setMultiLine(multi);
        box->setText(QStringLiteral("ab"));
        box->SetSel(2, 2);
        box->setMaxLength(multi ? 10 : 6);
        QTest::keyClick(box->editWidget(), Qt::Key_V, Qt::ControlModifier);
        // A pasted lone LF is a line break in a multi-line box: two units.
        EXPECT_EQ(box->Text(), multi ? QStringLiteral("ab12345\r\n6") : QStringLiteral("ab1234"));

        // The context menu's Paste follows the same rule.
        box->setText(QStringLiteral("ab"));
        box->SetSel(2, 2);
        controls::SendMessage(box->editWidget(), controls::wm::WM_CONTEXTMENU, 0, 0);
        ASSERT_TRUE(chooseFromOpenMenu(QStringLiteral("&Paste")));
        EXPECT_EQ(box->Text(), multi ? QStringLiteral("ab12345\r\n6") : QStringLiteral("ab1234"));
    }
}

TEST_F(UniTextBox, APasswordCharacterMasksASingleLineBox)
{
    box->setText(QStringLiteral("secret"));
    box->setPasswordChar(QStringLiteral("ab"));
    EXPECT_EQ(box->PasswordChar(), QStringLiteral("a"));
    EXPECT_EQ(line()->echoMode(), QLineEdit::Password);
    EXPECT_EQ(line()->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, line()), int(u'a'));
    const qintptr masked = box->hWnd();
    box->setPasswordChar(QStringLiteral("*"));
    EXPECT_EQ(box->hWnd(), masked);   // changed in place
    EXPECT_EQ(line()->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, line()), int(u'*'));
    EXPECT_EQ(box->Text(), QStringLiteral("secret"));
    box->setPasswordChar(QString());
    EXPECT_NE(box->hWnd(), masked);
    EXPECT_EQ(line()->echoMode(), QLineEdit::Normal);
}

TEST_F(UniTextBox, SelectedTextReadsInBothKindsAndReplacesUndoably)
{
    box->setText(QStringLiteral("hello world"));
    box->SetSel(6, 11);
    EXPECT_EQ(box->SelText(), QStringLiteral("world"));
    box->setSelText(QStringLiteral("there"));
    EXPECT_EQ(box->Text(), QStringLiteral("hello there"));
    EXPECT_TRUE(box->CanUndo());
    EXPECT_TRUE(box->Modified());
    box->Undo();
    EXPECT_EQ(box->Text(), QStringLiteral("hello world"));

    multiLine();
    box->setLocked(true);
    box->SetSel(0, 5);
    EXPECT_EQ(box->SelText(), QStringLiteral("hello"));
    box->setSelText(QStringLiteral("a\r\nb"));   // the program may write into a locked box
    EXPECT_EQ(box->Text(), QStringLiteral("a\r\nb world"));
    type(QStringLiteral("xyz"));
    EXPECT_EQ(box->Text(), QStringLiteral("a\r\nb world"));
}

TEST_F(UniTextBox, ScrollPositionsFollowTheirBars)
{
    multiLine(2);
    QString text;
    for (int i = 0; i < 100; ++i)
        text += QStringLiteral("%1\r\n").arg(i);
    box->setText(text);
    QSignalSpy scrolls(box, &UniText::Scroll);
    box->setScrollVertical(40000);
    EXPECT_EQ(box->ScrollVertical(), 0);
    box->setScrollHorizontal(5);
    EXPECT_EQ(box->ScrollHorizontal(), 0);
    box->setScrollVertical(20);
    EXPECT_EQ(box->ScrollVertical(), 20);
    EXPECT_EQ(box->FirstVisibleLine(), 20);
    EXPECT_EQ(scrolls.count(), 0);   // reported once the event loop runs
    QTRY_COMPARE(scrolls.count(), 1);
    EXPECT_EQ(scrolls[0][0].toInt(), 2);
    EXPECT_GT(box->LastVisibleLine(), 20);
}

TEST_F(UniTextBox, LineHeightAndTheLastVisibleLineHoldForAnyText)
{
    multiLine(3);
    box->setText(QStringLiteral("x\r\ny"));   // a tall box with little text
    EXPECT_EQ(box->LineHeight(), QFontMetrics(box->editWidget()->font()).lineSpacing());
    EXPECT_EQ(box->LastVisibleLine(), 1);

    QString longText(70000, QChar(u'a'));
    longText += QStringLiteral("\r\nb\r\nc");
    box->setText(longText);
    box->SetSel(box->Length(), box->Length());
    box->ScrollToCaret();
    EXPECT_EQ(box->LastVisibleLine(), 2);
    EXPECT_EQ(box->Line(0), 2);
    EXPECT_EQ(box->LineHeight(), QFontMetrics(box->editWidget()->font()).lineSpacing());
}

TEST_F(UniTextBox, FlatAndRaisedBordersPlaceTheEditWindow)
{
    const QRect inner = box->editWidget()->geometry();
    EXPECT_EQ(inner, QRect(2, 2, box->width() - 4, box->height() - 4));
    const qintptr flat = box->hWnd();
    box->setBorderStyle(1);   // flat: moved, not made again
    EXPECT_EQ(box->hWnd(), flat);
    EXPECT_EQ(box->editWidget()->geometry(), QRect(1, 1, box->width() - 2, box->height() - 2));
    box->setAppearance(1);
    EXPECT_EQ(box->editWidget()->geometry(), QRect(0, 0, box->width(), box->height()));
    multiLine();
    box->setBorderStyle(2);
    EXPECT_EQ(plain()->frameShape(), QFrame::StyledPanel);
    box->setBorderStyle(0);
    EXPECT_EQ(plain()->frameShape(), QFrame::NoFrame);
}

TEST_F(UniTextBox, ColoursApplyToTheEditWindowInEveryState)
{
    box->setBackColor(0x00FF0000);   // blue, as 0x00BBGGRR
    box->setForeColor(0x000000FF);   // red
    box->setLocked(true);
    const QPalette palette = box->editWidget()->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        EXPECT_EQ(palette.color(group, QPalette::Base), QColor(0, 0, 255));
        EXPECT_EQ(palette.color(group, QPalette::Text), QColor(255, 0, 0));
    }
    EXPECT_EQ(palette.color(QPalette::Inactive, QPalette::Highlight), QColor(0, 0, 255));   // hidden selection
}

TEST_F(UniTextBox, FontAttributesReachTheEditWindowAndAnnounceThemselves)
{
    QSignalSpy changed(box, &UniText::FontChanged);
    box->setUseEvents(false);
    box->setFontBold(true);
    EXPECT_TRUE(box->editWidget()->font().bold());
    box->setFontSize(14);
    EXPECT_EQ(box->editWidget()->font().pointSize(), 14);
    EXPECT_EQ(changed.count(), 2);
    box->setMultiLine(true);   // a new edit window gets the font again
    EXPECT_EQ(changed.count(), 3);
    EXPECT_TRUE(box->editWidget()->font().bold());

    // A font set whole keeps its fractional size.
    controls::StdFont given;
    given.setName(QStringLiteral("DejaVu Sans"));
    given.setSize(8.25);
    box->setFont(&given);
    EXPECT_FLOAT_EQ(box->FontSize(), 8.25f);
    EXPECT_EQ(box->FontName(), QStringLiteral("DejaVu Sans"));
}

TEST(UniTextPersistence, ABagHoldsTheTwentyTwoKeysInTheirOrder)
{
    UniText box;
    box.setText(QStringLiteral("A\U0001F600"));
    controls::PropertyBag bag;
    box.WriteProperties(bag);
    EXPECT_EQ(
        bag.keys(),
        (QStringList{QStringLiteral("Alignment"),    QStringLiteral("Appearance"),   QStringLiteral("BackColor"),
                     QStringLiteral("BorderStyle"),  QStringLiteral("CaptureEnter"), QStringLiteral("CaptureEsc"),
                     QStringLiteral("CaptureTab"),   QStringLiteral("Enabled"),      QStringLiteral("FileCodepage"),
                     QStringLiteral("Font"),         QStringLiteral("ForeColor"),    QStringLiteral("HideSelection"),
                     QStringLiteral("Locked"),       QStringLiteral("MaxLength"),    QStringLiteral("MouseIcon"),
                     QStringLiteral("MousePointer"), QStringLiteral("MultiLine"),    QStringLiteral("PasswordChar"),
                     QStringLiteral("RightToLeft"),  QStringLiteral("ScrollBars"),   QStringLiteral("Text"),
                     QStringLiteral("UseEvents")}));
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("Text")).toByteArray(), hex("4100 3dd8 00de"));
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("MaxLength")).toInt(), -1);
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("CaptureEnter")).toBool(), true);
}

TEST(UniTextPersistence, ALoadedBoxTakesEveryKeyAndTheDefaultsOfMissingOnes)
{
    UniText original;
    original.setMultiLine(true);
    original.setScrollBars(2);
    original.setAlignment(2);
    original.setLocked(true);
    original.setMaxLength(100);
    original.setFileCodepage(1251);
    original.setBackColor(0x00112233);
    original.setPasswordChar(QStringLiteral("#"));
    original.setText(QStringLiteral("x\r\ny"));
    original.setFontItalic(true);
    original.setFontSize(10.5f);
    controls::PropertyBag bag;
    original.WriteProperties(bag);

    UniText loaded;
    loaded.ReadProperties(bag);
    EXPECT_TRUE(loaded.MultiLine());
    EXPECT_EQ(loaded.ScrollBars(), 2);
    EXPECT_EQ(loaded.Alignment(), 2);
    EXPECT_TRUE(loaded.Locked());
    EXPECT_EQ(loaded.MaxLength(), 100);
    EXPECT_EQ(loaded.FileCodepage(), 1251);
    EXPECT_EQ(loaded.BackColor(), 0x00112233);
    EXPECT_EQ(loaded.PasswordChar(), QStringLiteral("#"));
    EXPECT_EQ(loaded.Text(), QStringLiteral("x\r\ny"));
    EXPECT_TRUE(loaded.FontItalic());
    EXPECT_FLOAT_EQ(loaded.FontSize(), 10.5f);   // shown in whole points, kept exactly

    UniText fromEmpty;
    fromEmpty.ReadProperties(controls::PropertyBag());
    EXPECT_FALSE(fromEmpty.CaptureEnter());   // a new instance has it on; a bag without it, off
    EXPECT_EQ(fromEmpty.BorderStyle(), 2);
    EXPECT_TRUE(fromEmpty.HideSelection());
    EXPECT_EQ(fromEmpty.MaxLength(), 0);
    EXPECT_EQ(fromEmpty.Text(), QString());
}

TEST(UniTextReport, ARefusedSubclassOperationIsShownAndTheProgramGoesOn)
{
    platform::FakeServices fakes;
    unitext::zReportError(QStringLiteral("ssc_Subclass"), QStringLiteral("Window handle is already subclassed"));
    ASSERT_EQ(fakes.messageBox.shown.size(), 1);
    EXPECT_EQ(fakes.messageBox.shown[0].text, QStringLiteral("Window handle is already subclassed."));
    EXPECT_EQ(fakes.messageBox.shown[0].style, 48);
    EXPECT_EQ(fakes.messageBox.shown[0].title, QStringLiteral("Error in UniText.ssc_Subclass"));
}
