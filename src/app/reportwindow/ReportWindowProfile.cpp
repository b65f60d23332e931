#include "app/reportwindow/ReportWindowProfile.h"

#include <array>

namespace reportwindow {

namespace {

const std::array<ReportWindowProfile, 3>& profiles()
{
    static const std::array<ReportWindowProfile, 3> all{{
        {.name = QStringLiteral("frmStats2003"),
         .pivotClass = QStringLiteral("OWC11.PivotTable"),
         .chartClass = QStringLiteral("OWC11.ChartSpace"),
         .designWidth = 16410,
         .designHeight = 10710,
         .pivotTop = 465,
         .treeTop = 480,
         .startsByTimer = true,
         .hasDrillThrough = true,
         .loadStep = QStringLiteral("Opening frmStats2003"),
         .chartFollowsQueries = false,
         .hasGraphTypeList = false,
         .infoActs = true,
         .zeroValuesStep = false,
         .titleAgainAtLoadEnd = true},
        {.name = QStringLiteral("frmStatsXP"),
         .pivotClass = QStringLiteral("OWC10.PivotTable"),
         .chartClass = QStringLiteral("OWC10.ChartSpace"),
         .designWidth = 11100,
         .designHeight = 8595,
         .pivotTop = 600,
         .treeTop = 600,
         .startsByTimer = true,
         .hasDrillThrough = true,
         .loadStep = QString(),
         .chartFollowsQueries = false,
         .hasGraphTypeList = false,
         .infoActs = false,
         .zeroValuesStep = true,
         .titleAgainAtLoadEnd = false},
        {.name = QStringLiteral("frmStats2K"),
         .pivotClass = QStringLiteral("OWC.PivotTable"),
         .chartClass = QStringLiteral("OWC.Chart"),
         .designWidth = 11040,
         .designHeight = 10710,
         .pivotTop = 600,
         .treeTop = 600,
         .startsByTimer = false,
         .hasDrillThrough = false,
         .loadStep = QStringLiteral("Opening frmStats2K"),
         .chartFollowsQueries = true,
         .hasGraphTypeList = true,
         .infoActs = false,
         .zeroValuesStep = false,
         .titleAgainAtLoadEnd = false},
    }};
    return all;
}

}

const ReportWindowProfile* ReportWindowProfile::find(const QString& name)
{
    for (const ReportWindowProfile& profile : profiles()) {
        if (profile.name == name)
            return &profile;
    }
    return nullptr;
}

} // namespace reportwindow
