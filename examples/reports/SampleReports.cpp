// Makes the sample reports that ship with the sample cubes, through the program's own save
// dialog: the program starts on the data folder, each view is arranged on the pivot table,
// and the dialog saves it as a user would. A report that is there already is left alone, so
// a rebuild never overwrites what a user kept under a sample's name.
//
// Usage: make_sample_reports <data folder>

#include "app/connections/StartupHooks.h"
#include "app/reports/ReportFolders.h"
#include "app/reports/tree/ReportTree.h"
#include "app/reportwindow/ReportWindow.h"
#include "app/savereport/frmSaveReport.h"
#include "app/savereport/htmleditor/ctlHTLMEditor.h"
#include "app/startup/ProgramContext.h"
#include "app/startup/modMain.h"
#include "app/state/modGlobals.h"
#include "controls/unicombo/uniCombo.h"
#include "pivot/PivotTable.h"
#include "platform/FakeServices.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTextStream>
#include <QTreeWidget>
#include <cstdio>

using namespace modGlobals;

namespace {

struct Sample
{
    const char* cube;
    const char* name;   // UTF-8
    const char* category;
    const char* type;
    const char* rows;
    const char* columns;
    const char* measure;
    int viewType;   // 1 both, 2 pivot, 3 chart
    const char* description;
};

const Sample kSamples[] = {
    {"Budget", "Budget by division", "Finance", "Yearly", "Organisation", "Time", "Amount", 1,
     "<p>Planned <b>amounts</b> for each division, year by year.</p>"
     "<ul><li>Expand a division to see its offices and teams.</li>"
     "<li>Choose <i>Pivot</i> or <i>Graph</i> above to show one view only.</li></ul>"},
    {"Budget", "Kosten je Konto – Übersicht", "Controlling", "Quarterly", "Account", "Scenario", "Amount", 2,
     "<p>Costs and income by <b>account</b>, plan against forecast.</p>"},
    {"Budget", "Team bookings", "Controlling", "", "Organisation", "Scenario", "Bookings", 1, ""},
    {"Sales", "Revenue by region", "Sales", "Monthly", "Geography", "Time", "Revenue", 3,
     "<p>Revenue of each <b>region</b> over the years, as a chart.</p>"},
    {"Sales", "Produits par canal — été", "Marketing", "", "Product", "Channel", "Quantity", 1,
     "<p>Units sold by product category and <u>sales channel</u>.</p>"
     "<ol><li>Web</li><li>Retail</li><li>Partners</li></ol>"},
};

QString text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

bool waitFor(const std::function<bool()>& condition)
{
    QDeadlineTimer deadline(10000);
    while (!condition() && !deadline.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    return condition();
}

bool saveSample(reportwindow::ReportWindow& window, const Sample& sample)
{
    QTreeWidgetItem* cube = reports::tree::fncGetNodeFromPath(text(sample.cube));
    if (!cube)
        return false;
    window.treReports_NodeClick(cube);
    pivot::PivotTable& table = *window.pivReports();
    table.placeField({pivot::FieldRef::Kind::Hierarchy, text(sample.rows), 0}, pivot::Area::Row);
    table.placeField({pivot::FieldRef::Kind::Hierarchy, text(sample.columns), 0}, pivot::Area::Column);
    table.placeField({pivot::FieldRef::Kind::Measure, text(sample.measure), 0}, pivot::Area::Data);

    savereport::frmSaveReport dialog(&window);
    dialog.cmbReportName()->setText(text(sample.name));
    dialog.cmbSuperCategory()->setText(text(sample.category));
    dialog.cmbReportType()->setText(text(sample.type));
    (sample.viewType == 1       ? dialog.optBoth()
         : sample.viewType == 2 ? dialog.optPivot()
                                : dialog.optGraph())
        ->setChecked(true);
    if (*sample.description)
        dialog.ctlReportDescription()->setHTML(text(sample.description));
    dialog.OKButton()->click();
    return dialog.result() == QDialog::Accepted;
}

}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: make_sample_reports <data folder>\n";
        return 2;
    }
    // Nothing of the user's (settings, registry, temporary files) is touched, and no
    // message can wait for an answer.
    platform::FakeServices services;
    services.app.setCommandLine(QString::fromLocal8Bit(argv[1]));
    const startup::InstalledContext program(startup::programContext(services.view()));
    connections::hooks().getLocalLanguage = [] { return 4; };
    modMain::Main();
    auto* window = qobject_cast<reportwindow::ReportWindow*>(gfrmStats.data());
    if (!window || !waitFor([] { return gobjReportsDic != nullptr; })) {
        err << "make_sample_reports: the report window did not start on " << argv[1] << '\n';
        return 1;
    }
    int failures = 0;
    for (const Sample& sample : kSamples) {
        const QString file = reports::reportfolders::cubeFolder(text(sample.cube)) + QLatin1Char('/')
            + text(sample.name) + QStringLiteral(".txt");
        if (QFile::exists(file))
            continue;
        if (!saveSample(*window, sample)) {
            err << "make_sample_reports: could not save " << text(sample.name) << '\n';
            ++failures;
        }
    }
    for (const auto& shown : services.messageBox.shown)
        err << "make_sample_reports: " << shown.text << '\n';
    delete window;
    return failures == 0 && services.messageBox.shown.isEmpty() ? 0 : 1;
}
