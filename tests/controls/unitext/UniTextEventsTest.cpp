#include "UniTextTestSupport.h"

#include "controls/shared/HostServices.h"
#include "controls/shared/KeyRouter.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QWheelEvent>
#include <gtest/gtest.h>

using unitext::UniText;

namespace {

// Records every event of the box as "Name(arguments)", in order, and answers the
// by-reference arguments as a test tells it.
class UniTextEvents : public ::testing::Test, public ShownBox
{
protected:
    UniTextEvents()
    {
        QObject::connect(box, &UniText::Change, [this] { log << QStringLiteral("Change"); });
        QObject::connect(box, &UniText::Update, [this] { log << QStringLiteral("Update"); });
        QObject::connect(box, &UniText::Click, [this](int& b) { log << QStringLiteral("Click(%1)").arg(b); });
        QObject::connect(box, &UniText::DblClick, [this](int& b) { log << QStringLiteral("DblClick(%1)").arg(b); });
        QObject::connect(box, &UniText::ContextMenu, [this](bool&) { log << QStringLiteral("ContextMenu"); });
        QObject::connect(box, &UniText::KeyDown, [this](int& code, int shift) {
            log << QStringLiteral("KeyDown(%1,%2)").arg(code).arg(shift);
            if (code == swallowKey)
                code = 0;
        });
        QObject::connect(box, &UniText::KeyPress, [this](int& code) {
            log << QStringLiteral("KeyPress(%1)").arg(code);
            if (replaceChar.first == code)
                code = replaceChar.second;
        });
        QObject::connect(box, &UniText::KeyUp,
                         [this](int& code, int shift) { log << QStringLiteral("KeyUp(%1,%2)").arg(code).arg(shift); });
        const auto mouse = [this](const char* name) {
            return [this, name](int& button, int shift, float& x, float& y) {
                log << QStringLiteral("%1(%2,%3)").arg(QLatin1String(name)).arg(button).arg(shift);
                lastX = x;
                lastY = y;
            };
        };
        QObject::connect(box, &UniText::MouseDown, mouse("MouseDown"));
        QObject::connect(box, &UniText::MouseUp, mouse("MouseUp"));
        QObject::connect(box, &UniText::MouseMove, [this](int&, int, float&, float&) { ++moves; });
        QObject::connect(box, &UniText::MouseEnter, [this] { log << QStringLiteral("MouseEnter"); });
        QObject::connect(box, &UniText::MouseLeave, [this] { log << QStringLiteral("MouseLeave"); });
        QObject::connect(box, &UniText::MouseWheel, [this](int wheel, int shift) {
            log << QStringLiteral("MouseWheel(%1,%2)").arg(wheel).arg(shift);
        });
        QObject::connect(box, &UniText::Scroll, [this](int d) { log << QStringLiteral("Scroll(%1)").arg(d); });
        QObject::connect(box, &UniText::FontChanged, [this] { log << QStringLiteral("FontChanged"); });
    }

    // The widget the mouse talks to: a multi-line box's viewport.
    QWidget* surface() const
    {
        auto* plain = qobject_cast<QPlainTextEdit*>(box->editWidget());
        return plain ? plain->viewport() : box->editWidget();
    }
    // Offscreen, QTest moves the mouse without telling the widget; the move is sent as it comes.
    void moveInto()
    {
        QWidget* target = surface();
        const QPointF at(20, 8);
        QMouseEvent move(QEvent::MouseMove, at, target->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &move);
    }
    QStringList take()
    {
        QStringList taken = log;
        log.clear();
        return taken;
    }

    QStringList log;
    int moves = 0;
    float lastX = 0;
    float lastY = 0;
    int swallowKey = -1;
    std::pair<int, int> replaceChar{-1, -1};
};

}

TEST_F(UniTextEvents, TypingRaisesKeyAndTextEventsInOrder)
{
    for (bool multi : {false, true}) {
        SCOPED_TRACE(multi);
        box->setMultiLine(multi);
        box->setFocus();
        box->setText(QString());
        take();
        QTest::keyClick(box->editWidget(), Qt::Key_A);
        EXPECT_EQ(take(),
                  (QStringList{QStringLiteral("KeyDown(65,0)"), QStringLiteral("KeyPress(97)"),
                               QStringLiteral("Update"), QStringLiteral("Change"), QStringLiteral("KeyUp(65,0)")}));
        QTest::keyClick(box->editWidget(), Qt::Key_A, Qt::ShiftModifier);
        EXPECT_TRUE(take().contains(QStringLiteral("KeyDown(65,1)")));
        EXPECT_EQ(box->Text().size(), 2);
    }
}

