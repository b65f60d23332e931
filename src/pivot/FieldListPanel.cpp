#include "pivot/FieldListPanel.h"

#include "pivot/FieldMime.h"

#include <QCoreApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <functional>

namespace pivot {
namespace {

constexpr int FieldRole = Qt::UserRole + 1;
constexpr int KindRole = Qt::UserRole + 2;
constexpr int LevelRole = Qt::UserRole + 3;

class FieldTree : public QTreeWidget
{
public:
    std::function<void(const FieldRef&)> onDropped;

protected:
    // The list offers every field of the cube all the time: a drag hands out a copy of the
    // field, and whatever the drop area makes of it, the item stays (the view's own drag
    // would delete it after a move).
    void startDrag(Qt::DropActions) override
    {
        QMimeData* mime = mimeData(selectedItems());
        if (!mime)
            return;
        QDrag drag(this);
        drag.setMimeData(mime);
        drag.exec(Qt::CopyAction);
    }

    QMimeData* mimeData(const QList<QTreeWidgetItem*>& items) const override
    {
        if (items.isEmpty())
            return nullptr;
        const auto field = FieldListPanel::fieldOf(items.first());
        return field ? fieldMimeData(*field).release() : nullptr;
    }
    QStringList mimeTypes() const override { return {QStringLiteral("application/x-tessaline-pivot-field")}; }
    void dragEnterEvent(QDragEnterEvent* event) override
    {
        if (hasField(event->mimeData()) && event->source() != this)
            event->acceptProposedAction();
        else
            event->ignore();
    }
    void dragMoveEvent(QDragMoveEvent* event) override
    {
        if (hasField(event->mimeData()) && event->source() != this)
            event->acceptProposedAction();
        else
            event->ignore();
    }
    void dropEvent(QDropEvent* event) override
    {
        if (const auto field = fieldFromMimeData(event->mimeData()); field && onDropped) {
            event->acceptProposedAction();
            onDropped(*field);
        }
    }
};

}

FieldListPanel::FieldListPanel(QWidget* parent) : QWidget(parent), m_search(new QLineEdit(this)), m_tree(new FieldTree)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    auto* title = new QLabel(QCoreApplication::translate("pivot", "Fields"), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    layout->addWidget(title);
    m_search->setPlaceholderText(QCoreApplication::translate("pivot", "Search fields"));
    m_search->setClearButtonEnabled(true);
    layout->addWidget(m_search);
    m_tree->setParent(this);
    m_tree->setHeaderHidden(true);
    m_tree->setDragEnabled(true);
    m_tree->setAcceptDrops(true);
    m_tree->setDragDropMode(QAbstractItemView::DragDrop);
    m_tree->setDefaultDropAction(Qt::CopyAction);
    m_tree->setContextMenuPolicy(Qt::CustomContextMenu);
    layout->addWidget(m_tree, 1);
    static_cast<FieldTree*>(m_tree)->onDropped = [this](const FieldRef& field) { emit removeRequested(field); };

    connect(m_search, &QLineEdit::textChanged, this, &FieldListPanel::applySearch);
    connect(m_tree, &QTreeWidget::customContextMenuRequested, this, &FieldListPanel::showMenu);
    connect(m_tree, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        if (const auto field = fieldOf(item))
            emit addRequested(*field, field->kind == FieldRef::Kind::Measure ? Area::Data : Area::Row);
    });
    setMinimumWidth(180);
}

std::optional<FieldRef> FieldListPanel::fieldOf(const QTreeWidgetItem* item)
{
    if (!item || item->data(0, FieldRole).toString().isEmpty())
        return std::nullopt;
    return FieldRef{item->data(0, KindRole).toInt() == 1 ? FieldRef::Kind::Measure : FieldRef::Kind::Hierarchy,
                    item->data(0, FieldRole).toString(), item->data(0, LevelRole).toInt()};
}

