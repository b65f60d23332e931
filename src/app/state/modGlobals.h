#pragma once

#include "common/AppTitle.h"   // gstrAppTitle
#include "common/Dictionary.h"

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <memory>

namespace reports {
class cReportsDic;
class cOLAPReport;
}

namespace state {

// The program's state, alive for the whole run.
namespace modGlobals {

// Set once at start; kept with the common services, which need it before the program runs.
using ::modGlobals::gstrAppTitle;

extern QPointer<QMainWindow> gfrmStats;          // the report window in use
extern bool gbOWCXP;                             // components 10 or 11 (not 9) are in use
extern std::shared_ptr<reports::cReportsDic> gobjReportsDic;
extern std::shared_ptr<reports::cOLAPReport> gobjReport;  // the report opened or being saved
extern QString gstrDataPath;
extern QString gstrCubeFile;                     // the pivot's data source
extern QString gstrCubeName;
extern common::Dictionary<QString> gdicCubes;    // cube name -> cube file, or -> cube name on a server
extern bool gbServerMode;
extern QString gstrServerName;
extern QString gstrDatabase;
extern QString gstrProvider;

void resetForTests();

}

} // namespace state
