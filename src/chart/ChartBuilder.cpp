#include "chart/ChartBuilder.h"

#include "chart/ChartTypes.h"
#include "chart/ValueAxis.h"
#include "olap/NumberFormat.h"

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QFontMetricsF>
#include <QHorizontalBarSeries>
#include <QHorizontalPercentBarSeries>
#include <QHorizontalStackedBarSeries>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPercentBarSeries>
#include <QPieSeries>
#include <QPieSlice>
#include <QPolarChart>
#include <QScatterSeries>
#include <QSplineSeries>
#include <QStackedBarSeries>
#include <algorithm>
#include <cmath>
#include <iterator>

namespace chart {
namespace {

// A slice's label may show its value; the legend names its category.
constexpr const char* kCategory = "category";
// Slices take a colour per category, the same in every ring, so that one legend serves
// them all; the first five follow the chart theme's series colours.
constexpr QRgb kCategoryColors[] = {0x209fdf, 0x99ca53, 0xf6a625, 0x6d5fd5, 0xbf593e,
                                    0x2f8f8a, 0xe4569c, 0x8c6d31, 0x5a6e7f, 0xb8b83b};

constexpr int kLongestTurnedLabel = 32;

// Shares of a pie's radius: the arm a value label stands on, the push of an exploded slice.
constexpr qreal kLabelArm = 0.15;
constexpr qreal kExplodeDistance = 0.08;
// A single pie's size as a share of the plot's shorter side.
constexpr qreal kSmallestPie = 0.2;
constexpr qreal kLargestPie = 0.8;

// Bubble diameters in pixels: the area grows with the size value.
constexpr double kSmallestBubble = 6;
constexpr double kBubbleGrowth = 44;

const AxisState* axisAt(const ChartState& state, int position)
{
    for (const AxisState& axis : state.axes) {
        if (axis.position == position)
            return &axis;
    }
    return nullptr;
}

QBarCategoryAxis* categoryAxis(QStringList categories, const AxisState* settings, bool horizontalLabels)
{
    auto* axis = new QBarCategoryAxis;
    // Side by side, many or long captions would be cut to nothing; turned, they fit, up to
    // a length that leaves the plot its room.
    qsizetype text = 0;
    for (const QString& category : categories)
        text += category.size();
    if (horizontalLabels && categories.size() > 4 && text > 40) {
        axis->setLabelsAngle(categories.size() > 12 ? -90 : -45);
        axis->setTruncateLabels(false);
        for (QString& category : categories) {
            if (category.size() > kLongestTurnedLabel)
                category = category.left(kLongestTurnedLabel - 1) + QChar(0x2026);
        }
    }
    axis->append(uniqueLabels(categories.isEmpty() ? QStringList{QString()} : categories));
    if (settings) {
        axis->setReverse(settings->orientation == chScaleOrientationMaxMin);
        axis->setTitleVisible(settings->hasTitle && !settings->title.isEmpty());
        if (settings->hasTitle)
            axis->setTitleText(settings->title);
    }
    return axis;
}

void attach(QChart* chart, QAbstractAxis* axis, Qt::Alignment alignment)
{
    chart->addAxis(axis, alignment);
    for (QAbstractSeries* series : chart->series())
        series->attachAxis(axis);
}

// Values as the stacking draws them: plain, added up series by series, or as a share of
// each category's total. Missing values count as nothing when stacked.
QVector<Values> stackedValues(const QVector<SeriesData>& series, Stacking stacking, int categories)
{
    QVector<Values> result;
    QVector<double> running(categories, 0.0);
    QVector<double> totals(categories, 0.0);
    for (const SeriesData& s : series) {
        for (int c = 0; c < categories && c < s.values.size(); ++c)
            totals[c] += std::abs(s.values[c].value_or(0));
    }
    for (const SeriesData& s : series) {
        Values out(categories);
        for (int c = 0; c < categories; ++c) {
            const std::optional<double> v = c < s.values.size() ? s.values[c] : std::nullopt;
            if (stacking == Stacking::None) {
                out[c] = v;
                continue;
            }
            double share = v.value_or(0);
            if (stacking == Stacking::Percent)
                share = totals[c] > 0 ? share / totals[c] * 100 : 0;
            running[c] += share;
            out[c] = running[c];
        }
        result.append(out);
    }
    return result;
}

bool hasAnyValue(const ChartData& data)
{
    const auto any = [](const Values& values) {
        return std::any_of(values.begin(), values.end(), [](const std::optional<double>& v) { return v.has_value(); });
    };
    return std::any_of(data.series.begin(), data.series.end(),
                       [&](const SeriesData& s) { return any(s.values) || any(s.x) || any(s.y); });
}

// A single pie's value labels stand outside it on arms: the pie leaves them the room they
// need in the plot, whatever its size.
void fitPieToLabels(QChart* chart, QPieSeries* pie, bool exploded)
{
    QObject::connect(chart, &QChart::plotAreaChanged, pie, [pie, exploded](const QRectF& plot) {
        const qreal side = std::min(plot.width(), plot.height());
        if (!(side > 0))
            return;
        qreal widest = 0;
        qreal tallest = 0;
        for (const QPieSlice* slice : pie->slices()) {
            const QFontMetricsF metrics(slice->labelFont());
            widest = std::max(widest, metrics.horizontalAdvance(slice->label()));
            tallest = std::max(tallest, metrics.height());
        }
        // From the centre: the radius, the slice's push when exploded, its arm, its label.
        const qreal reach = 1 + kLabelArm + (exploded ? kExplodeDistance : 0);
        const qreal margin = 4;
        const qreal radius =
            std::min((plot.width() / 2 - widest - margin) / reach, (plot.height() / 2 - tallest - margin) / reach);
        pie->setPieSize(std::clamp(2 * radius / side, kSmallestPie, kLargestPie));
    });
}

class Builder
{
public:
    Builder(const ChartState& state, const ChartData& data, const ChartTypeTraits& traits)
        : m_state(state), m_data(data), m_traits(traits)
    {
        // A pivot without data fields has one empty series: drawn, it would be a lone legend
        // marker with no name and nothing in the plot.
        if (!hasAnyValue(m_data))
            m_data.series.clear();
    }

