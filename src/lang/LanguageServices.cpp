#include "lang/LanguageServices.h"

#include "platform/VbError.h"

#include <QtDebug>

namespace lang {

LanguageServices& services()
{
    static LanguageServices installed{
        [](const QString&) {},
        [](const QString& text) { qWarning().noquote() << text; },
        [](const QString& description, long number, int, const QString& procName) {
            platform::raiseError(number, description, procName);
        },
        std::nullopt,
    };
    return installed;
}

void reportError(const QString& description, long number, int line, const QString& procName)
{
    if (services().handleError)
        services().handleError(description, number, line, procName);
    platform::raiseError(number, description, procName);
}

}
