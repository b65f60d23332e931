#include "pivot/NestedHeaderView.h"

#include "pivot/PivotGridModel.h"

#include <QContextMenuEvent>
#include <QHash>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace pivot {
namespace {
constexpr int Padding = 6;
// Text advances are rounded; a little room keeps a label that fits from being elided.
constexpr int Slack = 3;
constexpr int IndicatorSize = 9;
const QColor HeaderFill(0xf3, 0xf4, 0xf6);
const QColor TotalFill(0xe3, 0xe9, 0xf2);
const QColor GridLine(0xc8, 0xcc, 0xd2);
}

NestedHeaderView::NestedHeaderView(Qt::Orientation orientation, PivotGridModel* model, QWidget* parent)
    : QHeaderView(orientation, parent), m_model(model)
{
    setModel(model);
    setSectionsClickable(true);
    setHighlightSections(false);
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_levelHeight = fontMetrics().height() + 8;
    if (orientation == Qt::Vertical) {
        // Uniform rows keep a long result cheap: no per-row size is ever measured.
        setSectionResizeMode(QHeaderView::Fixed);
        setDefaultSectionSize(m_levelHeight);
    } else {
        setSectionResizeMode(QHeaderView::Interactive);
        setMinimumSectionSize(24);
    }
}

int NestedHeaderView::slotCountForPaint() const
{
    return orientation() == Qt::Vertical ? m_model->rowHeaders().slotCount() : m_model->columnLevelCount();
}

void NestedHeaderView::refit()
{
    m_levelHeight = fontMetrics().height() + 8;
    m_slotWidths.clear();
    if (orientation() == Qt::Vertical) {
        setDefaultSectionSize(m_levelHeight);
        const HeaderLayout& h = m_model->rowHeaders();
        QFont bold = font();
        bold.setBold(true);
        const QFontMetrics plainMetrics = fontMetrics();
        const QFontMetrics boldMetrics(bold);
        // Measure each distinct text once, and only a sample of a very long axis: the
        // first and last few thousand positions decide the width.
        constexpr int Sample = 4000;
        const int n = h.positionCount();
        m_slotWidths.assign(size_t(h.slotCount()), 40);
        QHash<QString, int> measured;
        const auto advance = [&](const HeaderCell& cell) {
            const QString key = cell.total ? QLatin1String("\x01") + cell.text : cell.text;
            auto it = measured.find(key);
            if (it == measured.end())
                it = measured.insert(key, (cell.total ? boldMetrics : plainMetrics).horizontalAdvance(cell.text));
            return *it;
        };
        for (int p = 0; p < n; ++p) {
            if (p == Sample && n > 2 * Sample)
                p = n - Sample;
            for (int s = 0; s < h.slotCount(); ++s) {
                const HeaderCell& cell = h.cell(p, s);
                if (cell.span != 1 || cell.runStart != p)
                    continue;   // spanning cells may overflow into the next slots
                const int width = advance(cell) + 2 * Padding + Slack + (cell.expandable ? IndicatorSize + Padding : 0);
                m_slotWidths[size_t(s)] = std::max(m_slotWidths[size_t(s)], std::min(width, 360));
            }
        }
        // A spanning cell (a total, an unexpanded member) must fit in the slots it covers.
        for (int p = 0; p < std::min(n, Sample); ++p)
            for (int s = 0; s < h.slotCount(); ++s) {
                const HeaderCell& cell = h.cell(p, s);
                if (cell.span <= 1)
                    continue;
                int room = 0;
                for (int k = s; k < s + cell.span; ++k)
                    room += m_slotWidths[size_t(k)];
                const int need = advance(cell) + 2 * Padding + Slack + (cell.expandable ? IndicatorSize + Padding : 0);
                if (need > room && need < 480)
                    m_slotWidths[size_t(s + cell.span - 1)] += need - room;
            }
    }
    updateGeometry();
    viewport()->update();
}

void NestedHeaderView::ensureSlotWidth(int slot, int width)
{
    if (slot < 0 || slot >= int(m_slotWidths.size()) || m_slotWidths[size_t(slot)] >= width)
        return;
    m_slotWidths[size_t(slot)] = width;
    updateGeometry();
    viewport()->update();
}

