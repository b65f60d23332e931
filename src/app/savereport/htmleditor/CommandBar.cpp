#include "app/savereport/htmleditor/CommandBar.h"

#include "app/savereport/htmleditor/CommandBarIcons.h"
#include "controls/shared/Twips.h"
#include "lang/modMultiLingual.h"

#include <QToolButton>

namespace savereport::htmleditor {

namespace {

namespace twips = controls::twips;

constexpr int kRowHeightTwips = 330;
constexpr int kButtonWidthTwips = 375;

const QString kHtmlTooltip = QStringLiteral("HTML");

const CommandBarButton kButtons[kCommandBarButtons] = {
    {"cmdCut", 0, &modMultiLingual::LNGCUT, EditCommand::Cut},
    {"cmdCopy", 360, &modMultiLingual::LNGCOPY, EditCommand::Copy},
    {"cmdPaste", 720, &modMultiLingual::LNGPASTE, EditCommand::Paste},
    {"cmdUndo", 1200, &modMultiLingual::LNGUNDO, EditCommand::Undo},
    {"cmdRedo", 1560, &modMultiLingual::LNGREDO, EditCommand::Redo},
    {"cmdBold", 2040, &modMultiLingual::LNGBOLD, EditCommand::Bold},
    {"cmdItalic", 2400, &modMultiLingual::LNGITALIC, EditCommand::Italic},
    {"cmdUnderline", 2760, &modMultiLingual::LNGUNDERLINE, EditCommand::Underline},
    {"cmdNumbers", 3240, nullptr, EditCommand::InsertOrderedList},
    {"cmdBullets", 3600, nullptr, EditCommand::InsertUnorderedList},
    {"cmdInsertImage", 4080, &modMultiLingual::LNGINSERTIMAGE, EditCommand::InsertImage},
    {"cmdHyperlink", 4440, &modMultiLingual::LNGHYPERLINK, EditCommand::CreateLink},
    {"cmdHTML", 4920, &kHtmlTooltip, std::nullopt},
    {"cmdWYSIWYG", 4920, nullptr, std::nullopt},
};

}

const CommandBarButton& commandBarButton(const QString& tag)
{
    for (const CommandBarButton& entry : kButtons) {
        if (tag == QLatin1String(entry.tag))
            return entry;
    }
    return kButtons[kCommandBarButtons - 1];
}

QList<QToolButton*> createCommandBar(QWidget* parent)
{
    const double perX = twips::perPixelX(*parent);
    const double perY = twips::perPixelY(*parent);
    QList<QToolButton*> row;
    for (int index = 0; index < kCommandBarButtons; ++index) {
        const CommandBarButton& entry = kButtons[index];
        auto* button = new QToolButton(parent);
        button->setObjectName(QStringLiteral("cmdCommandBar_%1").arg(index));
        button->setProperty("Tag", QString::fromLatin1(entry.tag));
        button->setAutoRaise(true);
        button->setIcon(commandBarIcon(QString::fromLatin1(entry.tag)));
        button->setGeometry(twips::toPixels(entry.leftTwips, perX), 0, twips::toPixels(kButtonWidthTwips, perX),
                            twips::toPixels(kRowHeightTwips, perY));
        row.append(button);
    }
    return row;
}

int commandBarHeight(const QWidget& widget)
{
    return twips::toPixels(kRowHeightTwips, twips::perPixelY(widget));
}

QString tagOf(const QToolButton& button)
{
    return button.property("Tag").toString();
}

}
