#include "controls/shared/WindowSubclass.h"

#include "common/AppTitle.h"
#include "common/modErroHandling.h"
#include "controls/shared/MessageTable.h"
#include "platform/FakeServices.h"
#include "platform/VbError.h"

#include <QLineEdit>
#include <QResizeEvent>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

using namespace controls;
using namespace controls::wm;

namespace {

// A widget whose own procedure records what reached it: Qt events through the base
// event(), sent messages through windowProcedure.
class Recorder : public QWidget
{
public:
    QList<QEvent::Type> events;

protected:
    bool event(QEvent* e) override
    {
        events.append(e->type());
        return QWidget::event(e);
    }
};

class TestWindow : public Subclassable<Recorder>
{
public:
    QList<quint32> own;
    qintptr answer = 40;

protected:
    qintptr windowProcedure(const WindowMessage& msg) override
    {
        own.append(msg.uMsg);
        return answer;
    }
};

struct Call
{
    bool before;
    quint32 message;
};

// A registry with a handler that records each call and runs what the test asks of it.
class SubclassFixture : public ::testing::Test
{
protected:
    QList<Call> calls;
    std::function<void(bool, bool&, qintptr&, const WindowMessage&)> react;
    QStringList reports;
    WindowSubclassRegistry registry{SubclassPolicy{QStringLiteral("TestOwner"), QStringLiteral("pvOnWindowMessage"),
                                                   WM_DESTROY, [this](const QString& routine, const QString& message) {
                                                       reports.append(routine + QLatin1Char('|') + message);
                                                   }}};

    SubclassHandler handler()
    {
        return [this](bool before, bool& handled, qintptr& result, QWidget*, const WindowMessage& msg, qintptr&) {
            calls.append({before, msg.uMsg});
            if (react)
                react(before, handled, result, msg);
        };
    }

    std::unique_ptr<TestWindow> subclassed(int message, int when)
    {
        auto window = std::make_unique<TestWindow>();
        EXPECT_TRUE(registry.ssc_Subclass(window.get(), 0, handler()));
        registry.ssc_AddMsg(window.get(), message, when);
        return window;
    }
};

}

TEST_F(SubclassFixture, BeforeHandledSkipsThePreviousProcedureAndTheAfterCall)
{
    auto window = subclassed(WM_COMMAND, MSG_BEFORE_AND_AFTER);
    react = [](bool before, bool& handled, qintptr& result, const WindowMessage&) {
        if (before) {
            handled = true;
            result = 7;
        }
    };
    EXPECT_EQ(SendMessage(window.get(), WM_COMMAND), 7);
    EXPECT_TRUE(window->own.isEmpty());
    ASSERT_EQ(calls.size(), 1);
    EXPECT_TRUE(calls[0].before);
}

TEST_F(SubclassFixture, AfterCallSeesAndMayReplaceThePreviousResult)
{
    auto window = subclassed(WM_COMMAND, MSG_BEFORE_AND_AFTER);
    qintptr seen = -1;
    react = [&](bool before, bool&, qintptr& result, const WindowMessage&) {
        if (!before) {
            seen = result;
            result = 99;
        }
    };
    EXPECT_EQ(SendMessage(window.get(), WM_COMMAND), 99);
    EXPECT_EQ(seen, 40);
    EXPECT_EQ(window->own, QList<quint32>{WM_COMMAND});
    ASSERT_EQ(calls.size(), 2);
    EXPECT_TRUE(calls[0].before);
    EXPECT_FALSE(calls[1].before);
}

TEST_F(SubclassFixture, MessagesOutsideTheTablesGoStraightToTheWidget)
{
    auto window = subclassed(WM_COMMAND, MSG_BEFORE);
    EXPECT_EQ(SendMessage(window.get(), WM_NOTIFY), 40);
    EXPECT_TRUE(calls.isEmpty());
}

TEST_F(SubclassFixture, DestroyAlwaysReachesTheWidgetAndReleasesTheRecord)
{
    auto window = subclassed(WM_DESTROY, MSG_BEFORE_AND_AFTER);
    react = [](bool before, bool& handled, qintptr&, const WindowMessage&) {
        if (before)
            handled = true;
    };
    window.reset();
    ASSERT_EQ(calls.size(), 1);   // no after call in the outermost WM_DESTROY
    EXPECT_TRUE(calls[0].before);
    EXPECT_EQ(registry.count(), 0);   // nothing stale left behind
}

