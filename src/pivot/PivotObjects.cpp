#include "pivot/PivotObjects.h"

#include "pivot/PivotTable.h"
#include "platform/VbError.h"

namespace pivot {

QString PivotTitleBar::Caption() const
{
    return m_table.titleCaption();
}
void PivotTitleBar::setCaption(const QString& caption)
{
    m_table.setTitleCaption(caption);
}

int PivotTotals::Count() const
{
    return int(m_table.layout().dataFields.size());
}

PivotTotal PivotTotals::Item(int index) const
{
    if (index < 0 || index >= Count())
        platform::raiseError(platform::err::SubscriptOutOfRange, QStringLiteral("Subscript out of range"),
                             QStringLiteral("PivotTable"));
    return PivotTotal(m_table.measureCaptions().value(index), m_table.measureNumberFormats().value(index));
}

bool PivotAxisView::DisplayEmptyMembers() const
{
    return m_table.displayEmpty(m_rows ? Area::Row : Area::Column);
}
void PivotAxisView::setDisplayEmptyMembers(bool display)
{
    m_table.setDisplayEmpty(m_rows ? Area::Row : Area::Column, display);
}

}
