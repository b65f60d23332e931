#pragma once

#include <QCursor>
#include <QPoint>
#include <QProcess>
#include <QStringList>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

// Real input through the X server (XTest, by xdotool) for the tests that run on the xcb
// platform (tessaline_add_test ... X11): what a user's mouse and keyboard send, with the
// events that Qt itself makes of it there, which QTest's synthetic events never show.
namespace realinput {

inline void xdotool(const QStringList& arguments)
{
    QProcess run;
    run.start(QStringLiteral("xdotool"), arguments);
    ASSERT_TRUE(run.waitForFinished(10000)) << arguments.join(u' ').toStdString();
    ASSERT_EQ(run.exitCode(), 0) << run.readAllStandardError().toStdString();
}

// The pointer to a point of a widget, once the server has it there.
inline void moveTo(QWidget* widget, QPoint local)
{
    const QPoint at = widget->mapToGlobal(local);
    xdotool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y())});
    EXPECT_TRUE(QTest::qWaitFor([&] { return QCursor::pos() == at; }));
}

// Button 1 left, 2 middle, 3 right; clicks in a row well inside the double-click time.
inline void click(int button, int times = 1)
{
    xdotool({QStringLiteral("click"), QStringLiteral("--repeat"), QString::number(times), QStringLiteral("--delay"),
             QStringLiteral("60"), QString::number(button)});
}

// Key names as X names them: "Return", "shift+Tab", "ctrl".
inline void key(const QString& name)
{
    xdotool({QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("30"), name});
}

inline void keyDown(const QString& name)
{
    xdotool({QStringLiteral("keydown"), name});
}

inline void keyUp(const QString& name)
{
    xdotool({QStringLiteral("keyup"), name});
}

// Lets Qt take in what the X server sent until `done` holds, and then a little longer, so
// that an event that should not come has had its chance to.
template<class Done>
bool settle(Done done)
{
    const bool met = QTest::qWaitFor(done, 5000);
    QTest::qWait(150);
    return met;
}

}
