#include "pivot/PivotGridView.h"

#include "pivot/NestedHeaderView.h"
#include "pivot/PivotGridModel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QMenu>
#include <QPainter>
#include <QScopedValueRollback>

namespace pivot {

PivotGridView::PivotGridView(PivotGridModel* model, QWidget* parent)
    : QTableView(parent)
    , m_model(model)
    , m_rowHeader(new NestedHeaderView(Qt::Vertical, model, this))
    , m_columnHeader(new NestedHeaderView(Qt::Horizontal, model, this))
{
    setModel(model);
    setVerticalHeader(m_rowHeader);
    setHorizontalHeader(m_columnHeader);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setWordWrap(false);
    setCornerButtonEnabled(true);
    setGridStyle(Qt::SolidLine);
    setStyleSheet(QStringLiteral("QTableView { gridline-color: #dde1e6; }"));
    // The corner above the row headers names the levels; it is the view's own button.
    m_corner = findChild<QAbstractButton*>();
    if (m_corner)
        m_corner->installEventFilter(this);

    m_fitTimer.setSingleShot(true);
    m_fitTimer.setInterval(0);
    connect(&m_fitTimer, &QTimer::timeout, this, &PivotGridView::fitNextColumns);
    connect(m_columnHeader, &QHeaderView::sectionResized, this, [this](int column, int, int size) {
        if (!m_fitting)
            m_userWidths.insert(columnKey(column), size);
    });
    connect(m_rowHeader, &NestedHeaderView::toggleRequested, this,
            [this](int position, int slot) { emit memberToggleRequested(Area::Row, position, slot); });
    connect(m_columnHeader, &NestedHeaderView::toggleRequested, this,
            [this](int position, int slot) { emit memberToggleRequested(Area::Column, position, slot); });
    connect(m_rowHeader, &NestedHeaderView::contextRequested, this,
            [this](const NestedHeaderView::Hit& hit, const QPoint& pos) {
                showHeaderMenu(Area::Row, hit.position, hit.slot, hit.section, pos);
            });
    connect(m_columnHeader, &NestedHeaderView::contextRequested, this,
            [this](const NestedHeaderView::Hit& hit, const QPoint& pos) {
                showHeaderMenu(Area::Column, hit.position, hit.slot, hit.section, pos);
            });
}

void PivotGridView::fitToContents()
{
    m_rowHeader->refit();
    m_columnHeader->refit();
    QFont captionFont = font();
    captionFont.setBold(true);
    const QFontMetrics captionMetrics(captionFont);
    for (int s = 0; s < m_rowSlotCaptions.size(); ++s)
        m_rowHeader->ensureSlotWidth(s, std::min(captionMetrics.horizontalAdvance(m_rowSlotCaptions[s]) + 14, 240));
    // The columns on screen are fitted now; the others a slice at a time while the window
    // goes on, so that a result of any width lands without a pause.
    const int columns = m_model->columnCount();
    const int firstShown = std::max(0, columnAt(0));
    const int lastShown = columnAt(viewport()->width() - 1);
    fitColumns(firstShown, lastShown < 0 ? std::min(columns, firstShown + ColumnSlice) : lastShown + 1);
    m_unfittedFrom = 0;
    if (columns > 0)
        m_fitTimer.start();
    updateGeometries();
}

void PivotGridView::fitNextColumns()
{
    const int columns = m_model->columnCount();
    const int end = std::min(columns, m_unfittedFrom + ColumnSlice);
    fitColumns(m_unfittedFrom, end);
    m_unfittedFrom = end;
    if (end < columns)
        m_fitTimer.start();
}

void PivotGridView::fitColumns(int first, int end)
{
    const QScopedValueRollback fitting(m_fitting, true);
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics boldMetrics(bold);
    const QFontMetrics plain = fontMetrics();
    const int columns = m_model->columnCount();
    const int rows = m_model->rowCount();
    // A sample of rows decides a column's width: the widest formatted values sit in the
    // totals at the end and the first screenful.
    const int sample = columns > 200 ? 40 : 200;
    for (int c = first; c < end && c < columns; ++c) {
        int width = m_columnHeader->sectionSizeHint(c);
        for (int r = 0; r < rows; ++r) {
            if (r == sample && rows > 2 * sample)
                r = rows - sample;
            const QString text = m_model->data(m_model->index(r, c)).toString();
            if (text.isEmpty())
                continue;
            const bool total = m_model->isTotalRow(r) || m_model->isTotalColumn(c);
            width = std::max(width, (total ? boldMetrics : plain).horizontalAdvance(text) + 14);
        }
        m_columnHeader->resizeSection(c, m_userWidths.value(columnKey(c), std::min(std::max(width, 48), 400)));
    }
}

QString PivotGridView::columnKey(int column) const
{
    QStringList labels;
    for (int level = 0; level < m_model->columnLevelCount(); ++level)
        labels << m_model->columnHeaderText(column, level);
    return labels.join(QChar(0x1f));
}

void PivotGridView::toggleInnermost(int row, bool expand)
{
    // The innermost member of the row that can go the asked way.
    const HeaderLayout& headers = m_model->rowHeaders();
    for (int s = headers.slotCount() - 1; s >= 0; --s) {
        const HeaderCell& cell = headers.cell(row, s);
        if (cell.span > 0 && cell.expandable && cell.expanded != expand) {
            emit memberToggleRequested(Area::Row, row, s);
            return;
        }
    }
}

void PivotGridView::setAxisTotals(Area area, bool subtotals, bool grandTotal)
{
    m_totals[area == Area::Row ? 0 : 1] = {subtotals, grandTotal};
}

void PivotGridView::setSlotCaptions(const QStringList& rowSlots, const QStringList& columnSlots)
{
    m_rowSlotCaptions = rowSlots;
    m_columnSlotCaptions = columnSlots;
    if (m_corner)
        m_corner->update();
}

bool PivotGridView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_corner && event->type() == QEvent::Paint) {
        paintCorner(m_corner);
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

void PivotGridView::paintCorner(QWidget* corner) const
{
    QPainter painter(corner);
    const QRect area = corner->rect();
    painter.fillRect(area, QColor(0xf3, 0xf4, 0xf6));
    painter.setPen(QColor(0xc8, 0xcc, 0xd2));
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    painter.drawLine(area.topRight(), area.bottomRight());
    const int level = m_columnHeader->levelHeight();
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(QColor(0x5a, 0x62, 0x70));
    // Column levels, right-aligned against the column headers they name.
    for (int l = 0; l < m_columnSlotCaptions.size(); ++l)
        painter.drawText(QRect(0, l * level, area.width() - 6, level), int(Qt::AlignRight | Qt::AlignVCenter),
                         m_columnSlotCaptions[l]);
    // Row levels along the bottom edge, one above each row slot.
    int x = 0;
    for (int s = 0; s < m_rowSlotCaptions.size(); ++s) {
        const int width = m_rowHeader->slotWidth(s);
        const QRect cell(x, area.height() - level, width, level);
        painter.drawText(cell.adjusted(6, 0, -4, 0), int(Qt::AlignLeft | Qt::AlignVCenter),
                         painter.fontMetrics().elidedText(m_rowSlotCaptions[s], Qt::ElideRight, width - 10));
        x += width;
    }
}

QString PivotGridView::selectionAsTsv() const
{
    const int rows = m_model->rowCount(), columns = m_model->columnCount();
    if (rows == 0 || columns == 0)
        return {};
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return m_model->toTsv(0, 0, rows - 1, columns - 1);
    int top = rows, left = columns, bottom = -1, right = -1;
    for (const QModelIndex& index : selected) {
        top = std::min(top, index.row());
        bottom = std::max(bottom, index.row());
        left = std::min(left, index.column());
        right = std::max(right, index.column());
    }
    return m_model->toTsv(top, left, bottom, right);
}

void PivotGridView::copySelection() const
{
    QApplication::clipboard()->setText(selectionAsTsv());
}

void PivotGridView::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        copySelection();
        event->accept();
        return;
    }
    // + and - expand and collapse the members of the current row, innermost first.
    if ((event->key() == Qt::Key_Plus || event->key() == Qt::Key_Minus) && currentIndex().isValid()) {
        toggleInnermost(currentIndex().row(), event->key() == Qt::Key_Plus);
        event->accept();
        return;
    }
    // Enter on a data cell shows the facts behind it, as a double click does.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && m_detailsAllowed
        && currentIndex().isValid()) {
        emit detailsRequested(currentIndex().row(), currentIndex().column());
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void PivotGridView::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid() && m_detailsAllowed) {
        emit detailsRequested(index.row(), index.column());
        event->accept();
        return;
    }
    QTableView::mouseDoubleClickEvent(event);
}