    QChart* build()
    {
        m_chart = m_traits.family == ChartFamily::Radar ? new QPolarChart : new QChart;
        m_chart->setTheme(QChart::ChartThemeLight);
        m_chart->setAnimationOptions(QChart::NoAnimation);
        m_chart->setBackgroundRoundness(0);
        if (m_state.hasTitle) {
            QFont font = m_chart->titleFont();
            font.setBold(true);
            font.setPointSizeF(font.pointSizeF() * 1.15);
            m_chart->setTitleFont(font);
            m_chart->setTitle(m_state.title);
        }
        m_chart->legend()->setVisible(m_state.hasLegend);
        m_chart->legend()->setAlignment(Qt::AlignRight);
        switch (m_traits.family) {
        case ChartFamily::Column:
        case ChartFamily::Bar:
            buildBars();
            break;
        case ChartFamily::Line:
            buildLines();
            break;
        case ChartFamily::Area:
            buildAreas();
            break;
        case ChartFamily::Pie:
        case ChartFamily::Doughnut:
            buildPies();
            break;
        case ChartFamily::Radar:
            buildRadar();
            break;
        case ChartFamily::Scatter:
        case ChartFamily::Bubble:
            buildPoints();
            break;
        }
        if (m_traits.family != ChartFamily::Radar)
            ValueAxisBuilder::fitToPlot(m_chart);
        return m_chart;
    }

private:
    int categoryCount() const { return int(m_data.categories.size()); }

    QValueAxis* valueAxis(const ValueRange& range, int position, const QString& fallback) const
    {
        const AxisState* settings = axisAt(m_state, position);
        if (m_traits.stacking == Stacking::Percent)
            return ValueAxisBuilder::buildPercent(settings);
        return ValueAxisBuilder::build(range, settings, fallback);
    }