TEST_F(UniTextEvents, CharactersBeyond0x7FFFArriveWhole)
{
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("\u8a9e"));
    QApplication::sendEvent(box->editWidget(), &press);
    EXPECT_TRUE(take().contains(QStringLiteral("KeyPress(35486)")));
    EXPECT_EQ(box->Text(), QStringLiteral("\u8a9e"));
}

TEST_F(UniTextEvents, AnInputMethodCommitRaisesAKeyPressPerUnit)
{
    for (bool multi : {false, true}) {
        SCOPED_TRACE(multi);
        box->setMultiLine(multi);
        box->setText(QString());
        take();
        replaceChar = {0x8A9E, 0};   // the handler refuses this one
        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("\u65e5\u8a9e\U0001F600"));
        QApplication::sendEvent(box->editWidget(), &commit);
        EXPECT_EQ(take(),
                  (QStringList{QStringLiteral("KeyPress(26085)"), QStringLiteral("KeyPress(35486)"),
                               QStringLiteral("KeyPress(55357)"), QStringLiteral("KeyPress(56832)"),
                               QStringLiteral("Update"), QStringLiteral("Change")}));
        EXPECT_EQ(box->Text(), QStringLiteral("\u65e5\U0001F600"));
    }
}

TEST_F(UniTextEvents, HandlersSwallowKeysAndCharactersByZero)
{
    box->setText(QStringLiteral("abc"));
    box->SetSel(0, 0);
    swallowKey = 46;   // Delete: its effect is the key's own
    QTest::keyClick(box->editWidget(), Qt::Key_Delete);
    EXPECT_EQ(box->Text(), QStringLiteral("abc"));
    swallowKey = 88;   // X: the character still comes, as the key makes it
    QTest::keyClick(box->editWidget(), Qt::Key_X);
    EXPECT_EQ(box->Text(), QStringLiteral("xabc"));
    replaceChar = {8, 0};   // Backspace is a character
    QTest::keyClick(box->editWidget(), Qt::Key_Backspace);
    EXPECT_EQ(box->Text(), QStringLiteral("xabc"));
    replaceChar = {int(u'y'), 0};
    QTest::keyClick(box->editWidget(), Qt::Key_Y);
    EXPECT_EQ(box->Text(), QStringLiteral("xabc"));
    replaceChar = {int(u'z'), 65};   // another code is not taken on the typing path
    QTest::keyClick(box->editWidget(), Qt::Key_Z);
    EXPECT_EQ(box->Text(), QStringLiteral("xzabc"));
}

TEST_F(UniTextEvents, WithoutUseEventsOnlyKeyUpScrollFontAndCapturedKeysCome)
{
    box->setMultiLine(true);
    box->setScrollBars(2);
    box->setCaptureEsc(true);
    box->setUseEvents(false);
    take();
    QTest::keyClick(box->editWidget(), Qt::Key_A);
    moveInto();
    QTest::mouseClick(surface(), Qt::LeftButton, {}, QPoint(20, 8));
    QTest::keyClick(box->editWidget(), Qt::Key_Return);
    QTest::keyClick(box->editWidget(), Qt::Key_Escape);
    box->setFontBold(true);
    qobject_cast<QPlainTextEdit*>(box->editWidget())
        ->verticalScrollBar()
        ->triggerAction(QScrollBar::SliderSingleStepAdd);
    EXPECT_EQ(take(),
              (QStringList{QStringLiteral("KeyUp(65,0)"), QStringLiteral("KeyPress(13)"), QStringLiteral("KeyUp(13,0)"),
                           QStringLiteral("KeyPress(27)"), QStringLiteral("KeyUp(27,0)"), QStringLiteral("FontChanged"),
                           QStringLiteral("Scroll(2)")}));
    EXPECT_EQ(moves, 0);
    EXPECT_TRUE(box->MouseOver());   // tracked all the same
}

TEST_F(UniTextEvents, AClickIsDownUpAndClickWhileTheMouseIsOver)
{
    box->setMultiLine(true);
    take();
    moveInto();
    EXPECT_EQ(take(), QStringList{QStringLiteral("MouseEnter")});
    EXPECT_GT(moves, 0);
    EXPECT_TRUE(box->MouseOver());
    QTest::mouseClick(surface(), Qt::LeftButton, Qt::ShiftModifier, QPoint(20, 8));
    EXPECT_EQ(
        take(),
        (QStringList{QStringLiteral("MouseDown(1,1)"), QStringLiteral("MouseUp(1,1)"), QStringLiteral("Click(1)")}));
    const controls::HostServices& host = controls::runModeHost();
    EXPECT_FLOAT_EQ(lastX, float(host.toContainerX(20, *box)));
    EXPECT_FLOAT_EQ(lastY, float(host.toContainerY(8, *box)));

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(surface(), &leave);
    EXPECT_EQ(take(), QStringList{QStringLiteral("MouseLeave")});
    QTest::mouseClick(surface(), Qt::MiddleButton, {}, QPoint(20, 8));
    EXPECT_EQ(take(), (QStringList{QStringLiteral("MouseDown(4,0)"), QStringLiteral("MouseUp(4,0)")}));
}

