#include "common/ErrorBoundary.h"

#include <new>

namespace common {

platform::VbError asVbError(const std::exception& error)
{
    if (const auto* vb = dynamic_cast<const platform::VbError*>(&error))
        return *vb;
    if (dynamic_cast<const std::bad_alloc*>(&error))
        return platform::VbError(7, QStringLiteral("Out of memory"));
    return platform::VbError(platform::err::Unspecified, QString::fromLocal8Bit(error.what()));
}

}
