#include "app/output/frmSaveSize.h"

#include "app/output/PictureChoice.h"
#include "chart/ChartSpace.h"
#include "common/AppTitle.h"
#include "common/ErrorBoundary.h"
#include "lang/modMultiLingual.h"
#include "platform/FilePicker.h"
#include "platform/MessageBox.h"
#include "platform/ProcessEnd.h"
#include "platform/Services.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace output {

using common::handler;

frmSaveSize::frmSaveSize(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("frmSaveSize"));
    buildControls();
    // The load event.
    subSetLangCaptions();
}

void frmSaveSize::buildControls()
{
    lblHeight = new QLabel(QStringLiteral("Height"), this);
    lblHeight->setObjectName(QStringLiteral("lblHeight"));
    txtHeight = new QLineEdit(QStringLiteral("600"), this);
    txtHeight->setObjectName(QStringLiteral("txtHeight"));
    lblWidht = new QLabel(QStringLiteral("Width"), this);
    lblWidht->setObjectName(QStringLiteral("lblWidht"));
    Text1 = new QLineEdit(QStringLiteral("800"), this);
    Text1->setObjectName(QStringLiteral("Text1"));
    cmdSave = new QPushButton(QStringLiteral("Save ..."), this);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdSave->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(QPixmap(QStringLiteral(":/images/tessaline-64.png")));
    lblHeight->setBuddy(txtHeight);
    lblWidht->setBuddy(Text1);
    for (QLineEdit* side : {txtHeight, Text1}) {
        side->setMaxLength(8);
        side->setFixedWidth(side->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 16);
    }

    auto* sizes = new QGridLayout;
    sizes->addWidget(lblHeight, 0, 0);
    sizes->addWidget(txtHeight, 0, 1);
    sizes->addWidget(lblWidht, 1, 0);
    sizes->addWidget(Text1, 1, 1);
    auto* top = new QHBoxLayout;
    top->addWidget(Image1, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(sizes);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdSave);
    buttons->addWidget(CancelButton);
    auto* all = new QVBoxLayout(this);
    all->addLayout(top);
    all->addSpacing(8);
    all->addLayout(buttons);
    all->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmdSave, &QPushButton::clicked, this, [this] { cmdSave_Click(); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { CancelButton_Click(); });
}

void frmSaveSize::subSetLangCaptions()
{
    common::handled(QStringLiteral("subSetLangCaptions"), common::Message::LastStep, [this] {
        using namespace modMultiLingual;
        setWindowTitle(LNGIMAGESIZE);
        lblHeight->setText(LNGHEIGHT);
        lblWidht->setText(LNGWIDTH);
        cmdSave->setText(LNGSAVE + QStringLiteral("..."));
        CancelButton->setText(LNGCANCEL);
    });
}

std::optional<int> frmSaveSize::sideIn(QLineEdit* box, const QString& caption)
{
    const std::optional<int> side = pictureSide(box->text());
    if (side)
        return side;
    platform::services().messageBox->msgBox(
        QCoreApplication::translate("output", "%1: please type a whole number of pixels from 1 to %2.")
            .arg(caption)
            .arg(chart::ChartSpace::MaxPictureSide),
        platform::mb::vbExclamation, modGlobals::gstrAppTitle);
    box->setFocus();
    box->selectAll();
    return std::nullopt;
}

void frmSaveSize::cmdSave_Click()
{
    handler("cmdSave_Click", [this] {
        const std::optional<int> height = sideIn(txtHeight, lblHeight->text());
        if (!height)
            return;
        const std::optional<int> width = sideIn(Text1, lblWidht->text());
        if (!width)
            return;
        const std::optional<QString> chosen = platform::services().filePicker->saveFileName(platform::SaveFileRequest{
            this,
            QStringLiteral("Choose where to save the diagram"),
            QStringLiteral("Graphics Interchange Format Image(*.gif)"),
            QStringLiteral("gif"),
        });
        if (!chosen || chosen->isEmpty())
            return;
        strFileName = gifFileName(*chosen);
        m_height = *height;
        m_width = *width;
        accept();
    });
}

void frmSaveSize::CancelButton_Click()
{
    reject();
}

}
