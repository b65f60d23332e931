#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <QTest>
#include <functional>

class QWidget;

// Input as a user gives it, for tests that run on the real X server (declared X11 in
// tests/CMakeLists.txt): the pointer and the keyboard of the X server itself, driven through
// XTest by xdotool. The events go the whole way a user's events go (X server, Qt's xcb
// platform, the widgets), which synthetic QTest events skip.
//
// Each call waits until xdotool has sent its events, turning the event loop meanwhile, so
// a click that opens a modal dialog runs that dialog's loop inside the call: answer such a
// dialog from `whenModal` set up before the click.
namespace realinput {

// Runs xdotool with these arguments; false (with its output in the test log) when it failed.
bool xdotool(const QStringList& arguments);

// Moves the pointer onto a point of the widget (its centre by default) and clicks there.
void click(QWidget* widget, QPoint at = {-1, -1}, int button = 1);
void doubleClick(QWidget* widget, QPoint at = {-1, -1});
// The pointer to a point of a widget, once the server has it there.
void moveTo(QWidget* widget, QPoint at);
// Clicks where the pointer is: button 1 left, 2 middle, 3 right; `times` clicks in a row well
// inside the double-click time.
void click(int button, int times = 1);
// Presses at one point, moves in steps a user's hand would make and lets go at the other.
void drag(QWidget* from, QPoint fromAt, QWidget* to, QPoint toAt);
// Types text, any Unicode, into whatever has the keyboard focus.
void type(const QString& text);
// Presses keys by their X names: "Return", "ctrl+a", "shift+Tab"; or holds and lets go of one.
void key(const QString& combination);
void keyDown(const QString& name);
void keyUp(const QString& name);

// Lets Qt take in what the X server sent until `done` holds, and then a little longer, so
// that an event that should not come has had its chance to.
template<class Done>
bool settle(Done done)
{
    const bool met = QTest::qWaitFor(done, 5000);
    QTest::qWait(150);
    return met;
}

// Runs `step` as soon as a modal dialog of the given class is the active modal widget; for
// the dialogs that a click opens with their own event loop. Give up after `timeoutMs`.
void whenModal(const char* className, std::function<void(QWidget&)> step, int timeoutMs = 10000);

}
