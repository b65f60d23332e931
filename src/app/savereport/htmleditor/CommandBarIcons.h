#pragma once

#include <QIcon>
#include <QString>

namespace savereport::htmleditor {

// The picture of a button of the editor's row, by the button's tag ("cmdBold"...), drawn
// by the program so that the row looks the same on every desktop. An unknown tag gives an
// empty icon.
QIcon commandBarIcon(const QString& tag);

}
