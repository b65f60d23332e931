#include "ComboTestSupport.h"

#include "controls/shared/KeyRouter.h"

#include <QAbstractItemView>
#include <QSignalSpy>

using namespace unicombo;

TEST_F(ComboDialog, TypingRaisesOneEditChangePerCharacterWithTheNewTextAlreadyThere)
{
    combo->AddItem(QStringLiteral("Ünïcödé extra"));
    focusCombo();
    const QString text = QStringLiteral("Ünïcödé 日本語 😀");
    type(text);
    QStringList expected;
    QString sofar;
    for (char32_t c : text.toUcs4()) {
        sofar += QString::fromUcs4(&c, 1);
        expected.append(QStringLiteral("EditChange:") + sofar);
    }
    EXPECT_EQ(str(only(QStringLiteral("EditChange"))), str(expected));
    EXPECT_EQ(combo->Text(), text);
    EXPECT_EQ(combo->ListCount(), 1);   // nothing typed goes into the list
    EXPECT_EQ(combo->ListIndex(), -1);
    EXPECT_TRUE(only(QStringLiteral("Click")).isEmpty());
}

TEST_F(ComboDialog, PickingAnItemWithTheMouseRaisesEditChangeListIndexChangeClickInOrder)
{
    for (const char* name : {"alpha", "beta", "gamma"})
        combo->AddItem(QString::fromLatin1(name));
    focusCombo();
    combo->setDropped(true);
    ASSERT_TRUE(combo->Dropped());
    auto* view = static_cast<QComboBox*>(combo->comboWindow())->view();
    const QRect item = view->visualRect(view->model()->index(1, 0));
    events.clear();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, item.center());
    const QStringList picked = {QStringLiteral("EditChange:beta"), QStringLiteral("ListIndexChange:beta"),
                                QStringLiteral("Click:beta")};
    QStringList seen;
    for (const QString& e : events) {
        if (!e.startsWith(QStringLiteral("CloseUp")))
            seen.append(e);
    }
    EXPECT_EQ(str(seen), str(picked));
    EXPECT_FALSE(combo->Dropped());
    EXPECT_EQ(combo->ListIndex(), 1);
}

TEST_F(ComboDialog, DownOnTheClosedListPicksTheNextItem)
{
    combo->AddItem(QStringLiteral("alpha"));
    combo->AddItem(QStringLiteral("beta"));
    combo->setListIndex(0);
    focusCombo();
    events.clear();
    key(Qt::Key_Down);
    EXPECT_EQ(
        str(events),
        str({QStringLiteral("EditChange:beta"), QStringLiteral("ListIndexChange:beta"), QStringLiteral("Click:beta")}));
}

TEST_F(ComboDialog, EnterAndEscapeWithTheListClosedReachTheDialog)
{
    focusCombo();
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    key(Qt::Key_Return);
    EXPECT_EQ(accepted.count(), 1);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    focusCombo();
    QSignalSpy rejected(&dialog, &QDialog::rejected);
    key(Qt::Key_Escape);
    EXPECT_EQ(rejected.count(), 1);
}

TEST_F(ComboDialog, EnterAndEscapeWithTheListOpenOnlyCloseIt)
{
    combo->AddItem(QStringLiteral("alpha"));
    combo->AddItem(QStringLiteral("beta"));
    focusCombo();
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    QSignalSpy rejected(&dialog, &QDialog::rejected);
    combo->setDropped(true);
    key(Qt::Key_Escape);
    EXPECT_FALSE(combo->Dropped());
    combo->setDropped(true);
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    key(Qt::Key_Return);
    EXPECT_FALSE(combo->Dropped());
    // Return picks the highlighted item, as a click on it would.
    EXPECT_EQ(combo->Text(), QStringLiteral("beta"));
    EXPECT_EQ(str(only(QStringLiteral("Click"))), "Click:beta");
    EXPECT_EQ(accepted.count(), 0);
    EXPECT_EQ(rejected.count(), 0);
    EXPECT_TRUE(dialog.isVisible());
}
