#pragma once

#include "app/ProgramRun.h"

#include "app/reportwindow/ReportWindow.h"
#include "app/reportwindow/ReportWindowSeams.h"
#include "app/reportwindow/ReportWindows.h"
#include "app/state/modGlobals.h"

#include <QApplication>
#include <QPointer>
#include <QStringList>

// A run with a report window: fake services, fresh globals, English captions, and the
// calls the window makes into other modules written down in order.
class ReportWindowRun
{
public:
    ReportWindowRun()
    {
        modGlobals::gstrAppTitle = QStringLiteral("Tessaline Tool for Excel");
        // The English phrases, so that the layout is tested with the captions users see.
        using namespace modMultiLingual;
        LNGREPORTS = QStringLiteral("Reports");
        LNGSAVEREPORT = QStringLiteral("Save report");
        LNGREMOVEREPORT = QStringLiteral("Remove report");
        LNGHELP = QStringLiteral("Help");
        LNGTOOLS = QStringLiteral("Tools");
        LNGBOTH = QStringLiteral("Both");
        LNGPIVOT = QStringLiteral("Pivot table");
        LNGGRAPH = QStringLiteral("Chart");
        LNGSAVEPICTURE = QStringLiteral("Save picture");
        LNGPRINT = QStringLiteral("Print");
        auto& seams = reportwindow::seams();
        seams.fillReportTree = [this] { calls << QStringLiteral("fill"); };
        seams.setDefaultSel = [this] { calls << QStringLiteral("default"); };
        using reportwindow::ReportWindowView;
        seams.handleRemoveClick = [this](ReportWindowView*) { calls << QStringLiteral("remove"); };
        seams.handleNodeClick = [this](QTreeWidgetItem*, ReportWindowView*) { calls << QStringLiteral("node"); };
        seams.showSaveReport = [this](QWidget*) { calls << QStringLiteral("save"); };
        seams.handleInfoClick = [this] { calls << QStringLiteral("info"); };
        seams.savePicture = [this](const QString&, int, int) { calls << QStringLiteral("picture"); };
        seams.printOut = [this] { calls << QStringLiteral("print"); };
    }

    // The window of that name as start-up makes it: loaded, in use, not yet shown.
    reportwindow::ReportWindow* load(const char* name)
    {
        modGlobals::gbOWCXP = QLatin1String(name) != QLatin1String("frmStats2K");
        return static_cast<reportwindow::ReportWindow*>(reportwindow::createReportWindow(QString::fromLatin1(name)));
    }

    ProgramRun run;
    QStringList calls;
};
