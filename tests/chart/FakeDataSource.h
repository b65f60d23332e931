#pragma once

#include "chart/ChartDataSource.h"

#include <functional>

// A pivot result made to order: row and column members by caption (an empty list gives
// the axis's single grand-total position), data fields with captions and formats, and a
// value for each cell.
class FakeDataSource : public chart::ChartDataSource
{
public:
    using ValueOf = std::function<std::optional<double>(int row, int column, int measure)>;

    FakeDataSource(QStringList rows, QStringList columns, QStringList measures, QStringList formats, ValueOf value)
    {
        set(std::move(rows), std::move(columns), std::move(measures), std::move(formats), std::move(value));
    }

    void set(QStringList rows, QStringList columns, QStringList measures, QStringList formats, ValueOf value)
    {
        m_captions = measures;
        m_formats = formats;
        m_cells = {};
        m_cells.rows = axis(rows);
        m_cells.columns = axis(columns);
        m_cells.measures = measures;
        for (int r = 0; r < m_cells.rows.size(); ++r)
            for (int c = 0; c < m_cells.columns.size(); ++c)
                for (int m = 0; m < measures.size(); ++m)
                    m_cells.values.push_back(value(r, c, m));
        emit dataChanged();
    }

    // Adds a subtotal position at the end of the row axis, as a pivot with totals shows it.
    void addRowTotal(double value)
    {
        olap::Tuple total;
        total.members.append({olap::Member{olap::MemberPath{}, QStringLiteral("Grand Total")}, true});
        olap::CellSet cells = m_cells;
        cells.rows.append(total);
        cells.values.clear();
        for (int r = 0; r < cells.rows.size(); ++r)
            for (int c = 0; c < cells.columns.size(); ++c)
                for (int m = 0; m < cells.measures.size(); ++m)
                    cells.values.push_back(r < m_cells.rows.size() ? m_cells.value(r, c, m) : std::optional(value));
        m_cells = cells;
        emit dataChanged();
    }

    const olap::CellSet& cellSet() const override { return m_cells; }
    QStringList measureCaptions() const override { return m_captions; }
    QStringList measureNumberFormats() const override { return m_formats; }

private:
    static QVector<olap::Tuple> axis(const QStringList& captions)
    {
        QVector<olap::Tuple> tuples;
        if (captions.isEmpty())
            tuples.append(olap::Tuple{});
        for (const QString& caption : captions) {
            olap::Tuple t;
            t.members.append({olap::Member{olap::MemberPath{QStringList{caption}}, caption}, false});
            tuples.append(t);
        }
        return tuples;
    }

    olap::CellSet m_cells;
    QStringList m_captions;
    QStringList m_formats;
};

// Three regions by four quarters, with sales and a count: the sample most tests draw.
inline std::unique_ptr<FakeDataSource> salesByRegion(int measures = 1)
{
    const QStringList all{QStringLiteral("Sales"), QStringLiteral("Units"), QStringLiteral("Margin")};
    const QStringList formats{QStringLiteral("Currency"), QStringLiteral("#,##0"), QStringLiteral("0.0%")};
    return std::make_unique<FakeDataSource>(
        QStringList{QStringLiteral("Q1"), QStringLiteral("Q2"), QStringLiteral("Q3"), QStringLiteral("Q4")},
        QStringList{QStringLiteral("North"), QStringLiteral("South"), QStringLiteral("West")}, all.mid(0, measures),
        formats.mid(0, measures), [](int r, int c, int m) -> std::optional<double> {
            if (m == 2)
                return 0.1 + 0.05 * c + 0.01 * r;
            return (m == 0 ? 1000.0 : 10.0) * (r + 1) * (c + 2) + 137 * c;
        });
}