int NestedHeaderView::slotOffset(int slot) const
{
    int x = 0;
    for (int s = 0; s < slot && s < int(m_slotWidths.size()); ++s)
        x += m_slotWidths[size_t(s)];
    return x;
}

QSize NestedHeaderView::sizeHint() const
{
    if (orientation() == Qt::Vertical) {
        int width = 0;
        for (int w : m_slotWidths)
            width += w;
        return {std::max(width, 1), m_levelHeight};
    }
    return {100, m_levelHeight * m_model->columnLevelCount()};
}

QSize NestedHeaderView::sectionSizeFromContents(int logicalIndex) const
{
    if (orientation() == Qt::Vertical)
        return {sizeHint().width(), m_levelHeight};
    // The innermost member or data field caption decides a column's width; wider
    // members above it span several columns.
    QFont bold = font();
    bold.setBold(true);
    const int measures = std::max(1, m_model->measureCount());
    int width = 0;
    for (int level = 0; level < m_model->columnLevelCount(); ++level) {
        Cell cell;
        if (!cellAt(logicalIndex, level, cell))
            continue;
        if (!cell.measure) {
            const HeaderCell& hc = m_model->columnHeaders().cell(logicalIndex / measures, level);
            if (hc.runStart != hc.runEnd || measures > 1)
                continue;
        }
        const QFontMetrics metrics(cell.total || cell.measure ? bold : font());
        width = std::max(width,
                         metrics.horizontalAdvance(cell.text) + 2 * Padding + Slack
                             + (cell.expandable ? IndicatorSize + Padding : 0));
    }
    return {width, m_levelHeight * m_model->columnLevelCount()};
}

bool NestedHeaderView::cellAt(int section, int slot, Cell& cell) const
{
    if (section < 0 || section >= count())
        return false;
    if (orientation() == Qt::Horizontal) {
        const HeaderLayout& h = m_model->columnHeaders();
        const int measures = std::max(1, m_model->measureCount());
        const int sectionTop = slot * m_levelHeight;
        if (slot >= h.slotCount()) {   // the data field level
            cell.text = m_model->columnHeaderText(section, slot);
            cell.measure = true;
            cell.total = m_model->isTotalColumn(section);
            cell.rect = QRect(sectionViewportPosition(section), sectionTop, sectionSize(section), m_levelHeight);
            return true;
        }
        const int position = section / measures;
        const HeaderCell& hc = h.cell(position, slot);
        if (hc.span == 0)
            return false;
        const int first = hc.runStart * measures;
        const int last = (hc.runEnd + 1) * measures - 1;
        const int left = sectionViewportPosition(first);
        const int right = sectionViewportPosition(last) + sectionSize(last);
        cell.rect = QRect(left, sectionTop, right - left, hc.span * m_levelHeight);
        cell.text = hc.text;
        cell.total = hc.total;
        cell.expandable = hc.expandable;
        cell.expanded = hc.expanded;
        return true;
    }
    const HeaderLayout& h = m_model->rowHeaders();
    if (slot >= h.slotCount())
        return false;
    const HeaderCell& hc = h.cell(section, slot);
    if (hc.span == 0)
        return false;
    const int top = sectionViewportPosition(hc.runStart);
    const int bottom = sectionViewportPosition(hc.runEnd) + sectionSize(hc.runEnd);
    int width = 0;
    for (int k = slot; k < slot + hc.span; ++k)
        width += slotWidth(k);
    cell.rect = QRect(slotOffset(slot), top, width, bottom - top);
    cell.text = hc.text;
    cell.total = hc.total;
    cell.expandable = hc.expandable;
    cell.expanded = hc.expanded;
    return true;
}

QRect NestedHeaderView::indicatorRect(const QRect& cellRect) const
{
    const int top = orientation() == Qt::Vertical ? std::max(cellRect.top(), 0) + (m_levelHeight - IndicatorSize) / 2
                                                  : cellRect.top() + (m_levelHeight - IndicatorSize) / 2;
    const int left = std::max(cellRect.left(), 0) + Padding;
    return QRect(left, top, IndicatorSize, IndicatorSize);
}