    void buildBars()
    {
        const bool horizontal = m_traits.family == ChartFamily::Bar;
        QAbstractBarSeries* bars = nullptr;
        switch (m_traits.stacking) {
        case Stacking::None:
            bars = horizontal ? static_cast<QAbstractBarSeries*>(new QHorizontalBarSeries) : new QBarSeries;
            break;
        case Stacking::Stacked:
            bars =
                horizontal ? static_cast<QAbstractBarSeries*>(new QHorizontalStackedBarSeries) : new QStackedBarSeries;
            break;
        case Stacking::Percent:
            bars =
                horizontal ? static_cast<QAbstractBarSeries*>(new QHorizontalPercentBarSeries) : new QPercentBarSeries;
            break;
        }
        ValueRange range;
        range.include(0);
        QVector<double> positive(categoryCount(), 0.0);
        QVector<double> negative(categoryCount(), 0.0);
        for (const SeriesData& s : m_data.series) {
            auto* set = new QBarSet(s.name);
            for (int c = 0; c < categoryCount(); ++c) {
                const double v = c < s.values.size() ? s.values[c].value_or(0) : 0;
                *set << v;
                (v >= 0 ? positive : negative)[c] += v;
                range.include(v);
            }
            bars->append(set);
        }
        if (m_traits.stacking == Stacking::Stacked) {
            for (int c = 0; c < categoryCount(); ++c) {
                range.include(positive[c]);
                range.include(negative[c]);
            }
        }
        m_chart->addSeries(bars);
        const int categoryPosition = horizontal ? chAxisPositionLeft : chAxisPositionBottom;
        const int valuePosition = horizontal ? chAxisPositionBottom : chAxisPositionLeft;
        attach(m_chart, categoryAxis(m_data.categories, axisAt(m_state, categoryPosition), !horizontal),
               horizontal ? Qt::AlignLeft : Qt::AlignBottom);
        attach(m_chart, valueAxis(range, valuePosition, m_data.valueFormat),
               horizontal ? Qt::AlignBottom : Qt::AlignLeft);
    }

    QLineSeries* lineFor(const QString& name, const Values& values, double xOffset = 0) const
    {
        QLineSeries* line = m_traits.smooth ? new QSplineSeries : new QLineSeries;
        line->setName(name);
        for (int c = 0; c < values.size(); ++c) {
            if (values[c])
                line->append(c + xOffset, *values[c]);
        }
        if (m_traits.markers) {
            line->setPointsVisible(true);
            line->setMarkerSize(5);
        }
        return line;
    }

    // After the series joined the chart, so that the theme has given it its colour.
    static void widenLine(QLineSeries* line)
    {
        QPen pen = line->pen();
        pen.setWidthF(2.5);
        line->setPen(pen);
    }

    static void makeTranslucent(QAreaSeries* area, int alpha)
    {
        QColor color = area->brush().color();
        color.setAlpha(alpha);
        area->setBrush(color);
    }

    ValueRange rangeOf(const QVector<Values>& all, bool withZero) const
    {
        ValueRange range;
        if (withZero)
            range.include(0);
        for (const Values& values : all) {
            for (const auto& v : values) {
                if (v)
                    range.include(*v);
            }
        }
        return range;
    }

    void buildLines()
    {
        const QVector<Values> all = stackedValues(m_data.series, m_traits.stacking, categoryCount());
        for (int s = 0; s < all.size(); ++s) {
            QLineSeries* line = lineFor(m_data.series[s].name, all[s]);
            m_chart->addSeries(line);
            widenLine(line);
        }
        attach(m_chart, categoryAxis(m_data.categories, axisAt(m_state, chAxisPositionBottom), true), Qt::AlignBottom);
        attach(m_chart, valueAxis(rangeOf(all, false), chAxisPositionLeft, m_data.valueFormat), Qt::AlignLeft);
    }

    void buildAreas()
    {
        const QVector<Values> all = stackedValues(m_data.series, m_traits.stacking, categoryCount());
        QLineSeries* lower = nullptr;
        for (int s = 0; s < all.size(); ++s) {
            Values filled = all[s];
            for (auto& v : filled)
                v = v.value_or(0);
            auto* upper = new QLineSeries;
            for (int c = 0; c < filled.size(); ++c)
                upper->append(c, *filled[c]);
            auto* area = new QAreaSeries(upper, m_traits.stacking == Stacking::None ? nullptr : lower);
            upper->setParent(area);   // an area series does not own its lines
            area->setName(m_data.series[s].name);
            m_chart->addSeries(area);
            // Overlapping plain areas stay visible through each other, edged in their colour.
            if (m_traits.stacking == Stacking::None) {
                area->setPen(QPen(area->brush().color(), 2));
                makeTranslucent(area, 110);
            } else {
                lower = new QLineSeries(area);   // the next area stands on this one
                lower->append(upper->points());
            }
        }
        attach(m_chart, categoryAxis(m_data.categories, axisAt(m_state, chAxisPositionBottom), true), Qt::AlignBottom);
        attach(m_chart, valueAxis(rangeOf(all, true), chAxisPositionLeft, m_data.valueFormat), Qt::AlignLeft);
    }

