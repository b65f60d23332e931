#include "app/output/modPrintOut.h"

#include "app/reportwindow/ReportWindow.h"
#include "app/state/modGlobals.h"
#include "app/output/subSavePicture.h"
#include "common/ErrorBoundary.h"
#include "common/modErroHandling.h"
#include "common/modFileHandling.h"
#include "pivot/PivotTable.h"
#include "platform/MessageBox.h"
#include "platform/Printing.h"
#include "platform/Services.h"
#include "platform/VbError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRadioButton>

namespace output::modPrintOut {

namespace {

const QString kPivotFile = QStringLiteral("piv.gif");
const QString kChartFile = QStringLiteral("chart.gif");
const QString kPageFile = QStringLiteral("OLAPReport.htm");

QString imageTag(const PrintedPicture& picture)
{
    return QStringLiteral("<img border ='0' src='%1' width='%2' height='%3'>")
        .arg(picture.file)
        .arg(picture.width)
        .arg(picture.height);
}

void exportPivot(pivot::PivotTable& pivot, const QString& folder, const PrintedPicture& picture)
{
    pivot.ExportPicture(QDir(folder).filePath(picture.file), QStringLiteral("gif"), picture.width, picture.height);
}

bool saveChart(const QString& folder, const PrintedPicture& picture)
{
    return subSavePicture(QDir(folder).filePath(picture.file), picture.height, picture.width);
}

void tellPivotCannotPrint(const QString& why)
{
    platform::services().messageBox->msgBox(
        QCoreApplication::translate("output", "The pivot table cannot be printed:\n%1").arg(why),
        platform::mb::vbExclamation, modGlobals::gstrAppTitle);
}

// What the page shows is read back from the files just written, so the print is what the
// files hold.
QList<platform::PagePicture> readPictures(const QString& folder, const QList<PrintedPicture>& pictures)
{
    QList<platform::PagePicture> read;
    for (const PrintedPicture& picture : pictures) {
        const QImage image(QDir(folder).filePath(picture.file), "GIF");
        read.append(platform::PagePicture{picture.file, image.convertToFormat(QImage::Format_RGB32)});
    }
    return read;
}

}

QString pageText(const QList<PrintedPicture>& pictures)
{
    QStringList tags;
    for (const PrintedPicture& picture : pictures)
        tags << imageTag(picture);
    return QStringLiteral("<html><body><p>") + tags.join(QStringLiteral("<br>")) + QStringLiteral("</body></html>");
}

void subPrintOut()
{
    common::handled(QStringLiteral("subPrintOut"), common::Message::LastStep, [] {
        modErroHandling::subLogStep(QStringLiteral("Printing current report"));
        const QString folder = modFileHandling::fncClearEndSlash(modFileHandling::fncGetTempPath());
        reportwindow::ReportWindow& window = reportWindowInUse();
        // A picture left by an earlier print must never stand in for one that fails now.
        QFile::remove(QDir(folder).filePath(kPivotFile));
        QFile::remove(QDir(folder).filePath(kChartFile));

        QList<PrintedPicture> made;
        if (window.optBoth()->isChecked()) {
            const PrintedPicture pivot{kPivotFile, 600, 400};
            const PrintedPicture chart{kChartFile, 600, 400};
            common::ResumeNext ignore;
            if (ignore.run([&] { exportPivot(*window.pivReports(), folder, pivot); }))
                made << pivot;
            if (saveChart(folder, chart))
                made << chart;
        } else if (window.optPivot()->isChecked()) {
            const PrintedPicture pivot{kPivotFile, 600, 800};
            try {
                exportPivot(*window.pivReports(), folder, pivot);
            } catch (const platform::VbError& error) {
                if (error.number() != platform::err::ControlArrayElementMissing)
                    throw;
                tellPivotCannotPrint(error.description());
                return;
            }
            made << pivot;
        } else {
            const PrintedPicture chart{kChartFile, 600, 800};
            if (saveChart(folder, chart))
                made << chart;
        }
        // A chart that could not be saved has been told to the user already.
        if (made.isEmpty())
            return;

        const QString page = pageText(made);
        const QString written = modFileHandling::fncSaveTextFile(QDir(folder).filePath(kPageFile), page, false);
        modErroHandling::subLogStep(QStringLiteral("Attempting to print the file ") + written);
        platform::DocumentPrinter::printPage(page, kPageFile, readPictures(folder, made));
    });
}

}
