#pragma once

#include <QString>

namespace reportwindow {

// How the three report windows differ. They are one window class; each matches one
// version of the pivot and chart components, and the differences are only these.
struct ReportWindowProfile
{
    QString name;         // frmStats2003, frmStatsXP, frmStats2K
    QString pivotClass;   // the class names its components are created by
    QString chartClass;
    int designWidth;   // inner size, twips
    int designHeight;
    int pivotTop;   // twips; the pivot table always starts at left 2280
    int treeTop;
    bool startsByTimer;         // tree, chart binding and first report 200 ms after loading; else
                                // while loading, without laying itself out or allowing details
    bool hasDrillThrough;       // cmdDrillThrough, which does nothing
    QString loadStep;           // step message of the load event, "" for none
    bool chartFollowsQueries;   // rebuilds the chart after every pivot query
    bool hasGraphTypeList;      // cmbGraphType
    bool infoActs;              // cmdInfo shows the description
    bool zeroValuesStep;        // step message and outdated-components question on the empty-members switch
    bool titleAgainAtLoadEnd;   // sets the caption once more at the end of loading

    static const ReportWindowProfile* find(const QString& name);
};

inline constexpr int kPivotLeft = 2280;   // twips

}
