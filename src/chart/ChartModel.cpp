#include "chart/ChartModel.h"

#include "chart/ChartTypes.h"
#include "platform/VbError.h"

namespace chart {
namespace {

[[noreturn]] void raiseInvalidArgument(const QString& what)
{
    platform::raiseError(platform::err::InvalidArgument,
                         QStringLiteral("Invalid procedure call or argument: %1").arg(what),
                         QStringLiteral("ChartSpace"));
}

int axisSlot(int position)
{
    switch (position) {
    case chAxisPositionTop:
        return 0;
    case chAxisPositionBottom:
        return 1;
    case chAxisPositionLeft:
        return 2;
    case chAxisPositionRight:
        return 3;
    default:
        return -1;
    }
}

}

void ChartTitle::setCaption(const QString& caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    m_owner.stateChanged();
}

void AxisScaling::setOrientation(int orientation)
{
    if (orientation != chScaleOrientationMinMax && orientation != chScaleOrientationMaxMin)
        platform::raiseError(platform::err::InvalidPropertyValue, QStringLiteral("Invalid property value"),
                             QStringLiteral("Scaling.Orientation"));
    if (orientation == m_orientation)
        return;
    m_orientation = orientation;
    m_owner.stateChanged();
}

ChartAxis::ChartAxis(int position, ChartOwner& owner)
    : m_owner(owner), m_position(position), m_title(owner), m_scaling(owner)
{
}

void ChartAxis::setNumberFormat(const QString& format)
{
    if (format == m_numberFormat)
        return;
    m_numberFormat = format;
    m_owner.stateChanged();
}

void ChartAxis::setHasTitle(bool has)
{
    if (has == m_hasTitle)
        return;
    m_hasTitle = has;
    m_owner.stateChanged();
}

ChChart::ChChart(ChartOwner& owner)
    : m_owner(owner)
    , m_title(owner)
    , m_axes{ChartAxis(chAxisPositionTop, owner), ChartAxis(chAxisPositionBottom, owner),
             ChartAxis(chAxisPositionLeft, owner), ChartAxis(chAxisPositionRight, owner)}
{
}

void ChChart::setHasLegend(bool has)
{
    if (has == m_hasLegend)
        return;
    m_hasLegend = has;
    m_owner.stateChanged();
}

void ChChart::setHasTitle(bool has)
{
    if (has == m_hasTitle)
        return;
    m_hasTitle = has;
    m_owner.stateChanged();
}

void ChChart::setType(int type)
{
    if (!chartTypeTraits(type))
        platform::raiseError(platform::err::InvalidPropertyValue, QStringLiteral("Invalid property value"),
                             QStringLiteral("Chart.Type"));
    if (type == m_type)
        return;
    m_type = type;
    m_owner.stateChanged();
}

ChartAxis& ChChart::Axes(int position)
{
    const int slot = axisSlot(position);
    if (slot < 0)
        raiseInvalidArgument(QStringLiteral("axis position %1").arg(position));
    return m_axes[size_t(slot)];
}

const ChartAxis& ChChart::Axes(int position) const
{
    return const_cast<ChChart*>(this)->Axes(position);
}

void ChChart::SetData(int dimension, int dataSourceIndex, int member)
{
    if (dataSourceIndex < 0 || dataSourceIndex >= m_owner.dataSourceCount())
        raiseInvalidArgument(QStringLiteral("data source %1").arg(dataSourceIndex));
    DataBinding binding = m_binding;
    switch (dimension) {
    case chDimSeriesNames:
    case chDimCategories:
        if (member != chPivotColumns && member != chPivotRows)
            raiseInvalidArgument(QStringLiteral("member %1").arg(member));
        (dimension == chDimSeriesNames ? binding.seriesNames : binding.categories) = member;
        break;
    case chDimValues:
    case chDimYValues:
    case chDimXValues:
    case chDimBubbleValues:
        if (member < 0)
            raiseInvalidArgument(QStringLiteral("data field %1").arg(member));
        if (dimension == chDimValues) {
            binding.values = member;
            binding.allTotals = false;
        } else if (dimension == chDimYValues) {
            binding.yValues = member;
        } else if (dimension == chDimXValues) {
            binding.xValues = member;
        } else {
            binding.bubbleValues = member;
        }
        break;
    default:
        raiseInvalidArgument(QStringLiteral("dimension %1").arg(dimension));
    }
    setBinding(binding);
}

void ChChart::setBinding(const DataBinding& binding)
{
    if (binding == m_binding)
        return;
    m_binding = binding;
    m_owner.stateChanged();
}

ChChart& ChartCollection::Add()
{
    m_charts.push_back(std::make_unique<ChChart>(m_owner));
    m_owner.stateChanged();
    return *m_charts.back();
}

ChChart& ChartCollection::Item(int index)
{
    if (index < 0 || index >= Count())
        platform::raiseError(platform::err::SubscriptOutOfRange, QStringLiteral("Subscript out of range"),
                             QStringLiteral("Charts"));
    return *m_charts[size_t(index)];
}

const ChChart& ChartCollection::Item(int index) const
{
    return const_cast<ChartCollection*>(this)->Item(index);
}

void ChartCollection::clear()
{
    if (m_charts.empty())
        return;
    m_charts.clear();
    m_owner.stateChanged();
}

}
