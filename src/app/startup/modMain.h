#pragma once

#include "common/subEndProgram.h"

#include <QString>

namespace startup {

namespace modMain {

// The orderly end lives with the common services, which every layer reaches.
using ::modMain::EndCause;
using ::modMain::programEnding;
using ::modMain::subEndProgram;

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

}
