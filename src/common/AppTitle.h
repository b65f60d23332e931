#pragma once

#include <QString>

// The application title is a program global, set once at start, that the common
// services already need (report, log name, message-box titles).
namespace modGlobals {
extern QString gstrAppTitle;
}