void PivotGridView::contextMenuEvent(QContextMenuEvent* event)
{
    const QModelIndex index = indexAt(event->pos());
    QMenu menu(this);
    menu.addAction(QCoreApplication::translate("pivot", "Copy"), this, &PivotGridView::copySelection);
    if (index.isValid() && m_detailsAllowed)
        menu.addAction(QCoreApplication::translate("pivot", "Show Details"), this,
                       [this, index] { emit detailsRequested(index.row(), index.column()); });
    menu.exec(event->globalPos());
}

void PivotGridView::showHeaderMenu(Area area, int position, int slot, int section, const QPoint& globalPos)
{
    if (section < 0)
        return;
    QMenu menu(this);
    const HeaderLayout& headers = area == Area::Row ? m_model->rowHeaders() : m_model->columnHeaders();
    if (slot >= 0 && slot < headers.slotCount() && position < headers.positionCount()) {
        const HeaderCell& cell = headers.cell(position, slot);
        if (cell.expandable)
            menu.addAction(cell.expanded ? QCoreApplication::translate("pivot", "Collapse")
                                         : QCoreApplication::translate("pivot", "Expand"),
                           this, [=, this] { emit memberToggleRequested(area, position, slot); });
        if (headers.slotField(slot) >= 0) {
            menu.addAction(QCoreApplication::translate("pivot", "Expand Entire Level"), this,
                           [=, this] { emit levelExpandRequested(area, slot, true); });
            menu.addAction(QCoreApplication::translate("pivot", "Collapse Entire Level"), this,
                           [=, this] { emit levelExpandRequested(area, slot, false); });
            menu.addSeparator();
            menu.addAction(QCoreApplication::translate("pivot", "Filter..."), this,
                           [=, this] { emit filterRequested(area, slot); });
        }
        menu.addSeparator();
        menu.addAction(QCoreApplication::translate("pivot", "Sort A to Z"), this,
                       [=, this] { emit labelSortRequested(area, olap::SortOrder::Ascending); });
        menu.addAction(QCoreApplication::translate("pivot", "Sort Z to A"), this,
                       [=, this] { emit labelSortRequested(area, olap::SortOrder::Descending); });
        menu.addAction(QCoreApplication::translate("pivot", "Original Order"), this,
                       [=, this] { emit labelSortRequested(area, olap::SortOrder::None); });
    }
    const Totals totals = m_totals[area == Area::Row ? 0 : 1];
    menu.addSeparator();
    QAction* subtotals = menu.addAction(QCoreApplication::translate("pivot", "Show Subtotals"), this, [=, this] {
        emit totalsRequested(area, !totals.subtotals, totals.grandTotal);
    });
    subtotals->setCheckable(true);
    subtotals->setChecked(totals.subtotals);
    QAction* grand = menu.addAction(QCoreApplication::translate("pivot", "Show Grand Total"), this,
                                    [=, this] { emit totalsRequested(area, totals.subtotals, !totals.grandTotal); });
    grand->setCheckable(true);
    grand->setChecked(totals.grandTotal);
    // On a column of values: order the rows by them.
    if (area == Area::Column && m_model->measureCount() > 0) {
        const int measure = m_model->columnMeasure(section);
        menu.addSeparator();
        menu.addAction(QCoreApplication::translate("pivot", "Sort Rows by \"%1\", Largest First")
                           .arg(m_model->measureCaptions().value(measure)),
                       this, [=, this] { emit valueSortRequested(Area::Row, measure, olap::SortOrder::Descending); });
        menu.addAction(QCoreApplication::translate("pivot", "Sort Rows by \"%1\", Smallest First")
                           .arg(m_model->measureCaptions().value(measure)),
                       this, [=, this] { emit valueSortRequested(Area::Row, measure, olap::SortOrder::Ascending); });
    }
    if (area == Area::Row && m_model->measureCount() > 0) {
        menu.addSeparator();
        for (int m = 0; m < m_model->measureCount(); ++m)
            menu.addAction(QCoreApplication::translate("pivot", "Sort Columns by \"%1\", Largest First")
                               .arg(m_model->measureCaptions().value(m)),
                           this, [=, this] { emit valueSortRequested(Area::Column, m, olap::SortOrder::Descending); });
    }
    if (!menu.isEmpty())
        menu.exec(globalPos);
}

}
