#include "pivot/PivotPicture.h"

#include "pivot/PivotGridView.h"

#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace pivot {

QSize pictureCanvas(const QSize& size, const QSize& overflow)
{
    if (overflow.width() <= 0 && overflow.height() <= 0)
        return size;
    const double wider = double(size.width() + std::max(0, overflow.width())) / size.width();
    const double taller = double(size.height() + std::max(0, overflow.height())) / size.height();
    // A large picture is not drawn larger still: the canvas stays within a few hundred
    // megabytes.
    constexpr double kMaxCanvasPixels = 40e6;
    const double roomy = std::max(1.0, std::sqrt(kMaxCanvasPixels / (double(size.width()) * size.height())));
    const double factor = std::min({std::max(wider, taller), kMaxPictureShrink, roomy});
    return QSize(int(std::ceil(size.width() * factor)), int(std::ceil(size.height() * factor)));
}

QImage renderPivotPicture(const PivotGridView& source, const QString& title, const QSize& size)
{
    QWidget frame;
    frame.setAttribute(Qt::WA_DontShowOnScreen);
    frame.setAutoFillBackground(true);
    frame.setPalette(QPalette(Qt::white));
    auto* layout = new QVBoxLayout(&frame);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    if (!title.isEmpty()) {
        auto* label = new QLabel(title, &frame);
        label->setStyleSheet(QStringLiteral("background: #2f4f7f; color: white; font-weight: bold; padding: 3px 6px;"));
        layout->addWidget(label);
    }
    auto* grid = new PivotGridView(source.pivotModel(), &frame);
    grid->setSlotCaptions(source.rowSlotCaptions(), source.columnSlotCaptions());
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setFrameShape(QFrame::NoFrame);
    layout->addWidget(grid, 1);
    frame.resize(size);
    frame.show();   // lays out the headers; WA_DontShowOnScreen keeps it off any display
    grid->fitToContents();
    frame.layout()->activate();

    // A table larger than the picture is drawn whole and smaller, never cut off: a
    // print-out without its last columns or rows would silently lose figures.
    const QSize canvas =
        pictureCanvas(size, QSize(grid->horizontalScrollBar()->maximum(), grid->verticalScrollBar()->maximum()));
    if (canvas != size) {
        frame.resize(canvas);
        frame.layout()->activate();
    }

    QImage image(canvas, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    frame.render(&painter);
    painter.end();
    frame.hide();
    if (canvas == size)
        return image;
    return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}
