// Number formats: any finite value in any format gives digits, never "inf" or "nan", and
// no undefined behaviour on the way.

#include "FuzzSupport.h"

#include "olap/NumberFormat.h"

#include <QLocale>
#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Input input(data, size);
    const double value = input.number();
    const bool german = input.byte() & 1;
    QString format = input.restAsUtf16();
    format.truncate(512);   // a longer pattern only takes longer
    const QLocale locale =
        german ? QLocale(QLocale::German, QLocale::Germany) : QLocale(QLocale::English, QLocale::UnitedStates);
    const QString shown = olap::formatNumber(value, format, locale);
    if (!std::isfinite(value))
        return 0;
    for (const QLatin1String word : {QLatin1String("inf"), QLatin1String("nan")}) {
        FUZZ_CHECK(!shown.contains(word, Qt::CaseInsensitive) || format.contains(word, Qt::CaseInsensitive)
                       || format.contains(QLatin1Char('\\')) || format.contains(QLatin1Char('"')),
                   QStringLiteral("%1 in \"%2\" gives \"%3\"").arg(value, 0, 'g', 17).arg(format, shown));
    }
    return 0;
}
