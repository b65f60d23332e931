#include "app/ReportWindowProfile.h"

#include <array>

namespace {

const std::array<ReportWindowProfile, 3>& profiles()
{
    static const std::array<ReportWindowProfile, 3> all{{
        {QStringLiteral("frmStats2003"), 11, QStringLiteral("OWC11.PivotTable"), QStringLiteral("OWC11.ChartSpace"),
         16410, 10710, 465, 480, true, true, QStringLiteral("Opening frmStats2003"), false, false, true, false, true},
        {QStringLiteral("frmStatsXP"), 10, QStringLiteral("OWC10.PivotTable"), QStringLiteral("OWC10.ChartSpace"),
         11100, 8595, 600, 600, true, true, QString(), false, false, false, true, false},
        {QStringLiteral("frmStats2K"), 9, QStringLiteral("OWC.PivotTable"), QStringLiteral("OWC.Chart"),
         11040, 10710, 600, 600, false, false, QStringLiteral("Opening frmStats2K"), true, true, false, false, false},
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
