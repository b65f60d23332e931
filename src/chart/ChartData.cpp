#include "chart/ChartData.h"

#include "chart/ChartConstants.h"
#include "chart/ChartDataSource.h"

#include <cmath>

namespace chart {
namespace {

// A pivot can hold far more members than a chart can show legibly, and drawing them all
// would stall the window at every change of the pivot; the chart draws the first ones.
// Laying out a category axis costs a few milliseconds for every ten turned labels.
constexpr int kMaxCategories = 100;
constexpr int kMaxSeries = 100;

// A pivot chart draws the detail members, not the totals beside them; an axis that
// holds only totals (no fields, or only the grand total) is drawn as it is.
QVector<int> detailPositions(const QVector<olap::Tuple>& tuples)
{
    QVector<int> detail;
    for (int i = 0; i < tuples.size(); ++i) {
        bool total = false;
        for (const olap::TupleMember& m : tuples[i].members)
            total = total || m.isTotal || m.member.path.isAll();
        if (!total)
            detail.append(i);
    }
    if (detail.isEmpty()) {
        for (int i = 0; i < tuples.size(); ++i)
            detail.append(i);
    }
    return detail;
}

QString at(const QStringList& list, std::optional<int> index)
{
    return index && *index < list.size() ? list[*index] : QString();
}

class Extractor
{
public:
    Extractor(const ChartDataSource& source, const DataBinding& binding)
        : m_cells(source.cellSet()), m_captions(source.measureCaptions()), m_binding(binding)
    {
        // Series follow the columns unless bound to the rows; categories take the other axis.
        m_seriesOnRows = binding.seriesNames == chPivotRows || binding.categories == chPivotColumns;
        const auto& seriesAxis = m_seriesOnRows ? m_cells.rows : m_cells.columns;
        const auto& categoryAxis = m_seriesOnRows ? m_cells.columns : m_cells.rows;
        m_seriesPositions = detailPositions(seriesAxis).mid(0, kMaxSeries);
        m_categoryPositions = detailPositions(categoryAxis).mid(0, kMaxCategories);
        for (int p : m_seriesPositions)
            m_seriesCaptions << (m_seriesOnRows ? source.rowCaption(p) : source.columnCaption(p));
        for (int p : m_categoryPositions)
            m_categoryCaptions << (m_seriesOnRows ? source.columnCaption(p) : source.rowCaption(p));
    }

    ChartData extract(bool xy)
    {
        ChartData data;
        data.categories = m_categoryCaptions;
        const int measures = int(m_cells.measures.size());
        if (xy) {
            const auto y = m_binding.yValues ? m_binding.yValues : m_binding.values;
            for (int s = 0; s < m_seriesPositions.size(); ++s) {
                SeriesData series;
                series.name = seriesName(s, std::nullopt);
                series.y = column(s, y);
                series.x = column(s, m_binding.xValues);
                series.size = column(s, m_binding.bubbleValues);
                data.series.append(series);
            }
            return data;
        }
        QVector<std::optional<int>> fields;
        if (m_binding.allTotals) {
            for (int m = 0; m < measures; ++m)
                fields.append(m);
        } else {
            fields.append(m_binding.values ? m_binding.values : m_binding.yValues);
        }
        if (fields.isEmpty())
            fields.append(std::nullopt);
        for (int s = 0; s < m_seriesPositions.size(); ++s) {
            for (const auto& field : fields) {
                SeriesData series;
                series.name = seriesName(s, fields.size() > 1 ? field : std::nullopt);
                series.values = column(s, field);
                data.series.append(series);
            }
        }
        return data;
    }

private:
    QString seriesName(int s, std::optional<int> field) const
    {
        QString name = m_seriesCaptions[s];
        const QString fieldCaption = at(m_captions, field ? field : m_binding.values);
        if (field)
            return name.isEmpty() ? fieldCaption : name + QStringLiteral(" - ") + fieldCaption;
        return name.isEmpty() ? fieldCaption : name;
    }

    Values column(int s, std::optional<int> field) const
    {
        Values values;
        const int measures = int(m_cells.measures.size());
        for (int c : m_categoryPositions) {
            if (!field || *field >= measures) {
                values.append(std::nullopt);
                continue;
            }
            const int series = m_seriesPositions[s];
            const int row = m_seriesOnRows ? series : c;
            const int col = m_seriesOnRows ? c : series;
            const std::optional<double> value = m_cells.value(row, col, *field);
            // Not a number (0/0 in an average, say) is drawn as no value.
            values.append(value && std::isfinite(*value) ? value : std::nullopt);
        }
        return values;
    }

    const olap::CellSet& m_cells;
    QStringList m_captions;
    DataBinding m_binding;
    bool m_seriesOnRows = false;
    QVector<int> m_seriesPositions;
    QVector<int> m_categoryPositions;
    QStringList m_seriesCaptions;
    QStringList m_categoryCaptions;
};

}

ChartData extractChartData(const ChartDataSource* source, const DataBinding& binding, bool xy)
{
    const bool bound = binding.seriesNames || binding.categories || binding.values || binding.yValues || binding.xValues
        || binding.bubbleValues || binding.allTotals;
    if (!source || !bound)
        return {};
    const olap::CellSet& cells = source->cellSet();
    // A cell set whose values do not match its axes cannot be read safely.
    const size_t expected = size_t(cells.rows.size()) * size_t(cells.columns.size()) * size_t(cells.measures.size());
    if (cells.values.size() != expected)
        return {};
    ChartData data = Extractor(*source, binding).extract(xy);
    const QStringList formats = source->measureNumberFormats();
    const QStringList captions = source->measureCaptions();
    const auto valueField =
        binding.allTotals ? std::optional<int>(0) : (binding.values ? binding.values : binding.yValues);
    data.valueFormat = at(formats, valueField);
    data.yFormat = at(formats, binding.yValues ? binding.yValues : binding.values);
    data.xFormat = at(formats, binding.xValues);
    data.sizeCaption = at(captions, binding.bubbleValues);
    return data;
}

}
