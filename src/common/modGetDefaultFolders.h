#pragma once

#include <QString>

namespace modGetDefaultFolders {

constexpr long CSIDL_PERSONAL = 5;   // the user's documents folder

// The current user's folder of that id, or "" when it does not exist or is not known.
QString fncGetSpecialFolderPath(long folderId, long flags);
// The text before its first NUL character.
QString fncTrimNull(const QString& text);

}
