#pragma once

#include "common/subEndProgram.h"

#include <QString>

// The start-up module. Its orderly end lives with the common services (common/subEndProgram.h),
// which every layer reaches, and the report window adds its own procedures to it.
namespace modMain {

// The program's start: runs once, before the event loop. When it returns without a
// window, the program ends.
void Main();

// The 0-based language index from the sibling product's settings file (English when
// it cannot be read); the caller adds 1.
int fncGetSettingsLanguage();
bool fncInitCommonControls();
// The program folder in its short form (here the same as the ordinary form).
QString fncGetLongAppPath();

}
