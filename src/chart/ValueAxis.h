#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

QT_BEGIN_NAMESPACE
class QChart;
class QValueAxis;
QT_END_NAMESPACE

namespace chart {

struct AxisState;

// A value axis over [min, max] widened to round steps, whose labels are written in the
// number format given (Qt's own axes only know printf formats).
struct ValueRange
{
    double min = 0;
    double max = 0;
    void include(double v);
    bool empty() const { return !m_any; }

private:
    bool m_any = false;
};

class ValueAxisBuilder
{
public:
    // `settings` may be null; its number format, when not empty, wins over `fallbackFormat`.
    static QValueAxis* build(ValueRange range, const AxisState* settings, const QString& fallbackFormat);
    // The axis of a 100% stacked chart: 0 to 100, labelled as percentages.
    static QValueAxis* buildPercent(const AxisState* settings);
    // From then on, each new plot area spaces the ticks of the chart's value axes so that
    // their labels fit side by side: fewer, rounder steps on a narrow axis.
    static void fitToPlot(QChart* chart);
};

// Round steps: the step between ticks for a span, about `ticks` of them.
double niceStep(double span, int ticks);

// Qt's category axes key their labels by text, so labels that read the same (two members
// of one caption, two ticks that a format rounds alike) are told apart by trailing
// spaces, which do not show.
QString uniqueLabel(QString label, QSet<QString>& used);
QStringList uniqueLabels(const QStringList& labels);

}