TEST_F(UniTextEvents, ARightClickLeftAloneShowsTheEditWindowsMenu)
{
    box->setMultiLine(true);
    moveInto();
    take();
    QTest::mouseClick(surface(), Qt::RightButton, {}, QPoint(20, 8));
    QWidget* menu = QApplication::activePopupWidget();
    ASSERT_NE(qobject_cast<QMenu*>(menu), nullptr);   // the edit window's own menu
    menu->close();
    EXPECT_EQ(take().count(QStringLiteral("ContextMenu")), 1);
}

TEST_F(UniTextEvents, ButtonsHeldTogetherAddUp)
{
    moveInto();
    take();
    QTest::mousePress(surface(), Qt::RightButton, {}, QPoint(20, 8));
    QTest::mousePress(surface(), Qt::LeftButton, {}, QPoint(20, 8));
    QTest::mouseRelease(surface(), Qt::LeftButton, {}, QPoint(20, 8));
    QTest::mouseRelease(surface(), Qt::RightButton, {}, QPoint(20, 8));
    if (QWidget* menu = QApplication::activePopupWidget())
        menu->close();
    const QStringList events = take();
    EXPECT_TRUE(events.contains(QStringLiteral("MouseDown(3,0)"))) << events.join(u' ').toStdString();
    EXPECT_TRUE(events.contains(QStringLiteral("MouseUp(1,0)")));
}

TEST_F(UniTextEvents, TheWheelTellsItsTurnAndScrollsSilently)
{
    box->setMultiLine(true);
    box->setScrollBars(2);
    QString text;
    for (int i = 0; i < 50; ++i)
        text += QStringLiteral("line\r\n");
    box->setText(text);
    take();
    for (int delta : {120, -120}) {
        QWheelEvent wheel(QPointF(20, 8), surface()->mapToGlobal(QPointF(20, 8)), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(surface(), &wheel);
    }
    EXPECT_EQ(take(), (QStringList{QStringLiteral("MouseWheel(1,2)"), QStringLiteral("MouseWheel(0,2)")}));
}

TEST_F(UniTextEvents, ANewTextTellsOfItsChangeInASingleLineBoxOnly)
{
    box->setText(QStringLiteral("one"));
    EXPECT_EQ(take(), (QStringList{QStringLiteral("Update"), QStringLiteral("Change")}));
    box->setMultiLine(true);
    take();
    box->setText(QStringLiteral("two"));
    EXPECT_TRUE(take().isEmpty());
    box->setSelText(QStringLiteral("x"));
    EXPECT_EQ(take(), (QStringList{QStringLiteral("Update"), QStringLiteral("Change")}));
}

TEST_F(UniTextEvents, AHeldKeyRepeatsItsDownAndReleasesOnce)
{
    for (bool repeat : {false, true, true, false}) {
        for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent key(type, Qt::Key_Delete, Qt::NoModifier, QString(), repeat);
            QApplication::sendEvent(box->editWidget(), &key);
        }
    }
    const QStringList events = take();
    EXPECT_EQ(events.count(QStringLiteral("KeyDown(46,0)")), 4);
    EXPECT_EQ(events.count(QStringLiteral("KeyUp(46,0)")), 2);
}

TEST_F(UniTextEvents, TheMenuKeyOpensTheContextMenuToo)
{
    box->setMultiLine(true);
    take();
    QTest::keyClick(box->editWidget(), Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_TRUE(take().contains(QStringLiteral("ContextMenu")));
    QWidget* menu = QApplication::activePopupWidget();
    ASSERT_NE(qobject_cast<QMenu*>(menu), nullptr);
    menu->close();
}

TEST_F(UniTextEvents, TheFocusMakesTheBoxTheHostsActiveControl)
{
    QLineEdit other(&window);
    other.show();
    other.setFocus();
    EXPECT_FALSE(box->editWidget()->hasFocus());
    box->setFocus();
    EXPECT_TRUE(box->editWidget()->hasFocus());
    EXPECT_EQ(controls::KeyRouter::forHost(box)->activeObject(), box);
    box->setMultiLine(true);   // a new edit window keeps the focus
    EXPECT_TRUE(box->editWidget()->hasFocus());
}
