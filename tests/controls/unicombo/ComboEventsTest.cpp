#include "ComboTestSupport.h"

#include "controls/shared/KeyRouter.h"
#include "controls/unicombo/ComboNotifications.h"

#include <QAbstractItemView>
#include <QListView>
#include <QSignalSpy>

using namespace unicombo;

namespace {

// The events a test is about, without the edit's begin and end that every focus arrival brings.
QStringList userEvents(const QStringList& events)
{
    QStringList out;
    for (const QString& e : events) {
        if (!e.startsWith(QStringLiteral("BeginEdit")) && !e.startsWith(QStringLiteral("EndEdit")))
            out.append(e);
    }
    return out;
}

void fill(uniCombo* combo, const QStringList& items)
{
    for (const QString& item : items)
        combo->AddItem(item);
}

}

TEST_F(ComboDialog, SettingTheTextOfAnEditRaisesOneEditChange)
{
    combo->setText(QStringLiteral("東京"));
    EXPECT_EQ(str(userEvents(events)), "EditChange:東京");
}

TEST_F(ComboDialog, ProgrammaticChangesRaiseNothing)
{
    fill(combo, {QStringLiteral("a"), QStringLiteral("b")});
    combo->setListIndex(1);
    combo->setListIndex(-1);
    combo->RemoveItem(0);
    combo->setItemText(0, QStringLiteral("c"));
    combo->Clear();
    auto* list = new uniCombo(&dialog);
    list->setStyle(2);
    watch(list);
    fill(list, {QStringLiteral("x"), QStringLiteral("y")});
    list->setText(QStringLiteral("Y"));
    EXPECT_EQ(list->ListIndex(), 1);
    EXPECT_EQ(str(userEvents(events)), "");
}

TEST_F(ComboDialog, KeyEventsCarryTheKeyAndTheShiftStateItCameWith)
{
    QList<std::pair<int, int>> downs;
    QList<std::pair<int, int>> ups;
    QObject::connect(combo, &uniCombo::KeyDown, combo, [&](int& code, int& shift) { downs.append({code, shift}); });
    QObject::connect(combo, &uniCombo::KeyUp, combo, [&](int& code, int& shift) { ups.append({code, shift}); });
    focusCombo();
    key(Qt::Key_A);
    key(Qt::Key_Left, Qt::ShiftModifier);   // a navigation key: routed through the control's key handler
    EXPECT_TRUE(downs.contains(std::make_pair(65, 0)));
    EXPECT_TRUE(downs.contains(std::make_pair(37, 1)));
    EXPECT_TRUE(ups.contains(std::make_pair(37, 1)));
    EXPECT_EQ(downs.count(std::make_pair(37, 1)), 1);   // one event for one key
    EXPECT_EQ(combo->SelText(), QStringLiteral("a"));
}

TEST_F(ComboDialog, TheDropDownListStyleRaisesKeyEventsToo)
{
    combo->setStyle(2);
    fill(combo, {QStringLiteral("a"), QStringLiteral("b")});
    QList<int> downs;
    QObject::connect(combo, &uniCombo::KeyDown, combo, [&](int& code, int&) { downs.append(code); });
    focusCombo();
    key(Qt::Key_Down);
    EXPECT_EQ(downs, QList<int>{40});
    EXPECT_EQ(combo->ListIndex(), 0);
}

TEST_F(ComboDialog, EachDropDownOffersItsListOnceForResizing)
{
    fill(combo, {QStringLiteral("a"), QStringLiteral("b")});
    QList<QRect> offered;
    QObject::connect(combo, &uniCombo::RequestDropDownResize, combo, [&](int& l, int& t, int& r, int& b, bool&) {
        offered.append(QRect(QPoint(l, t), QPoint(r - 1, b - 1)));
    });
    focusCombo();
    combo->setDropped(true);
    ASSERT_EQ(offered.size(), 1);
    EXPECT_GT(offered[0].width(), 0);
    EXPECT_GT(offered[0].height(), 0);
    EXPECT_EQ(str(only(QStringLiteral("DropDown"))), "DropDown:");
    combo->setDropped(false);
    EXPECT_EQ(str(only(QStringLiteral("CloseUp"))), "CloseUp:");
    combo->setDropped(true);
    EXPECT_EQ(offered.size(), 2);
}

