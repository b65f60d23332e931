// The text box under real X input on the xcb platform: a right click, a triple click, the
// keys the host takes and the modifier keys, as Qt delivers them there.
#include "controls/unitext/UniText.h"
#include "support/RealInput.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyleHints>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using unitext::UniText;

namespace {

// A dialog as a host: another control, the box, a control after it, a default OK and a
// Cancel. The box's key and mouse events are written down as "Name(arguments)".
class UniTextRealInput : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto* layout = new QVBoxLayout(&dialog);
        before = new QLineEdit(&dialog);
        box = new UniText(&dialog);
        after = new QLineEdit(&dialog);
        auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
        ok->setDefault(true);
        auto* cancel = new QPushButton(QStringLiteral("Cancel"), &dialog);
        for (QWidget* w : {static_cast<QWidget*>(before), static_cast<QWidget*>(box), static_cast<QWidget*>(after),
                           static_cast<QWidget*>(ok), static_cast<QWidget*>(cancel)})
            layout->addWidget(w);
        box->setMinimumHeight(60);
        QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
        QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
        QObject::connect(box, &UniText::KeyDown, [this](int& code, int shift) { note("KeyDown", code, shift); });
        QObject::connect(box, &UniText::KeyUp, [this](int& code, int shift) { note("KeyUp", code, shift); });
        QObject::connect(box, &UniText::KeyPress, [this](int& code) { note("KeyPress", code); });
        QObject::connect(box, &UniText::MouseDown,
                         [this](int& button, int shift, float&, float&) { note("MouseDown", button, shift); });
        QObject::connect(box, &UniText::MouseUp,
                         [this](int& button, int shift, float&, float&) { note("MouseUp", button, shift); });
        QObject::connect(box, &UniText::Click, [this](int& button) { note("Click", button); });
        QObject::connect(box, &UniText::DblClick, [this](int& button) { note("DblClick", button); });
        QObject::connect(box, &UniText::ContextMenu, [this](bool& cancelMenu) {
            log << QStringLiteral("ContextMenu");
            cancelMenu = true;   // the host shows its own menu
        });
        dialog.move(40, 40);
        dialog.resize(320, 260);
        open();
    }

    void TearDown() override
    {
        if (QWidget* menu = QApplication::activePopupWidget())
            menu->close();
    }

    // Shown and active, with the focus in the box and an empty log.
    void open()
    {
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        box->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([this] { return box->editWidget()->hasFocus(); }));
        QTest::qWait(50);
        log.clear();
    }

    void note(const char* name, int a, int b = -1)
    {
        log << (b < 0 ? QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(a)
                      : QStringLiteral("%1(%2,%3)").arg(QLatin1String(name)).arg(a).arg(b));
    }

    // The widget the mouse talks to: a multi-line box's viewport.
    QWidget* surface() const
    {
        auto* plain = qobject_cast<QPlainTextEdit*>(box->editWidget());
        return plain ? plain->viewport() : box->editWidget();
    }

    // The pointer on the box, and no click before it that the next one could double.
    void pointAtTheBox()
    {
        realinput::moveTo(surface(), QPoint(30, 14));   // moved within the box, the box hears of it
        realinput::moveTo(surface(), QPoint(20, 10));
        QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 50);
        log.clear();
    }

    // The events about one key code.
    QStringList aboutKey(int code) const
    {
        const QString inside = QStringLiteral("(%1").arg(code);
        QStringList out;
        for (const QString& entry : log) {
            if (entry.contains(inside + QLatin1Char(')')) || entry.contains(inside + QLatin1Char(',')))
                out << entry;
        }
        return out;
    }

    QDialog dialog;
    QLineEdit* before = nullptr;
    UniText* box = nullptr;
    QLineEdit* after = nullptr;
    QStringList log;
};

std::string str(const QStringList& list)
{
    return list.join(QStringLiteral(" ")).toStdString();
}

}

TEST_F(UniTextRealInput, ARightClickOrTheMenuKeyOffersTheContextMenuOnce)
{
    for (bool multi : {false, true}) {
        SCOPED_TRACE(multi);
        box->setMultiLine(multi);
        open();
        pointAtTheBox();
        realinput::click(3);
        ASSERT_TRUE(realinput::settle([this] { return log.contains(QStringLiteral("Click(2)")); })) << str(log);
        EXPECT_EQ(str(log),
                  str({QStringLiteral("MouseDown(2,0)"), QStringLiteral("ContextMenu"), QStringLiteral("MouseUp(2,0)"),
                       QStringLiteral("Click(2)")}));
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);

        open();
        realinput::key(QStringLiteral("Menu"));
        ASSERT_TRUE(realinput::settle([this] { return log.contains(QStringLiteral("ContextMenu")); }));
        EXPECT_EQ(log.count(QStringLiteral("ContextMenu")), 1);
    }
}

