#pragma once

#include "chart/ChartConstants.h"

#include <QString>
#include <array>
#include <memory>
#include <optional>
#include <vector>

// The state of a chart space as its callers see it: charts with titles, legend, type,
// axes and the data each dimension is bound to. Every change is reported to the chart
// space that owns the object, so that it can redraw.
namespace chart {

class ChartOwner
{
public:
    virtual ~ChartOwner() = default;
    virtual void stateChanged() = 0;
    virtual int dataSourceCount() const = 0;
};

class ChartTitle
{
public:
    explicit ChartTitle(ChartOwner& owner) : m_owner(owner) {}
    const QString& Caption() const { return m_caption; }
    void setCaption(const QString& caption);

private:
    ChartOwner& m_owner;
    QString m_caption;
};

class AxisScaling
{
public:
    explicit AxisScaling(ChartOwner& owner) : m_owner(owner) {}
    int Orientation() const { return m_orientation; }
    // Raises 380 for a value that is no scale orientation.
    void setOrientation(int orientation);

private:
    ChartOwner& m_owner;
    int m_orientation = chScaleOrientationMinMax;
};

class ChartAxis
{
public:
    ChartAxis(int position, ChartOwner& owner);
    int position() const { return m_position; }
    const QString& NumberFormat() const { return m_numberFormat; }
    void setNumberFormat(const QString& format);
    bool HasTitle() const { return m_hasTitle; }
    void setHasTitle(bool has);
    ChartTitle& Title() { return m_title; }
    const ChartTitle& Title() const { return m_title; }
    AxisScaling& Scaling() { return m_scaling; }
    const AxisScaling& Scaling() const { return m_scaling; }

private:
    ChartOwner& m_owner;
    int m_position;
    QString m_numberFormat;
    bool m_hasTitle = false;
    ChartTitle m_title;
    AxisScaling m_scaling;
};

// What SetData bound: the series and categories to the pivot's columns or rows, each
// value dimension to one data field (total) by index. `allTotals` draws every data field
// (a series per column member and data field), the binding a chart gets by default.
struct DataBinding
{
    std::optional<int> seriesNames;   // chPivotColumns or chPivotRows
    std::optional<int> categories;
    std::optional<int> values;
    std::optional<int> yValues;
    std::optional<int> xValues;
    std::optional<int> bubbleValues;
    bool allTotals = false;
    friend bool operator==(const DataBinding&, const DataBinding&) = default;
};

class ChChart
{
public:
    explicit ChChart(ChartOwner& owner);

    bool HasLegend() const { return m_hasLegend; }
    void setHasLegend(bool has);
    bool HasTitle() const { return m_hasTitle; }
    void setHasTitle(bool has);
    ChartTitle& Title() { return m_title; }
    const ChartTitle& Title() const { return m_title; }
    int Type() const { return m_type; }
    // Raises 380 for a number that is not a chart type.
    void setType(int type);
    // Raises 5 for a position that is not an axis position.
    ChartAxis& Axes(int position);
    const ChartAxis& Axes(int position) const;
    const std::array<ChartAxis, 4>& axes() const { return m_axes; }

    // Binds one dimension to the data source `dataSourceIndex`: the series names and the
    // categories to chPivotColumns or chPivotRows, the value dimensions to a data field
    // index. Raises 5 for a dimension, index or member it cannot bind.
    void SetData(int dimension, int dataSourceIndex, int member);
    const DataBinding& binding() const { return m_binding; }
    void setBinding(const DataBinding& binding);

private:
    ChartOwner& m_owner;
    bool m_hasLegend = true;
    bool m_hasTitle = false;
    ChartTitle m_title;
    int m_type = chChartTypeColumnClustered;
    std::array<ChartAxis, 4> m_axes;
    DataBinding m_binding;
};

class ChartCollection
{
public:
    explicit ChartCollection(ChartOwner& owner) : m_owner(owner) {}
    int Count() const { return int(m_charts.size()); }
    ChChart& Add();
    // Raises 9 for an index that holds no chart.
    ChChart& Item(int index);
    const ChChart& Item(int index) const;
    ChChart& operator()(int index) { return Item(index); }
    void clear();

private:
    ChartOwner& m_owner;
    std::vector<std::unique_ptr<ChChart>> m_charts;
};

// The chart space's own state besides its charts.
struct ChartSpaceSettings
{
    bool hasChartSpaceTitle = false;
    QString chartSpaceTitle;
    bool displayFieldList = false;
    bool displayPropertyToolbox = false;
    friend bool operator==(const ChartSpaceSettings&, const ChartSpaceSettings&) = default;
};

}
