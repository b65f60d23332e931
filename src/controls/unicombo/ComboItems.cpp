#include "controls/unicombo/ComboItems.h"

#include "controls/unicombo/ImageList.h"

#include <QApplication>
#include <QPainter>

namespace unicombo {

namespace comboitems {

ItemModel::ItemModel(ImageSource images, QObject* parent) : QStandardItemModel(parent), m_images(std::move(images))
{
}

QVariant ItemModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DecorationRole)
        return QStandardItemModel::data(index, role);
    ImageList* list = m_fieldImages ? m_images() : nullptr;
    if (!list)
        return {};
    const QPixmap image = list->image(QStandardItemModel::data(index, SelectedImageRole).toInt());
    return image.isNull() ? QVariant() : QVariant(QIcon(image));
}

ItemDelegate::ItemDelegate(ImageSource images, QObject* parent)
    : QStyledItemDelegate(parent), m_images(std::move(images))
{
}

void ItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const bool selected = opt.state & QStyle::State_Selected;
    QStyle* style = opt.widget ? opt.widget->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &opt, painter, opt.widget);

    QRect area = opt.rect.adjusted(2, 0, -2, 0);
    area.setLeft(area.left() + index.data(IndentRole).toInt() * kIndentStep);
    if (ImageList* list = m_images()) {
        const int imageIndex = index.data(selected ? SelectedImageRole : ImageRole).toInt();
        const QPixmap image = list->image(imageIndex);
        const int size = list->ImageSize();
        if (!image.isNull())
            painter->drawPixmap(area.left(), area.top() + (area.height() - size) / 2, image);
        area.setLeft(area.left() + size + 3);
    }
    painter->save();
    painter->setPen(opt.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setFont(opt.font);
    painter->drawText(area, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                      opt.fontMetrics.elidedText(index.data(Qt::DisplayRole).toString(), Qt::ElideRight, area.width()));
    painter->restore();
}

QSize ItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (ImageList* list = m_images())
        size.setHeight(std::max(size.height(), list->ImageSize() + 2));
    size.setWidth(size.width() + index.data(IndentRole).toInt() * kIndentStep
                  + (m_images() ? m_images()->ImageSize() + 3 : 0));
    return size;
}

}

}
