#include "app/description/subHandleInfoClick.h"

#include "app/description/SafeDescription.h"
#include "app/description/frmReportDescription.h"
#include "app/reports/cOLAPReport.h"
#include "app/state/modGlobals.h"
#include "common/ErrorBoundary.h"
#include "common/modFileHandling.h"

#include <QPointer>

namespace description {

namespace {

QPointer<frmReportDescription>& openWindow()
{
    static QPointer<frmReportDescription> window;
    return window;
}

// The window stays open while other reports are opened, so it says whose description it shows.
QString titleFor(const reports::cOLAPReport& report)
{
    const QString& program = modGlobals::gstrAppTitle;
    return report.ViewName.isEmpty() ? program : report.ViewName + QStringLiteral(" - ") + program;
}

}

frmReportDescription* openDescriptionWindow()
{
    return openWindow().data();
}

void subHandleInfoClick()
{
    common::handled(QStringLiteral("subHandleInfoClick"), common::Message::LastStep, [] {
        const std::shared_ptr<reports::cOLAPReport> report = modGlobals::gobjReport;
        if (!report || report->ReportDescription.isEmpty())
            return;
        const QString& text = report->ReportDescription;
        const QString name = text.contains(QLatin1String("</body>"), Qt::CaseInsensitive)
            ? QStringLiteral("OLReportDesc.htm")
            : QString();
        const QString path = modFileHandling::fncSaveTextFile(name, text, true);

        QPointer<frmReportDescription>& window = openWindow();
        if (!window) {
            // Owned by the report window, so that it closes with it.
            window = new frmReportDescription(modGlobals::gfrmStats.data());
            window->setWindowTitle(titleFor(*report));
            window->StartingAddress = path;
            tellNotice(window->Form_Load(text, report->ViewName));
            return;
        }
        // Already open: it shows this report's description, not the one it was opened with.
        window->StartingAddress = path;
        window->setWindowTitle(titleFor(*report));
        const SafeDescription shown = window->brwWebBrowser->showDescription(text, report->ViewName);
        window->show();
        window->raise();
        window->activateWindow();
        tellNotice(shown);
    });
}

}