TEST_F(SubclassFixture, AWindowMayBeSubclassedAgainAfterItsRecordWasReleased)
{
    auto window = subclassed(WM_COMMAND, MSG_BEFORE);
    registry.ssc_UnSubclass(window.get());
    EXPECT_FALSE(window->isSubclassed());
    EXPECT_TRUE(registry.ssc_Subclass(window.get(), 0, handler()));
    EXPECT_TRUE(registry.ssc_AddMsg(window.get(), WM_COMMAND, MSG_BEFORE));
    SendMessage(window.get(), WM_COMMAND);
    EXPECT_EQ(calls.size(), 1);
}

TEST_F(SubclassFixture, RemovalInsideTheHandlerWaitsForTheOutermostReturn)
{
    auto window = subclassed(WM_COMMAND, MSG_BEFORE_AND_AFTER);
    registry.ssc_AddMsg(window.get(), WM_NOTIFY, MSG_BEFORE);
    react = [&](bool before, bool&, qintptr&, const WindowMessage& msg) {
        if (before && msg.uMsg == WM_COMMAND) {
            registry.ssc_UnSubclass(window.get());
            // The record is still installed while its message is in progress...
            EXPECT_TRUE(window->isSubclassed());
            // ...but offers nothing any more, also to a nested message.
            SendMessage(window.get(), WM_NOTIFY);
        }
    };
    EXPECT_EQ(SendMessage(window.get(), WM_COMMAND), 40);
    EXPECT_EQ(calls.size(), 1);   // neither the nested message nor the after call was offered
    EXPECT_EQ(window->own, (QList<quint32>{WM_NOTIFY, WM_COMMAND}));
    EXPECT_FALSE(window->isSubclassed());
    EXPECT_EQ(registry.count(), 0);
    SendMessage(window.get(), WM_COMMAND);
    EXPECT_EQ(calls.size(), 1);
}

TEST_F(SubclassFixture, AWindowRemovedInsideItsOwnMessageCanBeSubclassedAgainAtOnce)
{
    auto window = subclassed(WM_COMMAND, MSG_BEFORE);
    react = [&](bool, bool&, qintptr&, const WindowMessage& msg) {
        if (msg.uMsg != WM_COMMAND || calls.size() > 1)
            return;
        registry.ssc_Terminate();
        EXPECT_TRUE(registry.ssc_Subclass(window.get(), 0, handler()));
        registry.ssc_AddMsg(window.get(), WM_NOTIFY, MSG_BEFORE);
    };
    SendMessage(window.get(), WM_COMMAND);
    // The old record's late release leaves the new one in place.
    EXPECT_TRUE(window->isSubclassed());
    EXPECT_EQ(registry.count(), 1);
    SendMessage(window.get(), WM_NOTIFY);
    ASSERT_EQ(calls.size(), 2);
    EXPECT_EQ(calls[1].message, WM_NOTIFY);
}

TEST_F(SubclassFixture, NestedMessagesAreBothHandled)
{
    auto window = subclassed(WM_COMMAND, MSG_BEFORE);
    registry.ssc_AddMsg(window.get(), WM_NOTIFY, MSG_AFTER);
    react = [&](bool before, bool&, qintptr&, const WindowMessage& msg) {
        if (before && msg.uMsg == WM_COMMAND)
            SendMessage(window.get(), WM_NOTIFY);
    };
    SendMessage(window.get(), WM_COMMAND);
    ASSERT_EQ(calls.size(), 2);
    EXPECT_EQ(calls[1].message, WM_NOTIFY);
    EXPECT_FALSE(calls[1].before);
}

