#include "common/modGetDefaultFolders.h"

#include "common/ErrorBoundary.h"
#include "platform/Services.h"
#include "platform/SpecialFolders.h"

#include <QFileInfo>

namespace modGetDefaultFolders {

QString fncGetSpecialFolderPath(long folderId, long /*flags*/)
{
    return common::handled(QStringLiteral("modGetDefaultFolder.fncGetSpecialFolderPath"), common::Message::LastStep,
                           [&] {
                               if (folderId != CSIDL_PERSONAL)
                                   return QString();
                               const QString documents = platform::services().folders->documents();
                               return QFileInfo(documents).isDir() ? fncTrimNull(documents) : QString();
                           });
}

QString fncTrimNull(const QString& text)
{
    const qsizetype nul = text.indexOf(QChar(0));
    return nul < 0 ? text : text.left(nul);
}

}
