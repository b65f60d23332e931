#pragma once

#include <QColor>
#include <QIcon>
#include <QList>
#include <QObject>
#include <QPixmap>

namespace unicombo {

// A list of same-sized images that combo box items name by index. Each list has a handle
// (a number that stays valid while the list lives) by which it can be handed around and
// found again, as the combo box's ImageList property accepts.
class ImageList : public QObject
{
    Q_OBJECT
    Q_PROPERTY(qlonglong hImageList READ hImageList CONSTANT)
public:
    explicit ImageList(int imageSize, QObject* parent = nullptr);
    ~ImageList() override;

    static ImageList* fromHandle(qlonglong handle);
    qlonglong hImageList() const { return m_handle; }

    int ImageSize() const { return m_size; }
    // Existing images are scaled to the new size, never dropped.
    void setImageSize(int pixels);
    int Count() const { return static_cast<int>(m_images.size()); }

    // Each returns the new image's index, or -1 for an empty image.
    int Add(const QPixmap& bitmap);
    int AddMasked(const QPixmap& bitmap, const QColor& maskColor);
    int AddIcon(const QIcon& icon);

    // An empty pixmap for an index the list does not hold.
    QPixmap image(int index) const;

private:
    int append(const QPixmap& image);

    int m_size;
    QList<QPixmap> m_images;
    qlonglong m_handle;
};

}