TEST_F(SubclassFixture, AllMessagesTableOffersQtEventsAndSentMessages)
{
    auto window = subclassed(ALL_MESSAGES, MSG_BEFORE);
    window->resize(120, 30);
    QResizeEvent resize(QSize(120, 30), QSize(100, 30));
    QCoreApplication::sendEvent(window.get(), &resize);
    SendMessage(window.get(), 0x4711);
    QList<quint32> offered;
    for (const Call& c : calls)
        offered.append(c.message);
    EXPECT_TRUE(offered.contains(WM_SIZE));
    EXPECT_TRUE(offered.contains(0x4711u));
    EXPECT_TRUE(window->events.contains(QEvent::Resize));   // the base still ran
}

TEST_F(SubclassFixture, RefusesWithoutLeavingAnythingBehind)
{
    QWidget plain;
    TestWindow other;
    // Before the first subclass there is no registry to look in.
    EXPECT_FALSE(registry.ssc_AddMsg(&other, WM_COMMAND, MSG_BEFORE));
    EXPECT_EQ(reports, QStringList{QStringLiteral("zMap_VFunction|Thunk hasn't been initialized")});
    reports.clear();
    auto window = subclassed(WM_COMMAND, MSG_BEFORE);
    EXPECT_FALSE(registry.ssc_Subclass(nullptr, 0, handler()));
    EXPECT_FALSE(registry.ssc_Subclass(&plain, 0, handler()));
    EXPECT_FALSE(registry.ssc_Subclass(window.get(), 0, handler()));
    EXPECT_FALSE(registry.ssc_Subclass(&other, 0, nullptr));
    EXPECT_FALSE(registry.ssc_AddMsg(&other, WM_COMMAND, MSG_BEFORE));
    EXPECT_EQ(registry.count(), 1);
    EXPECT_FALSE(other.isSubclassed());
    EXPECT_EQ(reports,
              (QStringList{QStringLiteral("ssc_Subclass|Invalid window handle"),
                           QStringLiteral("ssc_Subclass|Window does not route its messages through a subclass"),
                           QStringLiteral("ssc_Subclass|Window handle is already subclassed"),
                           QStringLiteral("ssc_Subclass|Callback method not found"),
                           QStringLiteral("zMap_VFunction|Thunk type for 1 does not exist")}));
    // The first record still works.
    SendMessage(window.get(), WM_COMMAND);
    EXPECT_EQ(calls.size(), 1);
    // Terminate drops the registry itself.
    reports.clear();
    registry.ssc_Terminate();
    registry.ssc_UnSubclass(window.get());
    EXPECT_EQ(reports, QStringList{QStringLiteral("zMap_VFunction|Thunk hasn't been initialized")});
}

TEST_F(SubclassFixture, AFullTableDropsTheMessageAndSaysSo)
{
    auto window = subclassed(1, MSG_BEFORE);
    for (int m = 2; m <= MessageTable::kEntries; ++m)
        EXPECT_TRUE(registry.ssc_AddMsg(window.get(), m, MSG_BEFORE));
    EXPECT_FALSE(registry.ssc_AddMsg(window.get(), 0x500, MSG_BEFORE));
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].startsWith(QStringLiteral("zAddMsg|Message table overflow")));
    SendMessage(window.get(), 0x500);
    SendMessage(window.get(), 32);
    ASSERT_EQ(calls.size(), 1);
    EXPECT_EQ(calls[0].message, 32u);
}

TEST_F(SubclassFixture, TerminateGivesEveryWidgetItsOwnProcedureBack)
{
    auto first = subclassed(WM_COMMAND, MSG_BEFORE);
    auto second = subclassed(WM_COMMAND, MSG_BEFORE);
    registry.ssc_Terminate();
    EXPECT_EQ(registry.count(), 0);
    EXPECT_FALSE(first->isSubclassed());
    EXPECT_FALSE(second->isSubclassed());
    EXPECT_EQ(SendMessage(first.get(), WM_COMMAND), 40);
    EXPECT_TRUE(calls.isEmpty());
}

TEST_F(SubclassFixture, ARegistryThatEndsFirstLeavesTheWidgetsWorking)
{
    auto window = std::make_unique<TestWindow>();
    {
        SubclassPolicy policy;
        policy.ownerName = QStringLiteral("TestOwner");
        WindowSubclassRegistry shortLived{policy};
        shortLived.ssc_Subclass(window.get(), 0, handler());
        shortLived.ssc_AddMsg(window.get(), WM_COMMAND, MSG_BEFORE);
    }
    EXPECT_FALSE(window->isSubclassed());
    EXPECT_EQ(SendMessage(window.get(), WM_COMMAND), 40);
    EXPECT_TRUE(calls.isEmpty());
}

