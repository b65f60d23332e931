#include "FakeDataSource.h"
#include "support/RaisedError.h"

#include "chart/ChartSpace.h"
#include "chart/ChartTypes.h"
#include "chart/GifWriter.h"
#include "platform/VbError.h"

#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <gif_lib.h>
#include <gtest/gtest.h>

using namespace chart;

namespace {

struct Decoded
{
    int width = 0;
    int height = 0;
    int colors = 0;
    QImage image;
};

// Decodes with giflib itself, so the file is checked by the library other programs use.
Decoded decode(const QByteArray& bytes)
{
    struct Reader
    {
        const QByteArray* bytes;
        int at = 0;
    } reader{&bytes};
    int error = 0;
    GifFileType* gif = DGifOpen(
        &reader,
        [](GifFileType* g, GifByteType* out, int n) {
            auto* r = static_cast<Reader*>(g->UserData);
            const int take = std::min<int>(n, int(r->bytes->size()) - r->at);
            memcpy(out, r->bytes->constData() + r->at, size_t(take));
            r->at += take;
            return take;
        },
        &error);
    Decoded d;
    if (!gif || DGifSlurp(gif) != GIF_OK || gif->ImageCount != 1) {
        if (gif)
            DGifCloseFile(gif, &error);
        return d;
    }
    d.width = gif->SWidth;
    d.height = gif->SHeight;
    d.colors = gif->SColorMap ? gif->SColorMap->ColorCount : 0;
    DGifCloseFile(gif, &error);
    d.image = QImage::fromData(bytes, "GIF");
    return d;
}

}

TEST(GifWriter, FewColoursStayExactAndManyAreReducedToAPalette)
{
    QImage flat(40, 30, QImage::Format_RGB32);
    flat.fill(qRgb(0, 114, 178));
    QPainter(&flat).fillRect(10, 10, 5, 5, qRgb(230, 159, 0));
    const Decoded small = decode(encodeGif(flat));
    ASSERT_EQ(small.width, 40);
    ASSERT_EQ(small.height, 30);
    EXPECT_EQ(small.image.pixel(0, 0), qRgb(0, 114, 178));
    EXPECT_EQ(small.image.pixel(12, 12), qRgb(230, 159, 0));

    // A gradient of 65,536 colours: at most 256 remain, each pixel close to its original.
    QImage gradient(256, 256, QImage::Format_RGB32);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x)
            gradient.setPixel(x, y, qRgb(x, y, (x + y) / 2));
    const Decoded many = decode(encodeGif(gradient));
    ASSERT_EQ(many.width, 256);
    EXPECT_LE(many.colors, 256);
    double error = 0;
    for (int y = 0; y < 256; y += 7)
        for (int x = 0; x < 256; x += 7) {
            const QRgb a = gradient.pixel(x, y), b = many.image.pixel(x, y);
            error += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
        }
    EXPECT_LT(error / (37 * 37 * 3), 12);

    // Transparency is laid on white.
    QImage clear(4, 4, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    EXPECT_EQ(decode(encodeGif(clear)).image.pixel(1, 1), qRgb(255, 255, 255));
    EXPECT_EQ(errorOf([] { encodeGif(QImage()); }), platform::err::ControlArrayElementMissing);
}

TEST(GifWriter, AFileIsReplacedWholeOrLeftAlone)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("chart.gif"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(100000, 'x'));
    }
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(Qt::red);
    writeGif(image, path);
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), encodeGif(image));

    EXPECT_EQ(errorOf([&] { writeGif(image, dir.filePath(QStringLiteral("missing/folder/chart.gif"))); }),
              platform::err::ControlArrayElementMissing);
}

TEST(ChartPictures, APictureThatCannotBeMadeRaises340AndTheSmallestIsMade)
{
    ChartSpace space(ComponentVersion::V10);
    const long cannot = platform::err::ControlArrayElementMissing;
    EXPECT_EQ(errorOf([&] { space.GetPicture(QStringLiteral("png"), 100, 100); }), cannot);
    EXPECT_EQ(errorOf([&] { space.GetPicture(QStringLiteral("gif"), 0, 100); }), cannot);
    EXPECT_EQ(errorOf([&] { space.GetPicture(QStringLiteral("gif"), 100, -5); }), cannot);
    EXPECT_EQ(errorOf([&] { space.GetPicture(QStringLiteral("gif"), 100000, 100); }), cannot);
    const Decoded smallest = decode(space.GetPicture(QStringLiteral("gif"), 1, 1));   // still made at its size
    EXPECT_EQ(QSize(smallest.width, smallest.height), QSize(1, 1));
    ChartSpace v9(ComponentVersion::V9);
    EXPECT_EQ(
        errorOf([&] { v9.ExportPicture(QStringLiteral("/nonexistent/dir/a.gif"), QStringLiteral("gif"), 10, 10); }),
        cannot);
}

TEST(ChartPictures, EveryChartTypeDrawsSomethingBesidesTheBackground)
{
    auto source = salesByRegion(3);
    ChartSpace space(ComponentVersion::V11);
    space.setDataSource(source.get());
    for (const ChartTypeTraits& type : allChartTypes()) {
        space.Charts().Item(0).setType(type.number);
        if (type.isXY()) {
            space.Charts().Item(0).SetData(chDimYValues, 0, 0);
            space.Charts().Item(0).SetData(chDimXValues, 0, 1);
            space.Charts().Item(0).SetData(chDimBubbleValues, 0, 2);
        }
        const QImage image = space.renderImage(QSize(300, 200));
        ASSERT_EQ(image.size(), QSize(300, 200));
        // The theme's series colours are saturated; the frame, grid and text are not.
        int coloured = 0;
        for (int y = 0; y < image.height(); y += 2)
            for (int x = 0; x < image.width(); x += 2)
                coloured += QColor(image.pixel(x, y)).saturation() > 80 ? 1 : 0;
        EXPECT_GT(coloured, 20) << type.name;
    }
}
