#include "app/description/SafeDescription.h"

#include "app/state/modGlobals.h"
#include "platform/BoundedRead.h"
#include "platform/MessageBox.h"
#include "platform/Services.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QTextDocument>
#include <QUrl>

namespace description {

SafeDescription safeDescription(const QString& text, const QString& reportName)
{
    SafeDescription safe;
    if (text.size() > kMaxDescriptionLength) {
        safe.refused = true;
        safe.notice =
            QCoreApplication::translate(
                "description", "The description of the report \"%1\" is too large to show: %2 characters, at most %3.")
                .arg(reportName, QString::number(text.size()), QString::number(kMaxDescriptionLength));
        return safe;
    }
    const HtmlRewriter::Result rewritten = HtmlRewriter::rewrite(text);
    safe.html = rewritten.html;
    if (rewritten.flattened)
        safe.notice = QCoreApplication::translate("description",
                                                  "The description of the report \"%1\" nests too deeply to show "
                                                  "as written; its innermost levels are shown flattened.")
                          .arg(reportName);
    return safe;
}

void tellNotice(const SafeDescription& description)
{
    if (!description.notice.isEmpty())
        platform::services().messageBox->msgBox(description.notice, platform::mb::vbExclamation,
                                                modGlobals::gstrAppTitle);
}

QVariant descriptionResource(int type, const QUrl& name)
{
    const QString scheme = name.scheme().toLower();
    // The document decodes a picture written into the page itself; it is as large as the
    // description, which is bounded.
    if (scheme == QLatin1String("data"))
        return {};
    QByteArray bytes;
    if (scheme == QLatin1String("qrc")) {
        QFile file(QLatin1Char(':') + name.path());
        if (file.size() <= kMaxResourceBytes && file.open(QIODevice::ReadOnly))
            bytes = file.readAll();
    } else if (name.isLocalFile() && name.host().isEmpty()) {
        platform::Result<QByteArray> read = platform::readSmallRegularFile(name.toLocalFile(), kMaxResourceBytes);
        if (read)
            bytes = std::move(read).value();
    }
    if (type == QTextDocument::ImageResource && bytes.isEmpty()) {
        // A picture that cannot be shown takes no room.
        QImage blank(1, 1, QImage::Format_ARGB32);
        blank.fill(Qt::transparent);
        return blank;
    }
    return bytes;
}

}
