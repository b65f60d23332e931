#include "app/reportwindow/ReportWindows.h"

#include "app/reportwindow/ReportWindow.h"
#include "app/state/modGlobals.h"
#include "platform/Forms.h"
#include "platform/Services.h"
#include "platform/VbError.h"

#include <QHash>

namespace reportwindow {

namespace {

QHash<QString, Creator>& creators()
{
    static QHash<QString, Creator> byName;
    return byName;
}

Creator reportWindow(const ReportWindowProfile& profile)
{
    return [&profile]() -> QMainWindow* {
        auto* window = new ReportWindow(profile);
        window->setAttribute(Qt::WA_DeleteOnClose);
        platform::services().forms->add(window);
        state::modGlobals::gfrmStats = window;
        window->Form_Load();
        return window;
    };
}

}

void restoreDefaultReportWindows()
{
    creators().clear();
    for (const char* name : {"frmStats2003", "frmStatsXP", "frmStats2K"}) {
        const QString windowName = QString::fromLatin1(name);
        creators().insert(windowName, reportWindow(*ReportWindowProfile::find(windowName)));
    }
}

void registerReportWindow(const QString& name, Creator creator)
{
    if (creators().isEmpty())
        restoreDefaultReportWindows();
    creators().insert(name, std::move(creator));
}

QMainWindow* createReportWindow(const QString& name)
{
    if (creators().isEmpty())
        restoreDefaultReportWindows();
    const auto creator = creators().constFind(name);
    if (creator == creators().cend())
        platform::raiseError(platform::err::ComponentCannotCreate, QStringLiteral("ActiveX component can't create object"),
                             name);
    QMainWindow* window = (*creator)();
    window->setAttribute(Qt::WA_DeleteOnClose);
    platform::services().forms->add(window);
    return window;
}

}
