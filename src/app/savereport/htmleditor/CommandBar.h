#pragma once

#include "app/savereport/htmleditor/HtmlEditorEngine.h"

#include <QList>
#include <QString>
#include <optional>

class QToolButton;
class QWidget;

namespace savereport::htmleditor {

// The editor's row of fourteen buttons, left to right. Each button keeps its tag in the
// "Tag" property; the source and design view switches share one place, one shown at a time.
struct CommandBarButton
{
    const char* tag;
    int leftTwips;
    const QString* tooltip;   // a phrase variable; nullptr: none set here
    std::optional<EditCommand> command;
};

constexpr int kCommandBarButtons = 14;

// The entry with that tag; the last entry when none has it.
const CommandBarButton& commandBarButton(const QString& tag);

// The row's buttons, made in `parent` at their places with their icons; no tooltips yet.
QList<QToolButton*> createCommandBar(QWidget* parent);

// The row's height in pixels on the widget's screen; the views sit below it.
int commandBarHeight(const QWidget& widget);

QString tagOf(const QToolButton& button);

}
