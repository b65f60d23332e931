#include "chart/ColorQuantizer.h"

#include <QHash>
#include <QPainter>
#include <algorithm>
#include <array>
#include <climits>

namespace chart {
namespace {

constexpr int kMaxColors = 256;
// Colours reserved for the biggest areas before the rest is divided.
constexpr int kReserved = 96;

struct Weighted
{
    QRgb color;
    qint64 count;
};

int channel(QRgb c, int i)
{
    return i == 0 ? qRed(c) : i == 1 ? qGreen(c) : qBlue(c);
}

// Median cut: split the box with the widest channel span at its weighted median until
// there are `boxes` boxes, then take each box's weighted mean.
QVector<QRgb> medianCut(QVector<Weighted> colors, int boxes)
{
    struct Box
    {
        int begin, end;
    };
    QVector<Box> work{{0, int(colors.size())}};
    auto span = [&](const Box& b, int& widest) {
        int best = -1;
        for (int ch = 0; ch < 3; ++ch) {
            int lo = 255, hi = 0;
            for (int i = b.begin; i < b.end; ++i) {
                lo = std::min(lo, channel(colors[i].color, ch));
                hi = std::max(hi, channel(colors[i].color, ch));
            }
            if (hi - lo > best) {
                best = hi - lo;
                widest = ch;
            }
        }
        return best;
    };
    while (work.size() < boxes) {
        int pick = -1, pickChannel = 0, pickSpan = 0;
        for (int i = 0; i < work.size(); ++i) {
            if (work[i].end - work[i].begin < 2)
                continue;
            int ch = 0;
            const int s = span(work[i], ch);
            if (s > pickSpan) {
                pick = i;
                pickSpan = s;
                pickChannel = ch;
            }
        }
        if (pick < 0)
            break;
        Box box = work[pick];
        std::sort(colors.begin() + box.begin, colors.begin() + box.end, [&](const Weighted& a, const Weighted& b) {
            return channel(a.color, pickChannel) < channel(b.color, pickChannel);
        });
        qint64 total = 0;
        for (int i = box.begin; i < box.end; ++i)
            total += colors[i].count;
        qint64 half = 0;
        int cut = box.begin + 1;
        for (int i = box.begin; i < box.end - 1; ++i) {
            half += colors[i].count;
            cut = i + 1;
            if (half * 2 >= total)
                break;
        }
        work[pick] = {box.begin, cut};
        work.append({cut, box.end});
    }
    QVector<QRgb> palette;
    for (const Box& b : work) {
        qint64 r = 0, g = 0, bl = 0, n = 0;
        for (int i = b.begin; i < b.end; ++i) {
            r += qRed(colors[i].color) * colors[i].count;
            g += qGreen(colors[i].color) * colors[i].count;
            bl += qBlue(colors[i].color) * colors[i].count;
            n += colors[i].count;
        }
        if (n > 0)
            palette.append(qRgb(int(r / n), int(g / n), int(bl / n)));
    }
    return palette;
}

int nearest(const QVector<QRgb>& palette, QRgb c)
{
    int best = 0;
    int bestDistance = INT_MAX;
    for (int i = 0; i < palette.size(); ++i) {
        const int dr = qRed(c) - qRed(palette[i]);
        const int dg = qGreen(c) - qGreen(palette[i]);
        const int db = qBlue(c) - qBlue(palette[i]);
        // Weighted by how strongly the eye tells the channels apart.
        const int distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

}

IndexedImage quantize(const QImage& image)
{
    // Flatten onto white: a GIF without a transparent colour shows what a printed page would.
    QImage rgb(image.size(), QImage::Format_RGB32);
    rgb.fill(Qt::white);
    {
        QPainter painter(&rgb);
        painter.drawImage(0, 0, image);
    }
    IndexedImage out;
    out.width = rgb.width();
    out.height = rgb.height();

    QHash<QRgb, qint64> histogram;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            ++histogram[line[x] | 0xff000000u];
    }
    QVector<Weighted> colors;
    colors.reserve(histogram.size());
    for (auto it = histogram.cbegin(); it != histogram.cend(); ++it)
        colors.append({it.key(), it.value()});
    std::sort(colors.begin(), colors.end(), [](const Weighted& a, const Weighted& b) {
        return a.count != b.count ? a.count > b.count : a.color < b.color;
    });

    if (colors.size() <= kMaxColors) {
        for (const Weighted& w : colors)
            out.palette.append(w.color);
    } else {
        const qint64 pixels = qint64(out.width) * out.height;
        int reserved = 0;
        while (reserved < kReserved && colors[reserved].count * 2000 >= pixels)
            ++reserved;
        for (int i = 0; i < reserved; ++i)
            out.palette.append(colors[i].color);
        out.palette += medianCut(colors.mid(reserved), kMaxColors - reserved);
    }

    QHash<QRgb, uchar> lookup;
    for (int i = 0; i < out.palette.size(); ++i)
        lookup.insert(out.palette[i], uchar(i));
    for (const Weighted& w : colors) {
        if (!lookup.contains(w.color))
            lookup.insert(w.color, uchar(nearest(out.palette, w.color)));
    }
    out.indexes.resize(qsizetype(out.width) * out.height);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        char* row = out.indexes.data() + qsizetype(y) * out.width;
        for (int x = 0; x < rgb.width(); ++x)
            row[x] = char(lookup.value(line[x] | 0xff000000u));
    }
    return out;
}

}
