#pragma once

#include "common/ErrorBoundary.h"

#include <QString>
#include <utility>

// What the combo box's own source files share: its limits, its styles and the error call
// of its operations ("UniCombo:<operation>").
namespace unicombo::shared {

constexpr int kMaxImageSize = 256;
constexpr int kMaxDroppedPixels = 16384;

template<class F>
decltype(auto) guarded(const char* operation, F&& body)
{
    return common::handled(QStringLiteral("UniCombo:") + QLatin1String(operation), common::Message::Description,
                           std::forward<F>(body));
}

// Any style but the two others is the drop-down combo, and is kept as such.
inline int normalStyle(int style)
{
    return style == 0 || style == 2 ? style : 1;
}

}
