// Saves the report that the freeze probe starts on: customer city by supplier city on the
// rows, years on the columns, the distinct count of orders; through the program's own save
// dialog, as a user would.
//
// Usage: cities_report <data folder> <cube name>

#include "app/connections/StartupHooks.h"
#include "app/reports/tree/ReportTree.h"
#include "app/reportwindow/ReportWindow.h"
#include "app/savereport/frmSaveReport.h"
#include "app/startup/ProgramContext.h"
#include "app/startup/modMain.h"
#include "app/state/modGlobals.h"
#include "controls/unicombo/uniCombo.h"
#include "pivot/PivotTable.h"
#include "platform/FakeServices.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QPushButton>
#include <QRadioButton>
#include <QTextStream>

using namespace modGlobals;

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTextStream err(stderr);
    if (argc != 3) {
        err << "usage: cities_report <data folder> <cube name>\n";
        return 2;
    }
    platform::FakeServices services;
    services.app.setCommandLine(QString::fromLocal8Bit(argv[1]));
    const startup::InstalledContext program(startup::programContext(services.view()));
    connections::hooks().getLocalLanguage = [] { return 4; };
    modMain::Main();
    auto* window = qobject_cast<reportwindow::ReportWindow*>(gfrmStats.data());
    const QDeadlineTimer deadline(60000);
    while (window && !gobjReportsDic && !deadline.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    if (!window || !gobjReportsDic) {
        err << "cities_report: the report window did not start on " << argv[1] << '\n';
        for (const auto& shown : services.messageBox.shown)
            err << "cities_report: " << shown.text << '\n';
        return 1;
    }
    // With one cube the tree has no node of it: the pivot is bound to it from the start.
    if (QTreeWidgetItem* cube = reports::tree::fncGetNodeFromPath(QString::fromLocal8Bit(argv[2])))
        window->treReports_NodeClick(cube);
    pivot::PivotTable& table = *window->pivReports();
    using pivot::Area;
    using pivot::FieldRef;
    table.placeField({FieldRef::Kind::Hierarchy, QStringLiteral("Customer Geography"), 2}, Area::Row);
    table.placeField({FieldRef::Kind::Hierarchy, QStringLiteral("Supplier Geography"), 2}, Area::Row);
    table.placeField({FieldRef::Kind::Hierarchy, QStringLiteral("Calendar"), 0}, Area::Column);
    table.placeField({FieldRef::Kind::Measure, QStringLiteral("Orders"), 0}, Area::Data);

    bool saved = false;
    {
        savereport::frmSaveReport dialog(window);
        dialog.cmbReportName()->setText(QStringLiteral("Cities by year"));
        dialog.optBoth()->setChecked(true);
        dialog.OKButton()->click();
        saved = dialog.result() == QDialog::Accepted;
    }
    for (const auto& shown : services.messageBox.shown)
        err << "cities_report: " << shown.text << '\n';
    // The query runs on; the program's parts go only after it.
    while (table.queryPending())
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    delete window;
    return saved ? 0 : 1;
}
