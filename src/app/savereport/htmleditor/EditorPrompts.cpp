#include "app/savereport/htmleditor/EditorPrompts.h"

#include "common/AppTitle.h"
#include "lang/modMultiLingual.h"
#include "platform/FilePicker.h"
#include "platform/MessageBox.h"
#include "platform/Services.h"

#include <QCoreApplication>

namespace savereport::htmleditor {

EditorPrompts defaultEditorPrompts()
{
    EditorPrompts prompts;
    prompts.imageFile = [](QWidget* parent) {
        return platform::services().filePicker->openFileName(
            {parent, modMultiLingual::LNGINSERTIMAGE,
             QCoreApplication::translate("savereport::htmleditor", "Images (%1)")
                 .arg(QStringLiteral("*.png *.jpg *.jpeg *.gif *.bmp *.svg"))});
    };
    prompts.linkAddress = [](QWidget*) {
        return platform::services().messageBox->inputBox(modMultiLingual::LNGHYPERLINK, modGlobals::gstrAppTitle,
                                                         QStringLiteral("https://"));
    };
    return prompts;
}

}
