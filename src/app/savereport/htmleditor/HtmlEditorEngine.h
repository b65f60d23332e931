#pragma once

#include <QString>

class QWidget;

namespace savereport::htmleditor {

// The editing commands of the editor's button row.
enum class EditCommand {
    Cut,
    Copy,
    Paste,
    Undo,
    Redo,
    Bold,
    Italic,
    Underline,
    InsertOrderedList,
    InsertUnorderedList,
    InsertImage,   // argument: the image's address (a local file URL)
    CreateLink,    // argument: the link's address
};

// The document the description is edited in. Loading is synchronous: write() returns with
// the document in place and runs no events, so the editor cannot be re-entered while a
// text loads. No engine runs scripts or fetches anything from the network.
class HtmlEditorEngine
{
public:
    virtual ~HtmlEditorEngine() = default;

    // The widget that shows the document.
    virtual QWidget* widget() = 0;
    // Replaces the document by the text; the document counts as unmodified afterwards.
    virtual void write(const QString& html) = 0;
    // The document serialised as HTML.
    virtual QString read() const = 0;
    // Whether the document was edited since the last write.
    virtual bool modified() const = 0;
    // False when the document refuses the command (nothing to undo, no address given...).
    virtual bool run(EditCommand command, const QString& argument = QString()) = 0;
};

}
