// Shows the three styles of the combo box in a small dialog, with item images and
// indentation, and writes the screen to the PNG file named on the command line, then
// again with the drop-down list of the middle one open (name-open.png). Run it on a real display server (xvfb-run).
#include "controls/unicombo/uniCombo.h"

#include <QApplication>
#include <QDialog>
#include <QFormLayout>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

using namespace unicombo;

namespace {

QPixmap swatch(const QColor& color, const QString& letter)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(color);
    p.setPen(color.darker());
    p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
    p.setPen(Qt::white);
    p.drawText(pixmap.rect(), Qt::AlignCenter, letter);
    return pixmap;
}

void fill(uniCombo* combo)
{
    combo->AddBitmap(swatch(QColor(0x2e, 0x7d, 0x32), QStringLiteral("C")));
    combo->AddBitmap(swatch(QColor(0x15, 0x65, 0xc0), QStringLiteral("R")));
    combo->AddBitmap(swatch(QColor(0xc6, 0x28, 0x28), QStringLiteral("T")));
    combo->AddItem(QStringLiteral("Ventes 2024 – Übersicht"), -1, 0, -1, 0, 0);
    combo->AddItem(QStringLiteral("Ἀθῆναι · Москва"), -1, 1, 2, 0, 1);
    combo->AddItem(QStringLiteral("שלום – right to left"), -1, 1, -1, 0, 2);
    combo->AddItem(QStringLiteral("Çà et là, naïve"), -1, 2, -1, 0, 1);
    combo->AddItem(QStringLiteral("Plain item"), -1, -1, -1, 0, 0);
}

}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("combo.png");

    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Save report"));
    auto* form = new QFormLayout(&dialog);
    auto* simple = new uniCombo(&dialog);
    simple->setStyle(0);
    auto* dropDown = new uniCombo(&dialog);
    auto* list = new uniCombo(&dialog);
    list->setStyle(2);
    for (uniCombo* combo : {simple, dropDown, list})
        fill(combo);
    list->setExtendedStyle(0);   // images in the selection field too, from the next creation
    list->setStyle(1);
    list->setStyle(2);
    simple->setListIndex(1);
    simple->setMinimumHeight(150);
    dropDown->setText(QStringLiteral("Typed name – ÜñÏçødé"));
    list->setListIndex(2);
    form->addRow(QStringLiteral("Style 0 (simple)"), simple);
    form->addRow(QStringLiteral("Style 1 (drop-down combo)"), dropDown);
    form->addRow(QStringLiteral("Style 2 (drop-down list)"), list);
    form->addRow(new QPushButton(QStringLiteral("OK")));
    dialog.resize(520, 330);
    dialog.move(20, 20);
    dialog.show();

    // The dialog as it opens, then with the drop-down combo's list open.
    const auto shoot = [](const QString& path) {
        QGuiApplication::primaryScreen()->grabWindow(0).copy(0, 0, 620, 480).save(path);
    };
    QTimer::singleShot(400, [&] {
        shoot(out);
        dropDown->setDropped(true);
    });
    QTimer::singleShot(900, [&] {
        QString open = out;
        shoot(open.replace(QStringLiteral(".png"), QStringLiteral("-open.png")));
        app.quit();
    });
    return app.exec();
}
