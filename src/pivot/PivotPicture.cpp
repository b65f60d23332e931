#include "pivot/PivotPicture.h"

#include "pivot/PivotGridView.h"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace pivot {

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

    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    frame.render(&painter);
    painter.end();
    frame.hide();
    return image;
}

}
