#include "platform/MailClient.h"

#include "platform/AtomicFile.h"
#include "platform/Desktop.h"
#include "platform/Services.h"
#include "platform/SpecialFolders.h"
#include "platform/VbError.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace platform {

namespace {

QString freeCopyName(const QString& folder)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    QString path = folder + QStringLiteral("/mail-%1.txt").arg(stamp);
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = folder + QStringLiteral("/mail-%1-%2.txt").arg(stamp).arg(n);
    return path;
}

}

void MailItem::Save()
{
    const QString folder = services().folders->documents() + QStringLiteral("/Zelbrin");
    QDir().mkpath(folder);
    const QString path = freeCopyName(folder);
    const QString text = QStringLiteral("To: %1\r\nSubject: %2\r\n\r\n%3").arg(To, Subject, Body);
    if (!writeFileAtomically(path, text.toUtf8()))
        raiseError(err::DeviceIOError, QStringLiteral("Device I/O error"), path);
    m_savedCopy = path;
}

void MailItem::Display()
{
    const QStringList arguments{
        QStringLiteral("--utf8"), QStringLiteral("--subject"), Subject, QStringLiteral("--body"), Body, To};
    if (!services().launcher->startDetached(QStringLiteral("xdg-email"), arguments))
        raiseError(err::ComponentCannotCreate, QStringLiteral("No mail client could be started"),
                   QStringLiteral("xdg-email"));
}

QString MailApplication::Version() const
{
    return QStringLiteral("12.0 (xdg-email)");
}

std::unique_ptr<MailItem> MailApplication::CreateItem(int itemType) const
{
    if (itemType != 0)
        raiseError(err::InvalidArgument, QStringLiteral("Invalid procedure call or argument"));
    return std::make_unique<MailItem>();
}

}
