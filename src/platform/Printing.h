#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <memory>

class QPrinter;

namespace platform {

// Asks the user where to print. Null when the user cancels.
class PrinterChooser
{
public:
    virtual ~PrinterChooser() = default;
    virtual std::unique_ptr<QPrinter> choosePrinter(const QString& documentName) = 0;
};

class PrintDialogChooser : public PrinterChooser
{
public:
    std::unique_ptr<QPrinter> choosePrinter(const QString& documentName) override;
};

// A picture that a printed page names in an <img> tag.
struct PagePicture
{
    QString name;
    QImage image;
};

// The "Print" verb: prints a text or HTML file inside the program. The program's own
// pages are UTF-16LE without a byte-order mark; other files are read as UTF-8 unless
// they carry a byte-order mark. Pictures are found relative to the file's folder.
class DocumentPrinter
{
public:
    // False when the file cannot be read or the user cancelled.
    static bool printFile(const QString& path);
    // Prints an HTML page whose pictures come from `pictures` alone: a tag naming any
    // other picture never shows a file of that name. False when the user cancelled.
    static bool printPage(const QString& html, const QString& documentName, const QList<PagePicture>& pictures);
    static QString readDocumentText(const QString& path);
};

}
