#include "platform/Result.h"

#include <cstring>

namespace platform {

QString Failure::text() const
{
    QString text = message;
    if (!path.isEmpty())
        text += QStringLiteral(": ") + path;
    if (osError != 0)
        text += QStringLiteral(" (") + QString::fromLocal8Bit(std::strerror(osError)) + QLatin1Char(')');
    return text;
}

}
