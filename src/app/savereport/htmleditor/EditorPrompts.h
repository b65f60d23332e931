#pragma once

#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace savereport::htmleditor {

// What the editor asks the user before it inserts a picture or a link. Nothing (an empty
// optional) means the user cancelled. Tests put their answers in place of the dialogs.
struct EditorPrompts
{
    // The picture to insert, as a local file.
    std::function<std::optional<QString>(QWidget* parent)> imageFile;
    // The address a link goes to.
    std::function<std::optional<QString>(QWidget* parent)> linkAddress;
};

// The program's file picker for pictures, and its input box for the address.
EditorPrompts defaultEditorPrompts();

}
