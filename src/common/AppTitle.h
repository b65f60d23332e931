#pragma once

#include "common/CommonState.h"

// The application title is a program global, set once at start, that the common
// services already need (report, log name, message-box titles).
namespace modGlobals {
inline QString& gstrAppTitle = common::commonState.gstrAppTitle;
}
