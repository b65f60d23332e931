#include "controls/unicombo/ImageList.h"

#include <QBitmap>
#include <QHash>
#include <QPointer>

namespace unicombo {

namespace {

QHash<qlonglong, QPointer<ImageList>>& lists()
{
    static QHash<qlonglong, QPointer<ImageList>> all;
    return all;
}

qlonglong nextHandle()
{
    static qlonglong next = 0x10000;
    return next += 4;
}

}

ImageList::ImageList(int imageSize, QObject* parent)
    : QObject(parent), m_size(std::max(1, imageSize)), m_handle(nextHandle())
{
    lists().insert(m_handle, this);
}

ImageList::~ImageList()
{
    lists().remove(m_handle);
}

ImageList* ImageList::fromHandle(qlonglong handle)
{
    return lists().value(handle);
}

void ImageList::setImageSize(int pixels)
{
    pixels = std::max(1, pixels);
    if (pixels == m_size)
        return;
    m_size = pixels;
    for (QPixmap& image : m_images)
        image = image.scaled(m_size, m_size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

int ImageList::append(const QPixmap& image)
{
    if (image.isNull())
        return -1;
    m_images.append(image.size() == QSize(m_size, m_size)
                        ? image
                        : image.scaled(m_size, m_size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    return Count() - 1;
}

int ImageList::Add(const QPixmap& bitmap)
{
    return append(bitmap);
}

int ImageList::AddMasked(const QPixmap& bitmap, const QColor& maskColor)
{
    if (bitmap.isNull())
        return -1;
    QPixmap masked = bitmap;
    masked.setMask(bitmap.createMaskFromColor(maskColor, Qt::MaskInColor));
    return append(masked);
}

int ImageList::AddIcon(const QIcon& icon)
{
    return append(icon.pixmap(m_size, m_size));
}

QPixmap ImageList::image(int index) const
{
    return index >= 0 && index < Count() ? m_images.at(index) : QPixmap();
}

}