    void buildPies()
    {
        const bool doughnut = m_traits.family == ChartFamily::Doughnut;
        // A plain pie shows the first series; stacked pies and doughnuts a ring per series.
        const int rings = doughnut || m_traits.stacking == Stacking::Stacked
            ? int(m_data.series.size())
            : std::min<int>(1, int(m_data.series.size()));
        // A single pie leaves room around it for the value labels.
        const double outer = rings == 1 ? 0.65 : 0.8;
        const double hole = doughnut ? 0.3 : 0.0;
        for (int r = 0; r < rings; ++r) {
            const SeriesData& s = m_data.series[r];
            auto* pie = new QPieSeries;
            pie->setName(s.name);
            pie->setHoleSize(hole + (outer - hole) * r / rings);
            pie->setPieSize(hole + (outer - hole) * (r + 1) / rings);
            for (int c = 0; c < categoryCount() && c < s.values.size(); ++c) {
                const double v = s.values[c].value_or(0);
                if (!(v > 0))
                    continue;   // a slice cannot show nothing or less than nothing
                QPieSlice* slice = pie->append(m_data.categories[c], v);
                slice->setProperty(kCategory, m_data.categories[c]);
                slice->setColor(QColor::fromRgb(kCategoryColors[c % std::size(kCategoryColors)]));
                slice->setBorderColor(Qt::white);
                if (m_traits.exploded && r == rings - 1) {
                    slice->setExploded(true);
                    slice->setExplodeDistanceFactor(kExplodeDistance);
                }
                if (rings == 1) {
                    slice->setLabel(olap::formatNumber(v, m_data.valueFormat));
                    slice->setLabelArmLengthFactor(kLabelArm);
                    slice->setLabelVisible(true);
                }
            }
            m_chart->addSeries(pie);
            if (rings == 1)
                fitPieToLabels(m_chart, pie, m_traits.exploded);
            // Each category once in the legend: the first ring's slices name them.
            const auto markers = m_chart->legend()->markers(pie);
            const auto slices = pie->slices();
            for (int i = 0; i < markers.size(); ++i) {
                markers[i]->setVisible(r == 0);
                if (i < slices.size())
                    markers[i]->setLabel(slices[i]->property(kCategory).toString());
            }
        }
    }

    void buildRadar()
    {
        auto* polar = static_cast<QPolarChart*>(m_chart);
        const int n = categoryCount();
        // The angle runs from 0 to n with category c on spoke c, the first at the top; the
        // ring closes at n, which is the first spoke again.
        QVector<Values> all;
        for (const SeriesData& s : m_data.series)
            all.append(s.values);
        QVector<QLineSeries*> outlines;
        for (int s = 0; s < all.size(); ++s) {
            Values closed = all[s];
            closed.append(all[s].isEmpty() ? std::nullopt : all[s].first());
            QLineSeries* line = lineFor(m_data.series[s].name, closed);
            if (!m_traits.filled) {
                polar->addSeries(line);
                widenLine(line);
                continue;
            }
            // The fill alone would also edge the way in from the centre; an outline of its
            // own, added after every fill so that the theme colours the fills in turn,
            // draws only the ring.
            auto* area = new QAreaSeries(lineFor(m_data.series[s].name, closed));
            area->upperSeries()->setParent(area);
            area->setName(m_data.series[s].name);
            polar->addSeries(area);
            line->setPen(QPen(area->brush().color(), 2));
            area->setPen(Qt::NoPen);
            makeTranslucent(area, 110);
            outlines.append(line);
        }
        for (QLineSeries* line : outlines) {
            const QPen pen = line->pen();
            polar->addSeries(line);
            line->setPen(pen);
            for (QLegendMarker* marker : polar->legend()->markers(line))
                marker->setVisible(false);
        }
        auto* angular = new QCategoryAxis;
        angular->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
        angular->setStartValue(-1);
        const QStringList spokes = uniqueLabels(m_data.categories);
        for (int c = 0; c < n; ++c)
            angular->append(spokes[c], c);
        angular->setRange(0, std::max(1, n));
        polar->addAxis(angular, QPolarChart::PolarOrientationAngular);
        for (QAbstractSeries* series : polar->series())
            series->attachAxis(angular);
        QValueAxis* radial = valueAxis(rangeOf(all, true), chAxisPositionLeft, m_data.valueFormat);
        radial->setLineVisible(false);   // it would cover the first spoke's labels
        polar->addAxis(radial, QPolarChart::PolarOrientationRadial);
        for (QAbstractSeries* series : polar->series())
            series->attachAxis(radial);
    }

