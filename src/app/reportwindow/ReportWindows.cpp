#include "app/reportwindow/ReportWindows.h"

#include "app/reportwindow/ReportWindow.h"
#include "app/state/modGlobals.h"
#include "platform/Forms.h"
#include "platform/Services.h"
#include "platform/VbError.h"

#include <QHash>

namespace reportwindow {

namespace {

Creator reportWindow(const ReportWindowProfile& profile)
{
    return [&profile]() -> QMainWindow* {
        auto* window = new ReportWindow(profile);
        window->setAttribute(Qt::WA_DeleteOnClose);
        platform::services().forms->add(window);
        modGlobals::gfrmStats = window;
        window->Form_Load();
        return window;
    };
}

}

Creators& reportWindows()
{
    static Creators installed;
    return installed;
}

Creators defaultReportWindows()
{
    Creators byName;
    for (const char* name : {"frmStats2003", "frmStatsXP", "frmStats2K"}) {
        const QString windowName = QString::fromLatin1(name);
        byName.insert(windowName, reportWindow(*ReportWindowProfile::find(windowName)));
    }
    return byName;
}

void registerReportWindow(const QString& name, Creator creator)
{
    reportWindows().insert(name, std::move(creator));
}

QMainWindow* createReportWindow(const QString& name)
{
    const auto creator = reportWindows().constFind(name);
    if (creator == reportWindows().cend())
        platform::raiseError(platform::err::ComponentCannotCreate,
                             QStringLiteral("ActiveX component can't create object"), name);
    return (*creator)();
}

}
