#include "app/output/subSavePicture.h"

#include "app/output/frmSaveSize.h"
#include "app/reportwindow/ReportWindowView.h"
#include "app/state/modGlobals.h"
#include "chart/ChartSpace.h"
#include "common/ErrorBoundary.h"
#include "platform/AtomicFile.h"
#include "platform/MessageBox.h"
#include "platform/Services.h"
#include "platform/VbError.h"

#include <QCoreApplication>

namespace output {

namespace {

const QString kGif = QStringLiteral("gif");

void tellCannotWrite(const QString& file, const QString& why)
{
    platform::services().messageBox->msgBox(
        QCoreApplication::translate("output", "The picture could not be saved to %1:\n%2").arg(file, why),
        platform::mb::vbExclamation, modGlobals::gstrAppTitle);
}

}

reportwindow::ReportWindowView& reportWindowInUse()
{
    reportwindow::ReportWindowView* window = reportwindow::windowInUse();
    if (!window || !window->excChart() || !window->pivReports())
        platform::raiseError(platform::err::ObjectRequired, QStringLiteral("Object required"));
    return *window;
}

bool subSavePicture(const QString& path, int height, int width)
{
    return common::handled(QStringLiteral("subSavePicture"), common::Message::LastStep, [&] {
        reportwindow::ReportWindowView& window = reportWindowInUse();
        QString file = path;
        if (file.isEmpty()) {
            frmSaveSize sizeDialog(window.form());
            sizeDialog.exec();
            file = sizeDialog.strFileName;
            height = sizeDialog.chosenHeight();
            width = sizeDialog.chosenWidth();
        }
        if (file.isEmpty())
            return false;

        const chart::ChartSpace& chart = *window.excChart();
        if (modGlobals::gbOWCXP) {
            const QByteArray picture = chart.GetPicture(kGif, width, height);
            const platform::Result<void> written = platform::writeFileAtomically(file, picture);
            if (!written) {
                tellCannotWrite(file, written.failure().text());
                return false;
            }
            return true;
        }
        // The older component writes the file itself and tells a failed write as 340.
        try {
            chart.ExportPicture(file, kGif, width, height);
        } catch (const platform::VbError& error) {
            if (error.number() != platform::err::ControlArrayElementMissing)
                throw;
            tellCannotWrite(file, error.description());
            return false;
        }
        return true;
    });
}

}
