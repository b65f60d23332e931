#include "app/savereport/htmleditor/EditorPrompts.h"

#include "lang/modMultiLingual.h"
#include "platform/MessageBox.h"
#include "platform/Services.h"

#include <QCoreApplication>
#include <QFileDialog>

namespace savereport::htmleditor {

EditorPrompts defaultEditorPrompts()
{
    EditorPrompts prompts;
    prompts.imageFile = [](QWidget* parent) -> std::optional<QString> {
        const QString path = QFileDialog::getOpenFileName(
            parent, modMultiLingual::LNGINSERTIMAGE, QString(),
            QCoreApplication::translate("EditorPrompts", "Images (%1)")
                .arg(QStringLiteral("*.png *.jpg *.jpeg *.gif *.bmp *.svg")));
        if (path.isEmpty())
            return std::nullopt;
        return path;
    };
    prompts.linkAddress = [](QWidget*) {
        return platform::services().messageBox->inputBox(modMultiLingual::LNGHYPERLINK, QString(),
                                                          QStringLiteral("https://"));
    };
    return prompts;
}

}
