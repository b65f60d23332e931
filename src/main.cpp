#include "app/startup/ProgramContext.h"
#include "app/startup/modMain.h"
#include "platform/Forms.h"
#include "platform/Services.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    // The one place the program is wired.
    const startup::InstalledContext program(startup::programContext());
    modMain::Main();
    // Start-up may end without a window: another copy runs, or there is nothing to show.
    if (platform::services().forms->count() == 0)
        return 0;
    return QApplication::exec();
}
