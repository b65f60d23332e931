#pragma once

#include "pivot/PivotLayout.h"

#include <QMimeData>
#include <memory>
#include <optional>

namespace pivot {

// Fields travel between the field list and the drop areas as this private MIME type.
std::unique_ptr<QMimeData> fieldMimeData(const FieldRef& field);
std::optional<FieldRef> fieldFromMimeData(const QMimeData* data);
bool hasField(const QMimeData* data);

}
