#include "chart/ValueAxis.h"

#include "chart/ChartXml.h"
#include "olap/NumberFormat.h"

#include <QCategoryAxis>
#include <QSet>
#include <cmath>
#include <functional>

namespace chart {

QString uniqueLabel(QString label, QSet<QString>& used)
{
    while (used.contains(label))
        label += QLatin1Char(' ');
    used.insert(label);
    return label;
}

QStringList uniqueLabels(const QStringList& labels)
{
    QSet<QString> used;
    QStringList result;
    // A null text counts as no category at all to Qt; an empty one is a category.
    for (const QString& label : labels)
        result << uniqueLabel(label.isNull() ? QStringLiteral("") : label, used);
    return result;
}

namespace {

void applySettings(QValueAxis* axis, const AxisState* settings)
{
    if (!settings)
        return;
    axis->setReverse(settings->orientation == chScaleOrientationMaxMin);
    axis->setTitleVisible(settings->hasTitle && !settings->title.isEmpty());
    if (settings->hasTitle)
        axis->setTitleText(settings->title);
}


QValueAxis* labelledAxis(double min, double max, double step, const std::function<QString(double)>& label)
{
    const double ticks = std::round((max - min) / step);
    if (!std::isfinite(ticks) || ticks > 1000) {
        // Beyond what round steps can label (values near the limits of a double).
        auto* plain = new QValueAxis;
        plain->setRange(min, max);
        return plain;
    }
    auto* axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    // Qt would cut each label to the width between two ticks, which a format with
    // separators and decimals soon exceeds on a narrow axis.
    axis->setTruncateLabels(false);
    axis->setStartValue(min - step);
    // Two ticks that the format rounds to the same text still need labels of their own.
    QSet<QString> used;
    for (int i = 0; i <= int(ticks); ++i) {
        double v = min + step * i;
        if (std::abs(v) < step * 1e-9)
            v = 0;   // no "-0" from rounding
        axis->append(uniqueLabel(label(v), used), v);
    }
    axis->setRange(min, max);
    return axis;
}

}

void ValueRange::include(double v)
{
    if (!std::isfinite(v))
        return;
    if (!m_any) {
        min = max = v;
        m_any = true;
    } else {
        min = std::min(min, v);
        max = std::max(max, v);
    }
}

double niceStep(double span, int ticks)
{
    if (!(span > 0) || !std::isfinite(span))
        return 1;
    const double rough = span / ticks;
    const double magnitude = std::pow(10.0, std::floor(std::log10(rough)));
    const double normal = rough / magnitude;
    const double nice = normal < 1.5 ? 1 : normal < 3 ? 2 : normal < 7 ? 5 : 10;
    return nice * magnitude;
}

QValueAxis* ValueAxisBuilder::build(ValueRange range, const AxisState* settings, const QString& fallbackFormat)
{
    if (range.empty()) {
        range.min = 0;
        range.max = 1;
    }
    if (range.max == range.min) {
        // One value: show it in the middle of a span around it.
        const double pad = range.max == 0 ? 1 : std::abs(range.max) / 2;
        range.min -= pad;
        range.max += pad;
    }
    const double step = niceStep(range.max - range.min, 5);
    const double min = std::floor(range.min / step) * step;
    const double max = std::ceil(range.max / step) * step;
    const QString format = settings && !settings->numberFormat.isEmpty() ? settings->numberFormat : fallbackFormat;
    QValueAxis* axis = labelledAxis(min, max, step, [&](double v) { return olap::formatNumber(v, format); });
    applySettings(axis, settings);
    return axis;
}

QValueAxis* ValueAxisBuilder::buildPercent(const AxisState* settings)
{
    QValueAxis* axis = labelledAxis(0, 100, 20, [](double v) { return olap::formatNumber(v / 100, QStringLiteral("0%")); });
    applySettings(axis, settings);
    return axis;
}

}
