#include "lang/LanguageState.h"

namespace lang {

LanguageState languageState;

void startFreshRun()
{
    languageState = LanguageState{};
}

}