void NestedHeaderView::paintEvent(QPaintEvent* event)
{
    QHeaderView::paintEvent(event);
    // Below the last row (or right of the last column) the header is blank like the grid.
    const int last = count() - 1;
    const int end = last < 0 ? 0 : sectionViewportPosition(last) + sectionSize(last);
    QRect empty = viewport()->rect();
    if (orientation() == Qt::Vertical)
        empty.setTop(end);
    else
        empty.setLeft(end);
    if (!empty.isEmpty()) {
        QPainter painter(viewport());
        painter.fillRect(empty.intersected(event->rect()), palette().color(QPalette::Base));
    }
}

void NestedHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    painter->save();
    painter->setClipRect(rect);
    QFont bold = font();
    bold.setBold(true);
    const int slotTotal = slotCountForPaint();
    for (int slot = 0; slot < slotTotal; ++slot) {
        Cell cell;
        if (!cellAt(logicalIndex, slot, cell))
            continue;
        painter->fillRect(cell.rect, cell.total ? TotalFill : HeaderFill);
        painter->setPen(GridLine);
        painter->drawLine(cell.rect.topRight(), cell.rect.bottomRight());
        painter->drawLine(cell.rect.bottomLeft(), cell.rect.bottomRight());
        // Keep the label of a long merged cell in sight while it scrolls.
        QRect textRect = cell.rect.intersected(viewport()->rect()).adjusted(Padding, 0, -Padding, 0);
        if (orientation() == Qt::Vertical)
            textRect.setHeight(std::min(textRect.height(), m_levelHeight));
        if (cell.expandable) {
            const QRect box = indicatorRect(cell.rect);
            painter->setPen(QColor(0x60, 0x66, 0x70));
            painter->fillRect(box, Qt::white);
            painter->drawRect(box.adjusted(0, 0, -1, -1));
            const int cy = box.center().y();
            painter->drawLine(box.left() + 2, cy, box.right() - 2, cy);
            if (!cell.expanded)
                painter->drawLine(box.center().x(), box.top() + 2, box.center().x(), box.bottom() - 2);
            textRect.setLeft(box.right() + Padding);
        }
        painter->setFont(cell.total || cell.measure ? bold : font());
        painter->setPen(palette().color(QPalette::WindowText));
        const Qt::Alignment align = cell.measure ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter;
        painter->drawText(textRect, int(align),
                          painter->fontMetrics().elidedText(cell.text, Qt::ElideRight, textRect.width()));
    }
    painter->restore();
}

NestedHeaderView::Hit NestedHeaderView::hitAt(const QPoint& point) const
{
    Hit hit;
    hit.section = logicalIndexAt(point);
    if (hit.section < 0)
        return hit;
    int slot = -1;
    if (orientation() == Qt::Horizontal) {
        slot = point.y() / m_levelHeight;
        const int measures = std::max(1, m_model->measureCount());
        hit.position = hit.section / measures;
        if (slot >= m_model->columnHeaders().slotCount()) {
            hit.slot = -1;
            return hit;
        }
    } else {
        hit.position = hit.section;
        for (int s = 0, x = 0; s < int(m_slotWidths.size()); x += m_slotWidths[size_t(s)], ++s)
            if (point.x() >= x && point.x() < x + m_slotWidths[size_t(s)])
                slot = s;
        if (slot < 0)
            return hit;
    }
    // A covered slot belongs to the spanning cell before it.
    Cell cell;
    while (slot >= 0 && !cellAt(hit.section, slot, cell))
        --slot;
    hit.slot = slot;
    if (slot >= 0 && cell.expandable)
        hit.onIndicator = indicatorRect(cell.rect).adjusted(-3, -3, 3, 3).contains(point);
    return hit;
}

void NestedHeaderView::mousePressEvent(QMouseEvent* event)
{
    const Hit hit = hitAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && hit.onIndicator) {
        emit toggleRequested(hit.position, hit.slot);
        event->accept();
        return;
    }
    QHeaderView::mousePressEvent(event);
}

void NestedHeaderView::mouseDoubleClickEvent(QMouseEvent* event)
{
    const Hit hit = hitAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && hit.slot >= 0) {
        Cell cell;
        if (cellAt(hit.section, hit.slot, cell) && cell.expandable) {
            emit toggleRequested(hit.position, hit.slot);
            event->accept();
            return;
        }
    }
    QHeaderView::mouseDoubleClickEvent(event);
}

void NestedHeaderView::contextMenuEvent(QContextMenuEvent* event)
{
    emit contextRequested(hitAt(event->pos()), event->globalPos());
    event->accept();
}

}
