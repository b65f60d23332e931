#include "app/savereport/htmleditor/CommandBarIcons.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>
#include <map>

namespace savereport::htmleditor {

namespace {

constexpr int kSize = 16;
const QColor kInk(0x30, 0x30, 0x30);
const QColor kAccent(0x1f, 0x5f, 0xb0);

using Drawing = std::function<void(QPainter&)>;

void letter(QPainter& p, const QString& text, bool bold, bool italic, bool underline)
{
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(13);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    p.setFont(font);
    p.drawText(QRectF(0, 0, kSize, kSize), Qt::AlignCenter, text);
}

void sheet(QPainter& p, const QRectF& r)
{
    p.setBrush(Qt::white);
    p.drawRect(r);
}

void arrow(QPainter& p, bool forward)
{
    QPainterPath path;
    const qreal dir = forward ? 1 : -1;
    const qreal x0 = forward ? 3 : 13;
    path.moveTo(x0, 10);
    path.cubicTo(x0, 4, x0 + dir * 10, 4, x0 + dir * 10, 11);
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setBrush(kInk);
    const qreal tip = x0 + dir * 10;
    p.drawPolygon(QPolygonF({QPointF(tip - 3, 10), QPointF(tip + 3, 10), QPointF(tip, 14)}));
}

void listLines(QPainter& p, bool numbered)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(6);
    p.setFont(font);
    for (int row = 0; row < 3; ++row) {
        const qreal y = 3.5 + row * 4.5;
        if (numbered)
            p.drawText(QRectF(0, y - 3.5, 5, 7), Qt::AlignCenter, QString::number(row + 1));
        else
            p.drawEllipse(QPointF(2.5, y), 1.2, 1.2);
        p.drawLine(QPointF(6.5, y), QPointF(15, y));
    }
}

const std::map<QString, Drawing>& drawings()
{
    static const std::map<QString, Drawing> table{
        {QStringLiteral("cmdCut"),
         [](QPainter& p) {
             p.drawLine(QPointF(4, 1), QPointF(11, 10));
             p.drawLine(QPointF(12, 1), QPointF(5, 10));
             p.drawEllipse(QPointF(4, 12.5), 2.5, 2.5);
             p.drawEllipse(QPointF(12, 12.5), 2.5, 2.5);
         }},
        {QStringLiteral("cmdCopy"),
         [](QPainter& p) {
             sheet(p, QRectF(1.5, 1.5, 8, 10));
             sheet(p, QRectF(6.5, 4.5, 8, 10));
         }},
        {QStringLiteral("cmdPaste"),
         [](QPainter& p) {
             p.setBrush(QColor(0xc8, 0xa0, 0x60));
             p.drawRect(QRectF(2.5, 2.5, 10, 12));
             p.setBrush(kInk);
             p.drawRect(QRectF(5.5, 1, 4, 3));
             sheet(p, QRectF(7.5, 6.5, 7, 8));
         }},
        {QStringLiteral("cmdUndo"), [](QPainter& p) { arrow(p, false); }},
        {QStringLiteral("cmdRedo"), [](QPainter& p) { arrow(p, true); }},
        {QStringLiteral("cmdBold"), [](QPainter& p) { letter(p, QStringLiteral("B"), true, false, false); }},
        {QStringLiteral("cmdItalic"), [](QPainter& p) { letter(p, QStringLiteral("I"), false, true, false); }},
        {QStringLiteral("cmdUnderline"), [](QPainter& p) { letter(p, QStringLiteral("U"), false, false, true); }},
        {QStringLiteral("cmdNumbers"), [](QPainter& p) { listLines(p, true); }},
        {QStringLiteral("cmdBullets"), [](QPainter& p) { listLines(p, false); }},
        {QStringLiteral("cmdInsertImage"),
         [](QPainter& p) {
             sheet(p, QRectF(1.5, 2.5, 13, 11));
             p.setBrush(kAccent);
             p.drawPolygon(QPolygonF(
                 {QPointF(2.5, 12.5), QPointF(7, 6), QPointF(10, 10), QPointF(11.5, 8.5), QPointF(13.5, 12.5)}));
             p.drawEllipse(QPointF(11, 5.5), 1.3, 1.3);
         }},
        {QStringLiteral("cmdHyperlink"),
         [](QPainter& p) {
             p.setPen(QPen(kAccent, 1.6));
             p.setBrush(Qt::NoBrush);
             p.drawRoundedRect(QRectF(1, 5, 8, 5), 2.5, 2.5);
             p.drawRoundedRect(QRectF(7, 6, 8, 5), 2.5, 2.5);
         }},
        {QStringLiteral("cmdHTML"),
         [](QPainter& p) {
             QFont font(QStringLiteral("DejaVu Sans Mono"));
             font.setPixelSize(8);
             font.setBold(true);
             p.setFont(font);
             p.drawText(QRectF(0, 0, kSize, kSize), Qt::AlignCenter, QStringLiteral("</>"));
         }},
        {QStringLiteral("cmdWYSIWYG"), [](QPainter& p) { letter(p, QStringLiteral("Aa"), false, false, false); }},
    };
    return table;
}

QPixmap render(const Drawing& draw, qreal scale)
{
    QPixmap pixmap(int(kSize * scale), int(kSize * scale));
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kInk, 1));
    draw(painter);
    return pixmap;
}

}

QIcon commandBarIcon(const QString& tag)
{
    const auto found = drawings().find(tag);
    if (found == drawings().end())
        return QIcon();
    QIcon icon;
    icon.addPixmap(render(found->second, 1));
    icon.addPixmap(render(found->second, 2));
    return icon;
}

}
