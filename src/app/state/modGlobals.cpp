#include "app/state/modGlobals.h"

namespace state {

namespace modGlobals {

QPointer<QMainWindow> gfrmStats;
bool gbOWCXP = false;
std::shared_ptr<reports::cReportsDic> gobjReportsDic;
std::shared_ptr<reports::cOLAPReport> gobjReport;
QString gstrDataPath;
QString gstrCubeFile;
QString gstrCubeName;
common::Dictionary<QString> gdicCubes;
bool gbServerMode = false;
QString gstrServerName;
QString gstrDatabase;
QString gstrProvider;

void resetForTests()
{
    gfrmStats = nullptr;
    gbOWCXP = false;
    gobjReportsDic.reset();
    gobjReport.reset();
    gstrDataPath.clear();
    gstrCubeFile.clear();
    gstrCubeName.clear();
    gdicCubes.RemoveAll();
    gbServerMode = false;
    gstrServerName.clear();
    gstrDatabase.clear();
    gstrProvider.clear();
    gstrAppTitle.clear();
}

}

} // namespace state
