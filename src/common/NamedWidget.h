#pragma once

#include <QString>
#include <QWidget>
#include <utility>

namespace common {

// A new control in `parent` under the object name that the caption translation and the
// tests know it by. The widget's own arguments come first, as its constructor takes them.
template<class W, class... Args>
W* named(QWidget* parent, const char* name, Args&&... args)
{
    auto* widget = new W(std::forward<Args>(args)..., parent);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

}
