#include "platform/SoftAssert.h"

namespace platform {

Q_LOGGING_CATEGORY(programming, "tessaline.programming")

bool softAssert(bool condition, const char* what, const char* file, int line)
{
    if (!condition)
        qCWarning(programming, "%s:%d: %s does not hold", file, line, what);
    return condition;
}

}