TEST_F(UniTextRealInput, ATripleClickIsAClickADoubleClickAndAClick)
{
    for (bool multi : {false, true}) {
        SCOPED_TRACE(multi);
        box->setMultiLine(multi);
        open();
        pointAtTheBox();
        realinput::click(1, 3);
        ASSERT_TRUE(realinput::settle([this] { return log.count(QStringLiteral("Click(1)")) == 3; }));
        EXPECT_EQ(str(log),
                  str({QStringLiteral("MouseDown(1,0)"), QStringLiteral("MouseUp(1,0)"), QStringLiteral("Click(1)"),
                       QStringLiteral("DblClick(1)"), QStringLiteral("MouseUp(1,0)"), QStringLiteral("Click(1)"),
                       QStringLiteral("MouseDown(1,0)"), QStringLiteral("MouseUp(1,0)"), QStringLiteral("Click(1)")}));
    }
}

TEST_F(UniTextRealInput, AKeyTheHostTakesNeverReachesTheBoxsEvents)
{
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    QSignalSpy rejected(&dialog, &QDialog::rejected);
    for (bool multi : {false, true}) {
        SCOPED_TRACE(multi);
        box->setMultiLine(multi);
        box->setCaptureEnter(false);
        box->setCaptureEsc(false);
        box->setCaptureTab(false);
        open();
        realinput::key(QStringLiteral("Return"));
        ASSERT_TRUE(realinput::settle([&] { return !dialog.isVisible(); }));
        EXPECT_EQ(accepted.count(), multi ? 2 : 1);
        EXPECT_EQ(str(aboutKey(13)), "");
        EXPECT_EQ(box->Text(), QString());

        open();
        realinput::key(QStringLiteral("Escape"));
        ASSERT_TRUE(realinput::settle([&] { return !dialog.isVisible(); }));
        EXPECT_EQ(rejected.count(), multi ? 2 : 1);
        EXPECT_EQ(str(aboutKey(27)), "");

        open();
        realinput::key(QStringLiteral("Tab"));
        ASSERT_TRUE(realinput::settle([&] { return after->hasFocus(); }));
        EXPECT_EQ(str(aboutKey(9)), "");
    }
}

TEST_F(UniTextRealInput, CapturedKeysStayInTheBox)
{
    QSignalSpy rejected(&dialog, &QDialog::rejected);
    box->setMultiLine(true);
    box->setCaptureEsc(true);
    box->setCaptureTab(true);
    open();
    realinput::key(QStringLiteral("Escape"));
    realinput::key(QStringLiteral("Return"));
    realinput::key(QStringLiteral("Tab"));
    ASSERT_TRUE(realinput::settle([this] { return log.contains(QStringLiteral("KeyUp(9,0)")); }));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(rejected.count(), 0);
    EXPECT_TRUE(log.contains(QStringLiteral("KeyPress(27)")));
    EXPECT_TRUE(log.contains(QStringLiteral("KeyPress(13)")));
    EXPECT_EQ(box->Text(), QStringLiteral("\r\n\t"));
    EXPECT_TRUE(box->editWidget()->hasFocus());

    // Shift+Tab and Ctrl+Tab are the host's, which moves the focus once.
    realinput::key(QStringLiteral("shift+Tab"));
    ASSERT_TRUE(realinput::settle([this] { return before->hasFocus(); }));
    open();
    realinput::key(QStringLiteral("ctrl+Tab"));
    ASSERT_TRUE(realinput::settle([this] { return after->hasFocus(); }));
    EXPECT_EQ(box->Text(), QStringLiteral("\r\n\t"));
}

TEST_F(UniTextRealInput, AModifierKeyIsDownInItsOwnPressAndUpInItsRelease)
{
    for (const auto& [name, code, mask] : {std::tuple{"ctrl", 17, 2}, std::tuple{"shift", 16, 1}}) {
        SCOPED_TRACE(name);
        log.clear();
        realinput::keyDown(QLatin1String(name));
        realinput::keyUp(QLatin1String(name));
        ASSERT_TRUE(
            realinput::settle([&] { return !aboutKey(code).isEmpty() && aboutKey(code).last().startsWith(u"KeyUp"); }));
        EXPECT_EQ(str(aboutKey(code)),
                  str({QStringLiteral("KeyDown(%1,%2)").arg(code).arg(mask), QStringLiteral("KeyUp(%1,0)").arg(code)}));
    }
}

TEST_F(UniTextRealInput, TheMiddleButtonsPasteComesInCutToTheRoomLeft)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("12345"), QClipboard::Selection);
    box->setMaxLength(5);
    box->setText(QStringLiteral("ab"));
    pointAtTheBox();
    realinput::click(2);
    ASSERT_TRUE(realinput::settle([this] { return box->Text() != QStringLiteral("ab"); }));
    EXPECT_EQ(box->Text(), QStringLiteral("ab123"));
}