void FieldListPanel::setSchema(const olap::CubeSchema& schema)
{
    m_tree->clear();
    auto makeItem = [](QTreeWidgetItem* parent, const QString& caption, const FieldRef* field) {
        auto* item = new QTreeWidgetItem(parent, {caption});
        if (field) {
            item->setData(0, FieldRole, field->name);
            item->setData(0, KindRole, field->kind == FieldRef::Kind::Measure ? 1 : 0);
            item->setData(0, LevelRole, field->level);
            item->setFlags(item->flags() | Qt::ItemIsDragEnabled);
        } else {
            item->setFlags(item->flags() & ~Qt::ItemIsDragEnabled);
        }
        return item;
    };
    auto* measures = new QTreeWidgetItem(m_tree, {QCoreApplication::translate("pivot", "Measures")});
    measures->setFlags(measures->flags() & ~Qt::ItemIsDragEnabled);
    for (const olap::Measure& m : schema.measures) {
        const FieldRef ref{FieldRef::Kind::Measure, m.name, 0};
        makeItem(measures, m.caption.isEmpty() ? m.name : m.caption, &ref);
    }
    QHash<QString, QTreeWidgetItem*> dimensions;
    for (const olap::Hierarchy& h : schema.hierarchies) {
        const QString dimensionName = h.dimension.isEmpty() ? h.name : h.dimension;
        // A dimension that only repeats its one hierarchy's name adds a level of nothing.
        const bool ownFolder = dimensionName != h.name
            || std::count_if(schema.hierarchies.begin(), schema.hierarchies.end(),
                             [&](const olap::Hierarchy& other) { return other.dimension == h.dimension; })
                > 1;
        QTreeWidgetItem* parent = m_tree->invisibleRootItem();
        if (ownFolder) {
            QTreeWidgetItem*& dimension = dimensions[dimensionName];
            if (!dimension) {
                dimension = new QTreeWidgetItem(m_tree, {dimensionName});
                dimension->setFlags(dimension->flags() & ~Qt::ItemIsDragEnabled);
            }
            parent = dimension;
        }
        const FieldRef hierarchyRef{FieldRef::Kind::Hierarchy, h.name, 0};
        QTreeWidgetItem* hierarchy = makeItem(parent, h.caption.isEmpty() ? h.name : h.caption, &hierarchyRef);
        if (h.levels.size() > 1)
            for (int l = 0; l < h.levels.size(); ++l) {
                const FieldRef levelRef{FieldRef::Kind::Hierarchy, h.name, l};
                makeItem(hierarchy, h.levels[l].caption.isEmpty() ? h.levels[l].name : h.levels[l].caption, &levelRef);
            }
    }
    m_tree->expandToDepth(0);
    applySearch();
}

void FieldListPanel::setUsedFields(const PivotLayout& layout)
{
    for (QTreeWidgetItemIterator it(m_tree); *it; ++it) {
        const auto field = fieldOf(*it);
        QFont font = (*it)->font(0);
        const bool levelItem = (*it)->parent() && fieldOf((*it)->parent()).has_value();
        font.setBold(field && !levelItem && layout.find(FieldRef{field->kind, field->name, 0}).has_value());
        (*it)->setFont(0, font);
    }
}

void FieldListPanel::setSearchText(const QString& text)
{
    m_search->setText(text);
}

void FieldListPanel::applySearch()
{
    const QString needle = m_search->text().trimmed();
    // An item stays visible when it or anything below it matches.
    std::function<bool(QTreeWidgetItem*)> visit = [&](QTreeWidgetItem* item) {
        bool any = needle.isEmpty() || item->text(0).contains(needle, Qt::CaseInsensitive);
        bool childMatches = false;
        for (int i = 0; i < item->childCount(); ++i)
            childMatches = visit(item->child(i)) || childMatches;
        if (!needle.isEmpty() && item->text(0).contains(needle, Qt::CaseInsensitive))
            for (int i = 0; i < item->childCount(); ++i)
                item->child(i)->setHidden(false);   // a matching folder shows all it holds
        item->setHidden(!(any || childMatches));
        if (!needle.isEmpty() && childMatches)
            item->setExpanded(true);
        return any || childMatches;
    };
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i)
        visit(m_tree->topLevelItem(i));
}

void FieldListPanel::showMenu(const QPoint& pos)
{
    const auto field = fieldOf(m_tree->itemAt(pos));
    if (!field)
        return;
    QMenu menu(this);
    if (field->kind == FieldRef::Kind::Measure) {
        menu.addAction(QCoreApplication::translate("pivot", "Add to Data Area"), this,
                       [=, this] { emit addRequested(*field, Area::Data); });
    } else {
        menu.addAction(QCoreApplication::translate("pivot", "Add to Row Area"), this,
                       [=, this] { emit addRequested(*field, Area::Row); });
        menu.addAction(QCoreApplication::translate("pivot", "Add to Column Area"), this,
                       [=, this] { emit addRequested(*field, Area::Column); });
        menu.addAction(QCoreApplication::translate("pivot", "Add to Filter Area"), this,
                       [=, this] { emit addRequested(*field, Area::Filter); });
    }
    menu.exec(m_tree->viewport()->mapToGlobal(pos));
}

}
