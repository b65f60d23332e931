#pragma once

#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <functional>

namespace unicombo {

class ImageList;

// The combo box's items: text, image, selected image, indent and item data, kept by the
// control itself so that they outlive every re-creation of its windows.
namespace comboitems {

enum Role {
    ImageRole = Qt::UserRole + 1,   // image index, -1 none
    SelectedImageRole,              // image index shown while the item is selected
    IndentRole,                     // indent steps
    ItemDataRole,                   // the caller's 32-bit value
};

// Pixels per indent step.
constexpr int kIndentStep = 10;

// What the control shows images from at this moment (none, its own list, or one given to it).
using ImageSource = std::function<ImageList*()>;

class ItemModel : public QStandardItemModel
{
public:
    ItemModel(ImageSource images, QObject* parent);
    // The selection field shows the selected image unless it is switched off.
    void setFieldImages(bool on) { m_fieldImages = on; }
    QVariant data(const QModelIndex& index, int role) const override;

private:
    ImageSource m_images;
    bool m_fieldImages = false;
};

// Draws a list row: the indent, then the image (the selected image on the highlighted
// row), then the text exactly as stored.
class ItemDelegate : public QStyledItemDelegate
{
public:
    ItemDelegate(ImageSource images, QObject* parent);
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    ImageSource m_images;
};

}

}
