#include "common/AppTitle.h"

namespace modGlobals {
QString gstrAppTitle;
}
