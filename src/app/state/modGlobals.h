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

// Every global as at the program's start, the common services' state included.
void startFreshRun();

}

// The state by the names the procedures use; gstrAppTitle, set once at start, is kept with the
// common services, which need it before the program runs (common/AppTitle.h).
namespace modGlobals {

inline QPointer<QMainWindow>& gfrmStats = state::programState.gfrmStats;
inline bool& gbOWCXP = state::programState.gbOWCXP;
inline std::shared_ptr<reports::cReportsDic>& gobjReportsDic = state::programState.gobjReportsDic;
inline std::shared_ptr<reports::cOLAPReport>& gobjReport = state::programState.gobjReport;
inline QString& gstrDataPath = state::programState.gstrDataPath;
inline QString& gstrCubeFile = state::programState.gstrCubeFile;
inline QString& gstrCubeName = state::programState.gstrCubeName;
inline common::Dictionary<QString>& gdicCubes = state::programState.gdicCubes;
inline bool& gbServerMode = state::programState.gbServerMode;
inline QString& gstrServerName = state::programState.gstrServerName;
inline QString& gstrDatabase = state::programState.gstrDatabase;
inline QString& gstrProvider = state::programState.gstrProvider;

}
