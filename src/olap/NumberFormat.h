#pragma once

#include "olap/CellValue.h"

#include <QLocale>
#include <QString>

namespace olap {

// Formats a value the way a cube's measure format asks: the named formats ("Currency",
// "Percent", "Fixed", "Standard", "Scientific", "General Number") or a pattern such as
// "#,##0", "0.00%", "$#,##0.00;($#,##0.00)" with up to three sections
// (positive;negative;zero). Separators and the currency symbol come from `locale`.
QString formatNumber(double value, const QString& format, const QLocale& locale = QLocale());
// The same for a cell's value (not empty): a whole number shows every digit wherever the format
// shows whole digits, also beyond the 2^53 that a double holds exactly.
QString formatNumber(const CellValue& value, const QString& format, const QLocale& locale = QLocale());

}
