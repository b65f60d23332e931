#include "controls/unitext/UniText.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using unitext::UniText;

namespace {

// A dialog as a host: the box, another control after it, a default OK and a Cancel.
class UniTextInDialog : public ::testing::Test
{
protected:
    void SetUp() override
    {
        before = new QLineEdit(&dialog);
        box = new UniText(&dialog);
        after = new QLineEdit(&dialog);
        ok = new QPushButton(QStringLiteral("OK"), &dialog);
        ok->setDefault(true);
        auto* cancel = new QPushButton(QStringLiteral("Cancel"), &dialog);
        auto* layout = new QVBoxLayout(&dialog);
        for (QWidget* w : {static_cast<QWidget*>(before), static_cast<QWidget*>(box), static_cast<QWidget*>(after),
                           static_cast<QWidget*>(ok), static_cast<QWidget*>(cancel)})
            layout->addWidget(w);
        QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
        QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
        QObject::connect(box, &UniText::KeyPress, [this](int& code) {
            presses << code;
            if (code == 13 && enterBecomes >= 0)
                code = enterBecomes;
        });
        QObject::connect(box, &UniText::KeyDown, [this](int& code, int) { downs << code; });
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        focusBox();
    }

    void focusBox()
    {
        box->setFocus();
        ASSERT_TRUE(box->editWidget()->hasFocus());
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }

    QDialog dialog;
    QLineEdit* before = nullptr;
    UniText* box = nullptr;
    QLineEdit* after = nullptr;
    QPushButton* ok = nullptr;
    QList<int> presses;
    QList<int> downs;
    int enterBecomes = -1;
};

}

TEST_F(UniTextInDialog, ALockedBoxStillLetsAnUncapturedTabThrough)
{
    box->setLocked(true);
    focusBox();
    press(Qt::Key_Tab);
    EXPECT_TRUE(after->hasFocus());
}

TEST_F(UniTextInDialog, CapturedEnterPutsALineBreakAtTheSelection)
{
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    box->setMultiLine(true);
    box->setText(QStringLiteral("ab"));
    box->SetSel(1, 2);
    press(Qt::Key_Return);
    EXPECT_EQ(box->Text(), QStringLiteral("a\r\n"));
    EXPECT_EQ(box->SelStart(), 3);
    EXPECT_EQ(presses, QList<int>{13});
    EXPECT_EQ(accepted.count(), 0);
    box->Undo();
    EXPECT_EQ(box->Text(), QStringLiteral("ab"));

    enterBecomes = 0;
    press(Qt::Key_Return);
    EXPECT_EQ(box->Text(), QStringLiteral("ab"));
    enterBecomes = 65;
    press(Qt::Key_Return);
    EXPECT_EQ(box->Text().count(u'A'), 1);

    box->setUseEvents(false);   // the captured key's KeyPress comes all the same
    presses.clear();
    press(Qt::Key_Return);
    EXPECT_EQ(presses, QList<int>{13});
}

TEST_F(UniTextInDialog, CapturedEnterInsertsNothingIntoALockedOrSingleLineBox)
{
    box->setText(QStringLiteral("one line"));
    press(Qt::Key_Return);
    EXPECT_EQ(box->Text(), QStringLiteral("one line"));
    box->setMultiLine(true);
    box->setLocked(true);
    focusBox();
    enterBecomes = 65;
    press(Qt::Key_Return);
    EXPECT_EQ(box->Text(), QStringLiteral("one line"));
    EXPECT_EQ(presses.size(), 2);
    EXPECT_FALSE(box->Modified());
}

TEST_F(UniTextInDialog, NavigationKeysAlwaysActInTheBox)
{
    for (bool locked : {false, true}) {
        SCOPED_TRACE(locked);
        box->setMultiLine(true);
        box->setLocked(locked);
        box->setText(QStringLiteral("abc\r\ndef"));
        focusBox();
        press(Qt::Key_End);
        EXPECT_EQ(box->SelStart(), 3);
        press(Qt::Key_Down);
        EXPECT_EQ(box->Line(0), 1);
        press(Qt::Key_Home, Qt::ShiftModifier);
        EXPECT_EQ(box->SelText(), QStringLiteral("def"));
        press(Qt::Key_Up);
        press(Qt::Key_Right);
        EXPECT_EQ(box->SelStart(), 1);
        EXPECT_TRUE(box->editWidget()->hasFocus());
        box->setMultiLine(false);
    }
    box->setText(QStringLiteral("xyz"));
    focusBox();
    press(Qt::Key_End);
    press(Qt::Key_Left);
    EXPECT_EQ(box->SelStart(), 2);
}

TEST_F(UniTextInDialog, ALockedBoxSwallowsEveryOtherKey)
{
    int saves = 0;
    auto* save = new QAction(&dialog);
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    dialog.addAction(save);
    QObject::connect(save, &QAction::triggered, [&saves] { ++saves; });
    press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(saves, 1);   // the host's shortcut, while the box is not locked

    box->setText(QStringLiteral("keep"));
    box->setLocked(true);
    focusBox();
    downs.clear();
    presses.clear();
    press(Qt::Key_X);
    press(Qt::Key_Delete);
    press(Qt::Key_Backspace);
    press(Qt::Key_V, Qt::ControlModifier);
    press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(box->Text(), QStringLiteral("keep"));
    EXPECT_TRUE(downs.isEmpty());
    EXPECT_TRUE(presses.isEmpty());
    EXPECT_EQ(saves, 1);
}

TEST_F(UniTextInDialog, ADisabledBoxTakesNeitherFocusNorKeys)
{
    box->setText(QStringLiteral("keep"));
    box->setEnabled(false);
    for (bool multi : {false, true}) {
        SCOPED_TRACE(multi);
        box->setMultiLine(multi);
        EXPECT_FALSE(box->editWidget()->isEnabled());
        after->setFocus();
        box->setFocus();
        EXPECT_FALSE(box->editWidget()->hasFocus());
        QTest::keyClicks(box->editWidget(), QStringLiteral("xyz"));
        QTest::keyClick(box->editWidget(), Qt::Key_Delete);
        QTest::keyClick(box->editWidget(), Qt::Key_Return);
        EXPECT_EQ(box->Text(), QStringLiteral("keep"));
    }
}

TEST_F(UniTextInDialog, TheBoxLeavesTheFocusWhereTheUserPutsIt)
{
    after->setFocus();
    QTest::keyClicks(after, QStringLiteral("typed"));
    EXPECT_TRUE(after->hasFocus());
    EXPECT_EQ(after->text(), QStringLiteral("typed"));
}

TEST_F(UniTextInDialog, KeysAfterTheBoxIsGoneReachNothingFreed)
{
    QPointer<UniText> gone = box;
    delete box;
    box = nullptr;
    EXPECT_TRUE(gone.isNull());
    QTest::keyClick(&dialog, Qt::Key_A);
    QTest::keyClick(after, Qt::Key_Return);
    SUCCEED();
}

TEST_F(UniTextInDialog, EachNewEditWindowHasOneRecord)
{
    for (int i = 0; i < 3; ++i)
        box->setMultiLine(!box->MultiLine());
    focusBox();
    downs.clear();
    press(Qt::Key_A);
    EXPECT_EQ(downs, QList<int>{65});
}
