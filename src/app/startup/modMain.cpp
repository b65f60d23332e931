#include "app/startup/modMain.h"

#include "app/connections/StartupHooks.h"
#include "app/reports/cOLAPReport.h"
#include "app/reportwindow/DownloadOffer.h"
#include "app/reportwindow/ReportWindowView.h"
#include "app/reportwindow/ReportWindows.h"
#include "app/state/modGlobals.h"
#include "common/ErrorBoundary.h"
#include "common/ProgramConfig.h"
#include "common/modAPI.h"
#include "common/modAssistant.h"
#include "common/modFileHandling.h"
#include "common/modOutlookCode.h"
#include "common/modScriptingDic.h"
#include "lang/modMultiLingual.h"
#include "pivot/PivotTable.h"
#include "platform/App.h"
#include "platform/ComponentRegistry.h"
#include "platform/MessageBox.h"
#include "platform/Services.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>

namespace modMain {

using namespace modGlobals;
using common::Message;
using reportwindow::offerDownload;

namespace {

const QString kCrLf = QStringLiteral("\r\n");

struct Probe
{
    const char* progId;
    const char* window;
    bool owcXP;
};

// Newest components first.
constexpr Probe kProbes[] = {
    {"OWC11.ChartSpace", "frmStats2003", true},
    {"OWC10.ChartSpace", "frmStatsXP", true},
    {"OWC.Chart", "frmStats2K", false},
};

// Picks the report window that matches the newest components that can be created and
// shows it; when none can be shown the user is told and the program ends.
void showReportWindow()
{
    bool comCtlRepaired = false;
    for (;;) {
        common::ResumeNext error;
        const Probe* chosen = nullptr;
        for (const Probe& probe : kProbes) {
            if (error.run(
                    [&] { platform::ComponentRegistry::instance().createObject(QString::fromLatin1(probe.progId)); })) {
                chosen = &probe;
                error.clear();
                break;
            }
        }
        if (chosen) {
            if (chosen->owcXP)
                gbOWCXP = true;
            error.run([&] {
                gfrmStats = reportwindow::createReportWindow(QString::fromLatin1(chosen->window));
                gfrmStats->show();
            });
        }
        if (!error.pending())
            return;

        platform::services().messageBox->msgBox(QString::number(error.number()) + kCrLf + error.description(),
                                                platform::mb::vbOKOnly, QString());
        if (error.number() == platform::err::ComponentNotRegistered
            && error.description().toLower().contains(QStringLiteral("comctl32.ocx"))) {
            if (!comCtlRepaired) {
                comCtlRepaired = true;
                modFileHandling::subFixDamagedComCtl32();
                continue;
            }
            offerDownload(QStringLiteral("The component 'comctl32.ocx' or one of its dependencies is not correctly "
                                         "registered.\r\nPlease download this FREE component from Microsoft "
                                         "Download.\r\nDo you want to go to that website now?"),
                          config::commonControlsDownloadPage());
        } else {
            offerDownload(QStringLiteral("Unable to start the MS Office Web Components!\r\nPlease download these FREE "
                                         "components from Microsoft Download.\r\nDo you want to go to that website "
                                         "now?"),
                          config::webComponentsDownloadPage());
        }
        subEndProgram(EndCause::Failure);
    }
}

// Names the program, opens the step log, the file-system object and the language, finds
// the data folder and the cubes in it or on the server; false when there is nothing to
// show, so start-up ends without a window.
bool prepare()
{
    return common::handled(QStringLiteral("Main"), Message::Description, [] {
        platform::App& app = *platform::services().app;
        gstrAppTitle = QStringLiteral("Tessaline Tool for Excel");
        modErroHandling::subLogStep(QString());
        fncInitCommonControls();
        modFileHandling::subSetupFS();
        gstrDataPath = app.commandLine();
        if (modFileHandling::gobjFSO->FileExists(app.path() + QStringLiteral("/NorrithSettings")))
            connections::hooks().loadLanguages(fncGetSettingsLanguage() + 1);
        else
            connections::hooks().loadLanguages(connections::hooks().getLocalLanguage());
        if (gstrDataPath.isEmpty())
            gstrDataPath = fncGetLongAppPath();
        if (!modFileHandling::gobjFSO->FolderExists(gstrDataPath))
            gstrDataPath = app.path();
        gdicCubes = modScriptingDic::fncCreateDic<QString>();
        connections::hooks().getCubeFileNames();
        if (gdicCubes.Count() == 0) {
            connections::hooks().getServerName();
            if (!gstrServerName.isEmpty()) {
                gbServerMode = true;
                connections::hooks().getServerCubes();
                if (gdicCubes.Count() == 0)
                    return false;
            }
        }
        return true;
    });
}

}

void Main()
{
    if (platform::services().app->prevInstance())
        return;
    if (!prepare())
        return;
    showReportWindow();
    common::ResumeNext resume;
    resume.run([] {
        const QString first = gdicCubes.Keys().value(0);
        if (first.isEmpty())
            platform::raiseError(platform::err::SubscriptOutOfRange, QStringLiteral("Subscript out of range"));
        gstrCubeFile = gbServerMode ? first : first + QStringLiteral(".cub");
    });
    // The version 9 window opens its first report while it loads; binding the first cube
    // now would wipe that report off the pivot table while the tree still shows it.
    if (!gobjReport)
        resume.run([] {
            reportwindow::ReportWindowView* window = reportwindow::windowInUse();
            connections::hooks().bindPivotTable(window ? window->pivReports() : nullptr);
        });
}

int fncGetSettingsLanguage()
{
    constexpr int English = 4;
    // The sibling product's language numbers 1 to 15, as columns of the phrase table.
    static const int columns[] = {4, 14, 7, 9, 3, 13, 6, 11, 10, 8, 5, 2, 1, 15, 12};
    int sibling = 0;
    common::ResumeNext resume;
    resume.run([&] {
        QFile file(platform::services().app->path() + QStringLiteral("/NorrithSettings"));
        if (!file.open(QIODevice::ReadOnly))
            return;
        const QString line = QString::fromLatin1(file.readLine()).trimmed();
        bool number = false;
        const double value = line.toDouble(&number);
        // Whole numbers round half to even; anything beyond 16 bits is no language.
        if (number && std::abs(value) < 32767.5)
            sibling = int(std::nearbyint(value));
    });
    const int column = sibling >= 1 && sibling <= 15 ? columns[sibling - 1] : English;
    return column - 1;
}

// Every widget is available without initialisation; nothing can fail here.
bool fncInitCommonControls()
{
    return true;
}

QString fncGetLongAppPath()
{
    return common::handled(QStringLiteral("fncGetLongAppPath"), Message::Description, [] {
        return modFileHandling::gobjFSO->GetFolder(platform::services().app->path()).ShortPath();
    });
}

}
