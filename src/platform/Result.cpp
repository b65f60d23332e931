#include "platform/Result.h"

#include <cstring>

namespace platform {

QString Failure::text() const
{
    QString text = path;
    if (!message.isEmpty())
        text += (text.isEmpty() ? QString() : QStringLiteral(": ")) + message;
    if (osError == 0)
        return text;
    const QString reason = QString::fromLocal8Bit(std::strerror(osError));
    if (!message.isEmpty())
        return text + QStringLiteral(" (") + reason + QLatin1Char(')');
    return text.isEmpty() ? reason : text + QStringLiteral(": ") + reason;
}

}
