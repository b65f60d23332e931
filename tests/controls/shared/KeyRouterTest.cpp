#include "controls/shared/KeyRouter.h"

#include "controls/shared/VirtualKeys.h"
#include "controls/shared/WindowMessages.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>

using namespace controls;

namespace {

// A control of one edit that takes the keys it is told to and passes the arrows on to its edit.
class TestControl : public QWidget, public AcceleratorClient
{
public:
    explicit TestControl(QWidget* parent) : QWidget(parent), edit(new QLineEdit(this))
    {
        setFocusProxy(edit);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(edit);
    }

    QLineEdit* edit;
    std::set<int> taken;
    QList<KeyMessage> offered;
    bool ctrlTabToContainer = false;

    void TranslateAccel(const KeyMessage& msg, bool& handled) override
    {
        offered.append(msg);
        if (msg.wParam == vk::VK_TAB && (msg.shift & vk::CtrlMask)) {
            KeyRouter::forHost(this)->controlSiteTab(msg);
            return;
        }
        if (taken.count(msg.wParam)) {
            forwardKey(edit, msg);
            handled = true;
        }
    }
    QWidget* acceleratorWindow() override { return this; }
};

class RouterFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ok = new QPushButton(QStringLiteral("OK"), &dialog);
        ok->setDefault(true);
        cancel = new QPushButton(QStringLiteral("Cancel"), &dialog);
        control = new TestControl(&dialog);
        other = new QLineEdit(&dialog);
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(control);
        layout->addWidget(other);
        layout->addWidget(ok);
        layout->addWidget(cancel);
        QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
        QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        control->edit->setFocus();
        KeyRouter::forHost(control)->setActiveObject(control);
    }

    QDialog dialog;
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    TestControl* control = nullptr;
    QLineEdit* other = nullptr;
};

}

TEST_F(RouterFixture, KeysTheControlLeavesReachTheDialog)
{
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    QTest::keyClick(control->edit, Qt::Key_Return);
    EXPECT_EQ(accepted.count(), 1);
    ASSERT_FALSE(control->offered.isEmpty());   // the release no longer goes to a closed dialog
    EXPECT_EQ(control->offered[0].message, wm::WM_KEYDOWN);
    EXPECT_EQ(control->offered[0].wParam, vk::VK_RETURN);
}

TEST_F(RouterFixture, AKeyTheControlTakesIsHandledOnceAndNeverReachesTheDialog)
{
    control->taken = {vk::VK_RETURN, vk::VK_LEFT};
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    control->edit->setText(QStringLiteral("abc"));
    QTest::keyClick(control->edit, Qt::Key_Return);
    QTest::keyClick(control->edit, Qt::Key_Left);
    EXPECT_EQ(accepted.count(), 0);
    EXPECT_EQ(control->edit->cursorPosition(), 2);   // forwarded once: one step left
    EXPECT_EQ(control->offered.size(), 4);           // press and release of each
    EXPECT_EQ(control->offered[1].message, wm::WM_KEYUP);
}

TEST_F(RouterFixture, KeysAimedElsewhereAreNotOffered)
{
    other->setFocus();
    QTest::keyClick(other, Qt::Key_A);
    EXPECT_TRUE(control->offered.isEmpty());
}

TEST_F(RouterFixture, TheShiftStateComesWithTheKey)
{
    QTest::keyClick(control->edit, Qt::Key_Home, Qt::ShiftModifier | Qt::ControlModifier);
    const auto home = std::find_if(control->offered.begin(), control->offered.end(),
                                   [](const KeyMessage& m) { return m.wParam == vk::VK_HOME; });
    ASSERT_NE(home, control->offered.end());
    EXPECT_EQ(home->shift, vk::ShiftMask | vk::CtrlMask);
}

TEST_F(RouterFixture, CtrlTabMovesTheFocusOnceAndCtrlShiftTabBack)
{
    QTest::keyClick(control->edit, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget(), other);
    control->edit->setFocus();
    other->setFocus();
    control->edit->setFocus();
    QTest::keyClick(control->edit, Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_NE(QApplication::focusWidget(), control->edit);
    EXPECT_NE(QApplication::focusWidget(), other);
}

TEST_F(RouterFixture, AKeyAfterTheControlsEndReachesNothingFreed)
{
    control->taken = {vk::VK_RETURN};
    delete control;
    control = nullptr;
    other->setFocus();
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    QTest::keyClick(other, Qt::Key_Return);
    EXPECT_EQ(accepted.count(), 1);
}

TEST_F(RouterFixture, ClearingTheActiveObjectStopsTheOffers)
{
    KeyRouter::forHost(control)->clearActiveObject(control);
    QTest::keyClick(control->edit, Qt::Key_A);
    EXPECT_TRUE(control->offered.isEmpty());
    EXPECT_EQ(KeyRouter::forHost(control)->activeObject(), nullptr);
}

TEST_F(RouterFixture, AWindowHasOneRouterWhateverItsName)
{
    auto* second = new TestControl(&dialog);
    KeyRouter* router = KeyRouter::forHost(control);
    router->setObjectName(QStringLiteral("renamed"));
    EXPECT_EQ(KeyRouter::forHost(second), router);
    EXPECT_EQ(dialog.findChildren<KeyRouter*>().size(), 1);
}
