#include "chart/GifWriter.h"

#include "chart/ColorQuantizer.h"
#include "platform/VbError.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <gif_lib.h>
#include <memory>

namespace chart {
namespace {

[[noreturn]] void cannotExport(const QString& why)
{
    platform::raiseError(platform::err::ControlArrayElementMissing,
                         QCoreApplication::translate("chart", "The picture cannot be exported: %1").arg(why),
                         QStringLiteral("GifWriter"));
}

int appendBytes(GifFileType* gif, const GifByteType* bytes, int length)
{
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(bytes), length);
    return length;
}

int colorBits(int colors)
{
    int bits = 1;
    while ((1 << bits) < colors)
        ++bits;
    return bits;
}

struct MapDeleter
{
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

}

QByteArray encodeGif(const QImage& image)
{
    if (image.isNull() || image.width() > 65535 || image.height() > 65535)
        cannotExport(QCoreApplication::translate("chart", "no image of a size a GIF can hold"));
    const IndexedImage indexed = quantize(image);
    const int bits = colorBits(int(indexed.palette.size()));
    std::unique_ptr<ColorMapObject, MapDeleter> map(GifMakeMapObject(1 << bits, nullptr));
    if (!map)
        cannotExport(QCoreApplication::translate("chart", "out of memory"));
    for (int i = 0; i < (1 << bits); ++i) {
        const QRgb c = i < indexed.palette.size() ? indexed.palette[i] : qRgb(0, 0, 0);
        map->Colors[i] = {GifByteType(qRed(c)), GifByteType(qGreen(c)), GifByteType(qBlue(c))};
    }

    QByteArray bytes;
    int error = 0;
    GifFileType* gif = EGifOpen(&bytes, appendBytes, &error);
    if (!gif)
        cannotExport(QString::fromLatin1(GifErrorString(error)));
    bool ok = EGifPutScreenDesc(gif, indexed.width, indexed.height, bits, 0, map.get()) == GIF_OK
        && EGifPutImageDesc(gif, 0, 0, indexed.width, indexed.height, false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < indexed.height; ++y) {
        auto* row = reinterpret_cast<GifPixelType*>(const_cast<char*>(indexed.indexes.constData()))
            + qsizetype(y) * indexed.width;
        ok = EGifPutLine(gif, row, indexed.width) == GIF_OK;
    }
    const int lastError = gif->Error;
    if (EGifCloseFile(gif, &error) != GIF_OK || !ok)
        cannotExport(QString::fromLatin1(GifErrorString(ok ? error : lastError)));
    return bytes;
}

void writeGif(const QImage& image, const QString& path)
{
    const QByteArray bytes = encodeGif(image);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        cannotExport(QStringLiteral("%1: %2").arg(path, file.errorString()));
}

}
