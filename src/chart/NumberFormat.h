#pragma once

#include <QLocale>
#include <QString>

namespace chart {

// A number as a data field's number format shows it: the named formats ("General
// Number", "Currency", "Fixed", "Standard", "Percent", "Scientific") or a pattern such as
// "#,##0", "0.00", "#,##0.00 €", "0%" or "$#,##0" (literal text before and after the
// digits is kept; a second section after ";" is used for negative numbers). An empty or
// unknown format gives the general form. Separators and the currency symbol come from
// `locale`.
QString formatNumber(double value, const QString& format, const QLocale& locale = QLocale());

}
