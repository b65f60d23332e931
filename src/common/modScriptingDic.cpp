#include "common/modScriptingDic.h"

#include <QCollator>
#include <QLocale>

namespace modScriptingDic {

int compareText(const QString& a, const QString& b)
{
    static const QCollator collator = [] {
        QCollator c(QLocale::system());
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator.compare(a, b);
}

}
