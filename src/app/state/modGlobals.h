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

// The program's state, alive for the whole run, in one value so that a fresh run is one
// assignment (ProgramState{}).
struct ProgramState
{
    QPointer<QMainWindow> gfrmStats;   // the report window in use
    bool gbOWCXP = false;              // components 10 or 11 (not 9) are in use
    std::shared_ptr<reports::cReportsDic> gobjReportsDic;
    std::shared_ptr<reports::cOLAPReport> gobjReport;   // the report opened or being saved
    QString gstrDataPath;
    QString gstrCubeFile;   // the pivot's data source
    QString gstrCubeName;
    common::Dictionary<QString> gdicCubes;   // cube name -> cube file, or -> cube name on a server
    bool gbServerMode = false;
    QString gstrServerName;
    QString gstrDatabase;
    QString gstrProvider;
};

extern ProgramState programState;

// The state by the names the procedures use.
namespace modGlobals {

// Set once at start; kept with the common services, which need it before the program runs.
using ::modGlobals::gstrAppTitle;

inline QPointer<QMainWindow>& gfrmStats = programState.gfrmStats;
inline bool& gbOWCXP = programState.gbOWCXP;
inline std::shared_ptr<reports::cReportsDic>& gobjReportsDic = programState.gobjReportsDic;
inline std::shared_ptr<reports::cOLAPReport>& gobjReport = programState.gobjReport;
inline QString& gstrDataPath = programState.gstrDataPath;
inline QString& gstrCubeFile = programState.gstrCubeFile;
inline QString& gstrCubeName = programState.gstrCubeName;
inline common::Dictionary<QString>& gdicCubes = programState.gdicCubes;
inline bool& gbServerMode = programState.gbServerMode;
inline QString& gstrServerName = programState.gstrServerName;
inline QString& gstrDatabase = programState.gstrDatabase;
inline QString& gstrProvider = programState.gstrProvider;

}

// Every global as at the program's start, the common services' state included.
void startFreshRun();

}
