#pragma once

#include <QString>

class QObject;

// Questions and notices. No application here offers an assistant, so they are message
// boxes titled with the application title.
namespace modAssistant {

// Returns the answer (6 Yes, 7 No, 1 OK) of a box with the buttons style given.
int fncAskAlert(QObject* app, const QString& message, int buttons);
void subShowAlert(QObject* app, const QString& message);

}