    void buildPoints()
    {
        const bool bubble = m_traits.family == ChartFamily::Bubble;
        double largest = 0;
        for (const SeriesData& s : m_data.series) {
            for (const auto& v : s.size)
                largest = std::max(largest, std::abs(v.value_or(0)));
        }
        ValueRange xRange;
        ValueRange yRange;
        // The series first, so that the theme colours them in turn before the bubbles come.
        QVector<QScatterSeries*> named;
        for (const SeriesData& s : m_data.series) {
            auto* points = new QScatterSeries;
            points->setName(s.name);
            points->setMarkerShape(QScatterSeries::MarkerShapeCircle);
            points->setMarkerSize(10);
            m_chart->addSeries(points);
            named.append(points);
        }
        for (int i = 0; i < m_data.series.size(); ++i) {
            const SeriesData& s = m_data.series[i];
            QScatterSeries* points = named[i];
            QColor color = points->color();
            color.setAlpha(170);
            // Without X values the points stand at the categories' positions.
            const bool hasX = std::any_of(s.x.begin(), s.x.end(), [](const auto& v) { return v.has_value(); });
            for (int c = 0; c < s.y.size(); ++c) {
                const std::optional<double> x = hasX ? s.x.value(c) : std::optional<double>(c + 1);
                if (!s.y[c] || !x)
                    continue;
                xRange.include(*x);
                yRange.include(*s.y[c]);
                if (!bubble) {
                    points->append(*x, *s.y[c]);
                    continue;
                }
                // A bubble is a series of one point, because markers of one series share a
                // size; the series' own entry stands for it in the legend.
                const double size = largest > 0 && c < s.size.size() ? std::abs(s.size[c].value_or(0)) / largest : 0;
                auto* one = new QScatterSeries;
                one->setName(s.name);
                one->setMarkerShape(QScatterSeries::MarkerShapeCircle);
                one->setMarkerSize(kSmallestBubble + kBubbleGrowth * std::sqrt(size));
                one->append(*x, *s.y[c]);
                m_chart->addSeries(one);
                one->setColor(color);
                one->setBorderColor(color.darker(130));
                for (QLegendMarker* marker : m_chart->legend()->markers(one))
                    marker->setVisible(false);
            }
            if (bubble)
                points->setColor(color);
        }
        if (bubble) {
            // Room for the bubbles at the edges.
            for (ValueRange* range : {&xRange, &yRange}) {
                const double pad = (range->max - range->min) * 0.1;
                range->include(range->min >= 0 ? std::max(0.0, range->min - pad) : range->min - pad);
                range->include(range->max + pad);
            }
        }
        attach(m_chart, ValueAxisBuilder::build(xRange, axisAt(m_state, chAxisPositionBottom), m_data.xFormat),
               Qt::AlignBottom);
        attach(m_chart, ValueAxisBuilder::build(yRange, axisAt(m_state, chAxisPositionLeft), m_data.yFormat),
               Qt::AlignLeft);
    }

    const ChartState& m_state;
    ChartData m_data;
    ChartTypeTraits m_traits;
    QChart* m_chart = nullptr;
};

}

QChart* buildChart(const ChartState& state, const ChartData& data)
{
    const ChartTypeTraits traits = chartTypeTraits(state.type).value_or(*chartTypeTraits(chChartTypeColumnClustered));
    return Builder(state, data, traits).build();
}

}