TEST_F(ComboDialog, TheHostMayMoveTheListOrLeaveItWhereItIs)
{
    fill(combo, {QStringLiteral("a"), QStringLiteral("b")});
    bool keepWhereItIs = false;
    QObject::connect(combo, &uniCombo::RequestDropDownResize, combo, [&](int& l, int& t, int& r, int& b, bool& c) {
        c = keepWhereItIs;
        l += 7;
        t += 5;
        r = l + 250;
        b = t + 90;
    });
    combo->setDropped(true);
    QWidget* list = static_cast<QComboBox*>(combo->comboWindow())->view()->window();
    EXPECT_EQ(list->size(), QSize(250, 90));
    combo->setDropped(false);
    keepWhereItIs = true;
    combo->setDropped(true);
    EXPECT_NE(list->size(), QSize(250, 90));
}

TEST_F(ComboDialog, TheSimpleStyleNeverOffersAList)
{
    combo->setStyle(0);
    int offered = 0;
    QObject::connect(combo, &uniCombo::RequestDropDownResize, combo, [&](int&, int&, int&, int&, bool&) { ++offered; });
    combo->setDropped(true);
    EXPECT_EQ(offered, 0);
    EXPECT_EQ(str(userEvents(events)), "");
}

TEST_F(ComboDialog, EditingBeginsAndEndsWithItsReason)
{
    fill(combo, {QStringLiteral("東京")});
    focusCombo();
    type(QStringLiteral("東京"));
    key(Qt::Key_Return);
    EXPECT_EQ(str(only(QStringLiteral("BeginEdit"))), "BeginEdit:");
    EXPECT_EQ(str(only(QStringLiteral("EndEdit"))), "EndEdit:1,0,東京,2");
    EXPECT_EQ(combo->ListCount(), 1);   // Enter puts nothing into the list

    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    events.clear();
    focusCombo();
    type(QStringLiteral("x"));
    key(Qt::Key_Escape);
    EXPECT_EQ(str(only(QStringLiteral("EndEdit"))),
              "EndEdit:1,-1,x,3");   // the focus arriving by Tab selected the old text
}

TEST_F(ComboDialog, LeavingTheEditOrDroppingTheListEndsEditing)
{
    fill(combo, {QStringLiteral("a")});
    focusCombo();
    type(QStringLiteral("b"));
    other->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(str(only(QStringLiteral("EndEdit"))), "EndEdit:1,-1,b,1");
    events.clear();
    focusCombo();
    combo->setDropped(true);
    EXPECT_EQ(str(only(QStringLiteral("EndEdit"))), "EndEdit:0,-1,b,4");
    EXPECT_EQ(only(QStringLiteral("BeginEdit")).size(), 2);   // at the focus and at the drop
}

TEST_F(ComboDialog, HomeAndEndInTheOpenListMoveTheEditSelection)
{
    fill(combo, {QStringLiteral("one"), QStringLiteral("two")});
    focusCombo();
    combo->setText(QStringLiteral("Hello"));
    combo->setDropped(true);
    auto* view = static_cast<QComboBox*>(combo->comboWindow())->view();
    const QModelIndex highlighted = view->currentIndex();
    combo->setSelStart(3);
    key(Qt::Key_Home, Qt::ShiftModifier);
    EXPECT_EQ(combo->SelText(), QStringLiteral("Hel"));
    key(Qt::Key_Home);
    EXPECT_EQ(combo->SelStart(), 0);
    EXPECT_EQ(combo->SelLength(), 0);
    combo->setSelStart(2);
    key(Qt::Key_End, Qt::ShiftModifier);
    EXPECT_EQ(combo->SelText(), QStringLiteral("llo"));
    key(Qt::Key_End);
    EXPECT_EQ(combo->SelStart(), 5);
    EXPECT_TRUE(combo->Dropped());
    EXPECT_EQ(view->currentIndex(), highlighted);
}

