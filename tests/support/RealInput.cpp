#include "support/RealInput.h"

#include <QApplication>
#include <QCursor>
#include <QDeadlineTimer>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

namespace realinput {

namespace {

// Long enough for the X server and Qt's xcb platform to hand the events on.
constexpr int kSettleMs = 60;

QPoint globalPoint(QWidget* widget, QPoint at)
{
    if (at == QPoint(-1, -1))
        at = widget->rect().center();
    return widget->mapToGlobal(at);
}

QStringList moveTo(QPoint global)
{
    return {QStringLiteral("mousemove"), QString::number(global.x()), QString::number(global.y())};
}

}   // namespace

bool xdotool(const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral("xdotool"), arguments);
    // The event loop turns while xdotool works: a drag's own loop and a dialog's loop need it.
    const QDeadlineTimer deadline(20000);
    // (waitForFinished() is no test here: it answers false for a process that has already ended.)
    while (process.state() != QProcess::NotRunning) {
        if (deadline.hasExpired()) {
            process.kill();
            break;
        }
        QTest::qWait(5);
    }
    QTest::qWait(kSettleMs);
    const bool ok = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    EXPECT_TRUE(ok) << "xdotool " << arguments.join(QLatin1Char(' ')).toStdString() << ": "
                    << process.readAll().toStdString();
    return ok;
}

void click(QWidget* widget, QPoint at, int button)
{
    ASSERT_TRUE(widget && widget->isVisible());
    xdotool(moveTo(globalPoint(widget, at)) << QStringLiteral("click") << QString::number(button));
}

void doubleClick(QWidget* widget, QPoint at)
{
    ASSERT_TRUE(widget && widget->isVisible());
    xdotool(moveTo(globalPoint(widget, at))
            << QStringLiteral("click") << QStringLiteral("--repeat") << QStringLiteral("2") << QStringLiteral("1"));
}

void drag(QWidget* from, QPoint fromAt, QWidget* to, QPoint toAt)
{
    ASSERT_TRUE(from && from->isVisible() && to && to->isVisible());
    const QPoint start = globalPoint(from, fromAt);
    const QPoint end = globalPoint(to, toAt);
    QStringList steps = moveTo(start) << QStringLiteral("mousedown") << QStringLiteral("1");
    // A drag starts only after the pointer has moved some way with the button held, and
    // the drop target is found from the motion that follows; pauses let Qt's drag loop run.
    for (int i = 1; i <= 8; ++i) {
        const QPoint step = start + (end - start) * i / 8;
        steps << QStringLiteral("sleep") << QStringLiteral("0.05") << moveTo(step);
    }
    steps << QStringLiteral("sleep") << QStringLiteral("0.2") << QStringLiteral("mouseup") << QStringLiteral("1");
    xdotool(steps);
}

void moveTo(QWidget* widget, QPoint at)
{
    const QPoint global = globalPoint(widget, at);
    xdotool(moveTo(global));
    EXPECT_TRUE(QTest::qWaitFor([&] { return QCursor::pos() == global; }));
}

void click(int button, int times)
{
    xdotool({QStringLiteral("click"), QStringLiteral("--repeat"), QString::number(times), QStringLiteral("--delay"),
             QStringLiteral("60"), QString::number(button)});
}

void type(const QString& text)
{
    xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), text});
}

void key(const QString& combination)
{
    xdotool({QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("30"), combination});
}

void keyDown(const QString& name)
{
    xdotool({QStringLiteral("keydown"), name});
}

void keyUp(const QString& name)
{
    xdotool({QStringLiteral("keyup"), name});
}

void whenModal(const char* className, std::function<void(QWidget&)> step, int timeoutMs)
{
    auto* timer = new QTimer(qApp);
    const QDeadlineTimer deadline(timeoutMs);
    QObject::connect(timer, &QTimer::timeout, timer, [=] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->inherits(className) && modal->isVisible()) {
            timer->stop();
            timer->deleteLater();
            step(*modal);
        } else if (deadline.hasExpired()) {
            timer->deleteLater();
            ADD_FAILURE() << "no " << className << " dialog appeared";
        }
    });
    timer->start(20);
}

}
