#include "chart/ValueAxis.h"

#include "chart/ChartXml.h"
#include "olap/NumberFormat.h"

#include <QCategoryAxis>
#include <QChart>
#include <QFontMetricsF>
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

constexpr int kMostTicks = 5;
constexpr qreal kLabelGap = 12;   // pixels between two labels side by side

// The round steps of an axis over [lo, hi] and how to write a tick's value. It refits the
// steps to the room the plot leaves the axis, so that labels never stand on each other.
class TickLabels : public QObject
{
public:
    TickLabels(QCategoryAxis* axis, double lo, double hi, std::function<QString(double)> label)
        : QObject(axis), m_axis(axis), m_lo(lo), m_hi(hi), m_label(std::move(label))
    {
    }

    // False when the range is beyond what round steps can label (values near the limits
    // of a double).
    bool apply(int ticks)
    {
        const Ticks t = ticksFor(ticks);
        if (!t.labels.isEmpty() && t.labels == m_shown)
            return true;
        if (t.labels.isEmpty())
            return false;
        for (const QString& old : m_axis->categoriesLabels())
            m_axis->remove(old);
        m_axis->setStartValue(t.min - t.step);
        for (qsizetype i = 0; i < t.labels.size(); ++i)
            m_axis->append(t.labels[i], t.min + t.step * double(i));
        m_axis->setRange(t.min, t.max);
        m_shown = t.labels;
        return true;
    }

    // The most ticks, up to the usual five, whose labels fit `length` pixels along the axis.
    void fit(qreal length)
    {
        if (!(length > 0))
            return;
        const QFontMetricsF metrics(m_axis->labelsFont());
        const bool across = m_axis->orientation() == Qt::Horizontal && m_axis->labelsAngle() == 0;
        for (int ticks = kMostTicks; ticks >= 1; --ticks) {
            const Ticks t = ticksFor(ticks);
            if (t.labels.isEmpty())
                return;
            qreal room = metrics.height();
            if (across) {
                room = 0;
                for (const QString& text : t.labels)
                    room = std::max(room, metrics.horizontalAdvance(text) + kLabelGap);
            }
            if (ticks == 1 || room * qreal(t.labels.size() - 1) <= length) {
                apply(ticks);
                return;
            }
        }
    }

private:
    struct Ticks
    {
        double min = 0, max = 0, step = 1;
        QStringList labels;
    };

    Ticks ticksFor(int wanted) const
    {
        Ticks t;
        t.step = niceStep(m_hi - m_lo, wanted);
        t.min = std::floor(m_lo / t.step) * t.step;
        t.max = std::ceil(m_hi / t.step) * t.step;
        const double count = std::round((t.max - t.min) / t.step);
        if (!std::isfinite(count) || count > 1000)
            return t;
        // Two ticks that the format rounds to the same text still need labels of their own.
        QSet<QString> used;
        for (int i = 0; i <= int(count); ++i) {
            double v = t.min + t.step * i;
            if (std::abs(v) < t.step * 1e-9)
                v = 0;   // no "-0" from rounding
            t.labels << uniqueLabel(m_label(v), used);
        }
        return t;
    }

    QCategoryAxis* m_axis;
    double m_lo, m_hi;
    std::function<QString(double)> m_label;
    QStringList m_shown;
};

// The labeller an axis built here carries as its child; none on any other axis.
TickLabels* labellerOf(const QAbstractAxis& axis)
{
    for (QObject* child : axis.children()) {
        if (auto* ticks = dynamic_cast<TickLabels*>(child))
            return ticks;
    }
    return nullptr;
}

QValueAxis* labelledAxis(double lo, double hi, const std::function<QString(double)>& label)
{
    auto* axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    // Qt would cut each label to the width between two ticks; the ticks are spaced so that
    // their labels fit instead.
    axis->setTruncateLabels(false);
    auto* ticks = new TickLabels(axis, lo, hi, label);
    if (!ticks->apply(kMostTicks)) {
        delete axis;
        auto* plain = new QValueAxis;
        plain->setRange(lo, hi);
        return plain;
    }
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
    const QString format = settings && !settings->numberFormat.isEmpty() ? settings->numberFormat : fallbackFormat;
    QValueAxis* axis = labelledAxis(range.min, range.max, [format](double v) { return olap::formatNumber(v, format); });
    applySettings(axis, settings);
    return axis;
}

QValueAxis* ValueAxisBuilder::buildPercent(const AxisState* settings)
{
    QValueAxis* axis = labelledAxis(0, 100, [](double v) { return olap::formatNumber(v / 100, QStringLiteral("0%")); });
    applySettings(axis, settings);
    return axis;
}

void ValueAxisBuilder::fitToPlot(QChart* chart)
{
    const auto fitAll = [chart](const QRectF& plot) {
        for (QAbstractAxis* axis : chart->axes()) {
            // Only the axes built here carry a labeller.
            if (TickLabels* ticks = labellerOf(*axis))
                ticks->fit(axis->orientation() == Qt::Horizontal ? plot.width() : plot.height());
        }
    };
    QObject::connect(chart, &QChart::plotAreaChanged, chart, fitAll);
}

}