TEST_F(ComboDialog, HomeAndEndWithTheListClosedMoveTheCaret)
{
    focusCombo();
    combo->setText(QStringLiteral("Hello"));
    key(Qt::Key_Home);
    EXPECT_EQ(combo->SelStart(), 0);
    key(Qt::Key_End, Qt::ShiftModifier);
    EXPECT_EQ(combo->SelText(), QStringLiteral("Hello"));
    EXPECT_EQ(str(only(QStringLiteral("Click"))), "");
}

TEST_F(ComboDialog, TabIsTheDialogsAndCtrlTabMovesTheFocusOnce)
{
    focusCombo();
    key(Qt::Key_Tab);
    EXPECT_EQ(focus(), other);
    focusCombo();
    key(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(focus(), other);
}

TEST_F(ComboDialog, AClickFromOutsideBringsTheFocusAndMakesTheControlTheKeyHandler)
{
    other->setFocus();
    QWidget* edit = combo->editWindow();
    QTest::mouseClick(edit, Qt::LeftButton, Qt::NoModifier, QPoint(5, edit->height() / 2));
    ASSERT_NE(focus(), nullptr);
    EXPECT_TRUE(combo->isAncestorOf(focus()));
    controls::AcceleratorClient* active = controls::KeyRouter::forHost(combo)->activeObject();
    ASSERT_NE(active, nullptr);
    EXPECT_EQ(active->acceleratorWindow(), combo);
}

TEST_F(ComboDialog, TheFocusArrivingByTabSelectsTheWholeText)
{
    combo->setText(QStringLiteral("report"));
    other->setFocus();
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_TRUE(combo->isAncestorOf(focus()));
    EXPECT_EQ(combo->SelText(), QStringLiteral("report"));
}

TEST_F(ComboDialog, AHandlerMayRebuildOrEmptyTheControlInsideAnEvent)
{
    fill(combo, {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    int clicks = 0;
    QObject::connect(combo, &uniCombo::Click, combo, [&] {
        if (++clicks == 1)
            combo->setStyle(2);
        else
            combo->Clear();
    });
    focusCombo();
    key(Qt::Key_Down);
    EXPECT_EQ(combo->Style(), 2);
    EXPECT_EQ(combo->ListCount(), 3);
    QCoreApplication::processEvents();
    focusCombo();
    key(Qt::Key_Down);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(combo->ListCount(), 0);
}

TEST_F(ComboDialog, AKeyAfterTheControlIsGoneReachesNothingFreed)
{
    fill(combo, {QStringLiteral("a")});
    focusCombo();
    combo->setDropped(true);
    delete combo;
    combo = nullptr;
    other->setFocus();
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    QTest::keyClick(other, Qt::Key_Down);
    QTest::keyClick(other, Qt::Key_Return);
    EXPECT_EQ(accepted.count(), 1);
}

TEST_F(ComboDialog, AfterRebuildsOneKeyStillRaisesOneEvent)
{
    for (int style : {2, 1, 0, 1})
        combo->setStyle(style);
    int downs = 0;
    QObject::connect(combo, &uniCombo::KeyDown, combo, [&](int&, int&) { ++downs; });
    focusCombo();
    type(QStringLiteral("q"));
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(str(only(QStringLiteral("EditChange"))), "EditChange:q");
}

TEST_F(ComboDialog, TheSimpleStyleShowsItsListAndReportsPicksAndTyping)
{
    combo->setStyle(0);
    fill(combo, {QStringLiteral("alpha"), QStringLiteral("beta"), QStringLiteral("gamma")});
    dialog.resize(300, 300);
    QCoreApplication::processEvents();
    auto* list = static_cast<QListView*>(combo->comboWindow());
    ASSERT_TRUE(list->isVisible());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualRect(list->model()->index(1, 0)).center());
    EXPECT_EQ(str(userEvents(events)), "EditChange:beta | ListIndexChange:beta | Click:beta");
    ASSERT_TRUE(combo->isAncestorOf(focus()));
    events.clear();
    key(Qt::Key_Down);
    EXPECT_EQ(str(userEvents(events)), "EditChange:gamma | ListIndexChange:gamma | Click:gamma");
    events.clear();
    type(QStringLiteral("!"));
    EXPECT_EQ(str(userEvents(events)), "EditChange:gamma!");
    EXPECT_EQ(combo->ListIndex(), 2);
}

TEST_F(ComboDialog, RepickingTheChosenItemResetsTypedText)
{
    combo->setStyle(2);
    combo->setStyle(1);
    fill(combo, {QStringLiteral("alpha"), QStringLiteral("beta")});
    combo->setListIndex(1);
    focusCombo();
    type(QStringLiteral("x"));
    combo->setDropped(true);
    auto* view = static_cast<QComboBox*>(combo->comboWindow())->view();
    events.clear();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
                      view->visualRect(view->model()->index(1, 0)).center());
    EXPECT_EQ(str(only(QStringLiteral("Click"))), "Click:beta");
    EXPECT_EQ(combo->Text(), QStringLiteral("beta"));
}

// The control's handler, fed messages the way its windows would send them.
TEST_F(ComboDialog, TheControlWindowAnswersEveryReportWithZeroAndChecksItsSender)
{
    using namespace controls;
    const qintptr editChange = makeLong(ComboBoxEx::kComboId, 5);
    EXPECT_EQ(SendMessage(combo, wm::WM_COMMAND, makeLong(999, 5), 0, combo->comboBoxEx()), 0);
    EXPECT_EQ(SendMessage(combo, wm::WM_COMMAND, editChange, 0, other), 0);
    EXPECT_EQ(SendMessage(combo, wm::WM_COMMAND, makeLong(ComboBoxEx::kComboId, 2), 0, combo->comboBoxEx()), 0);
    EXPECT_EQ(str(userEvents(events)), "");
    SendMessage(combo, wm::WM_COMMAND, editChange, 0, combo->comboBoxEx());
    EXPECT_EQ(str(userEvents(events)), "EditChange:");
    const cbn::NMHDR header{other, 0, cbn::CBEN_BEGINEDIT};
    EXPECT_EQ(SendMessage(combo, wm::WM_NOTIFY, 0, 0, nullptr, &header), 0);
    EXPECT_EQ(only(QStringLiteral("BeginEdit")).size(), 1);   // the one of the dialog's first focus
}

TEST_F(ComboDialog, AClickFromOutsideIsAnsweredWithoutActivation)
{
    using namespace controls;
    other->setFocus();
    EXPECT_EQ(SendMessage(combo->editWindow(), wm::WM_MOUSEACTIVATE), wm::MA_NOACTIVATE);
    EXPECT_TRUE(combo->isAncestorOf(focus()));
    // Once inside, a click is the edit's own business.
    EXPECT_EQ(SendMessage(combo->editWindow(), wm::WM_MOUSEACTIVATE), 0);
}

TEST_F(ComboDialog, TheExtendedKeyboardInterfaceOpensTheListWithDown)
{
    fill(combo, {QStringLiteral("a"), QStringLiteral("b")});
    combo->setExtendedUI(true);
    focusCombo();
    key(Qt::Key_Down);
    EXPECT_TRUE(combo->Dropped());
    EXPECT_EQ(str(only(QStringLiteral("Click"))), "");
    key(Qt::Key_Escape);
    combo->setExtendedUI(false);
    key(Qt::Key_Down);
    EXPECT_FALSE(combo->Dropped());
    EXPECT_EQ(str(only(QStringLiteral("Click"))), "Click:a");
}

TEST_F(ComboDialog, TypingWithTheListOpenEditsTheText)
{
    fill(combo, {QStringLiteral("alpha"), QStringLiteral("gamma")});
    focusCombo();
    combo->setText(QStringLiteral("ab"));
    combo->setDropped(true);
    events.clear();
    type(QStringLiteral("gé"));
    key(Qt::Key_Left);
    key(Qt::Key_Backspace);
    EXPECT_EQ(combo->Text(), QStringLiteral("abé"));
    EXPECT_EQ(str(only(QStringLiteral("EditChange"))), "EditChange:abg | EditChange:abgé | EditChange:abé");
    EXPECT_TRUE(combo->Dropped());
    EXPECT_EQ(combo->ListIndex(), -1);   // no search of the list picked anything
}
