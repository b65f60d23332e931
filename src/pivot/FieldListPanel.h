#pragma once

#include "olap/CubeSource.h"
#include "pivot/PivotLayout.h"

#include <QWidget>

class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace pivot {

// The cube's fields as a tree (dimension, hierarchy, level; measures apart), with a
// search box. Fields are dragged from here to the drop areas, or added by the context
// menu or Enter; a field dropped back here leaves the pivot.
class FieldListPanel : public QWidget
{
    Q_OBJECT
public:
    explicit FieldListPanel(QWidget* parent = nullptr);

    void setSchema(const olap::CubeSchema& schema);
    // Fields in use are shown in bold.
    void setUsedFields(const PivotLayout& layout);
    void setSearchText(const QString& text);
    QTreeWidget* tree() const { return m_tree; }
    // The field an item stands for; nothing for dimension and folder items.
    static std::optional<FieldRef> fieldOf(const QTreeWidgetItem* item);

signals:
    void addRequested(const pivot::FieldRef& field, pivot::Area area);
    void removeRequested(const pivot::FieldRef& field);

private:
    void applySearch();
    void showMenu(const QPoint& pos);

    QLineEdit* m_search;
    QTreeWidget* m_tree;
};

}