TEST_F(SubclassFixture, KeyPressBecomesKeyDownThenOneCharPerUnit)
{
    Subclassable<QLineEdit> edit;
    registry.ssc_Subclass(&edit, 0, handler());
    registry.ssc_AddMsg(&edit, WM_KEYDOWN, MSG_BEFORE);
    registry.ssc_AddMsg(&edit, WM_CHAR, MSG_BEFORE);
    QList<qintptr> chars;
    react = [&](bool, bool&, qintptr&, const WindowMessage& msg) {
        if (msg.uMsg == WM_CHAR)
            chars.append(msg.wParam);
    };
    QKeyEvent emoji(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("😀"));
    QCoreApplication::sendEvent(&edit, &emoji);
    EXPECT_EQ(edit.text(), QStringLiteral("😀"));
    ASSERT_EQ(calls.size(), 3);
    EXPECT_EQ(calls[0].message, WM_KEYDOWN);
    EXPECT_EQ(chars, (QList<qintptr>{0xD83D, 0xDE00}));
}

TEST_F(SubclassFixture, HandlingTheCharacterKeepsItOutOfTheEdit)
{
    Subclassable<QLineEdit> edit;
    registry.ssc_Subclass(&edit, 0, handler());
    registry.ssc_AddMsg(&edit, WM_CHAR, MSG_BEFORE);
    registry.ssc_AddMsg(&edit, WM_KEYDOWN, MSG_BEFORE);
    react = [](bool, bool& handled, qintptr&, const WindowMessage& msg) {
        handled = (msg.uMsg == WM_CHAR && msg.wParam == 'x') || (msg.uMsg == WM_KEYDOWN && msg.wParam == 37);
    };
    QTest::keyClicks(&edit, QStringLiteral("axb"));
    EXPECT_EQ(edit.text(), QStringLiteral("ab"));
    QTest::keyClick(&edit, Qt::Key_Left);   // the key itself carries the caret move
    EXPECT_EQ(edit.cursorPosition(), 2);
    QTest::keyClick(&edit, Qt::Key_Home);
    EXPECT_EQ(edit.cursorPosition(), 0);
}

TEST_F(SubclassFixture, MousePressOffersMouseActivateBeforeTheButton)
{
    auto window = subclassed(WM_MOUSEACTIVATE, MSG_BEFORE);
    registry.ssc_AddMsg(window.get(), WM_LBUTTONDOWN, MSG_BEFORE);
    react = [](bool, bool& handled, qintptr& result, const WindowMessage& msg) {
        if (msg.uMsg == WM_MOUSEACTIVATE) {
            handled = true;
            result = MA_NOACTIVATE;
        }
    };
    window->resize(50, 20);
    QTest::mousePress(window.get(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 6));
    ASSERT_EQ(calls.size(), 2);
    EXPECT_EQ(calls[0].message, WM_MOUSEACTIVATE);
    EXPECT_EQ(calls[1].message, WM_LBUTTONDOWN);
    EXPECT_TRUE(window->events.contains(QEvent::MouseButtonPress));   // the click still arrives
}

TEST_F(SubclassFixture, AHandlersErrorGoesToTheErrorCallAndStopsThere)
{
    platform::FakeServices fakes;
    common::startFreshRun();
    auto window = subclassed(WM_COMMAND, MSG_BEFORE);
    react = [](bool, bool&, qintptr&, const WindowMessage&) {
        platform::raiseError(381, QStringLiteral("Invalid property array index"));
    };
    EXPECT_NO_THROW(SendMessage(window.get(), WM_COMMAND));
    EXPECT_EQ(fakes.processEnd.ends, 1);
    EXPECT_TRUE(modErroHandling::gstrErrorReport.contains(QStringLiteral("TestOwner:pvOnWindowMessage")));
    common::startFreshRun();
}
