#include "platform/SoftAssert.h"

namespace platform {

Q_LOGGING_CATEGORY(programming, "tessaline.programming")

bool softAssert(bool condition, const char* what, std::source_location where)
{
    if (!condition)
        qCWarning(programming, "%s:%u: %s does not hold in %s", where.file_name(), unsigned(where.line()), what,
                  where.function_name());
    return condition;
}

}
