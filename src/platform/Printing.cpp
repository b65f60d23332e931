#include "platform/Printing.h"

#include "platform/Services.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QPrintDialog>
#include <QPrinter>
#include <QStringDecoder>
#include <QTextDocument>
#include <QUrl>

namespace platform {

namespace {

// Text whose every second byte is zero in its first characters is UTF-16LE.
bool looksLikeUtf16Le(const QByteArray& bytes)
{
    const qsizetype probe = std::min<qsizetype>(bytes.size(), 64) & ~qsizetype(1);
    if (probe < 2)
        return false;
    for (qsizetype i = 1; i < probe; i += 2) {
        if (bytes[i] != 0)
            return false;
    }
    return true;
}

// A page that knows only the pictures it was given.
class SelfContainedPage : public QTextDocument
{
public:
    explicit SelfContainedPage(const QList<PagePicture>& pictures)
    {
        for (const PagePicture& picture : pictures)
            m_pictures.insert(picture.name, picture.image);
    }

protected:
    QVariant loadResource(int type, const QUrl& name) override
    {
        if (type == QTextDocument::ImageResource && m_pictures.contains(name.toString()))
            return m_pictures.value(name.toString());
        return {};
    }

private:
    QHash<QString, QImage> m_pictures;
};

bool printDocument(QTextDocument& document, const QString& documentName)
{
    std::unique_ptr<QPrinter> printer = services().printerChooser->choosePrinter(documentName);
    if (!printer)
        return false;
    document.print(printer.get());
    return true;
}

}

std::unique_ptr<QPrinter> PrintDialogChooser::choosePrinter(const QString& documentName)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setDocName(documentName);
    QPrintDialog dialog(printer.get());
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    return printer;
}

QString DocumentPrinter::readDocumentText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    if (bytes.startsWith("\xFF\xFE") || looksLikeUtf16Le(bytes)) {
        QStringDecoder utf16(QStringConverter::Utf16LE);
        QString text = utf16(bytes.startsWith("\xFF\xFE") ? bytes.mid(2) : bytes);
        return text;
    }
    QStringDecoder utf8(QStringConverter::Utf8);
    return utf8(bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes);
}

bool DocumentPrinter::printFile(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return false;
    const QString text = readDocumentText(path);
    QTextDocument document;
    document.setBaseUrl(QUrl::fromLocalFile(QFileInfo(path).absolutePath() + QLatin1Char('/')));
    if (Qt::mightBeRichText(text) || path.endsWith(QStringLiteral("htm"), Qt::CaseInsensitive)
        || path.endsWith(QStringLiteral("html"), Qt::CaseInsensitive))
        document.setHtml(text);
    else
        document.setPlainText(text);
    return printDocument(document, QFileInfo(path).fileName());
}

bool DocumentPrinter::printPage(const QString& html, const QString& documentName, const QList<PagePicture>& pictures)
{
    SelfContainedPage page(pictures);
    page.setHtml(html);
    return printDocument(page, documentName);
}

}
