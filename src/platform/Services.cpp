#include "platform/Services.h"

#include "platform/App.h"
#include "platform/Desktop.h"
#include "platform/FilePicker.h"
#include "platform/Forms.h"
#include "platform/MessageBox.h"
#include "platform/Printing.h"
#include "platform/ProcessEnd.h"
#include "platform/RegistryStore.h"
#include "platform/SpecialFolders.h"

#include <QStandardPaths>

namespace platform {

namespace {

struct RealServices
{
    App app = App::fromProcess();
    Forms forms;
    SpecialFolders folders = SpecialFolders::fromEnvironment();
    QtMessageBox messageBox;
    DesktopUrlOpener urlOpener;
    QtProcessLauncher launcher;
    PrintDialogChooser printerChooser;
    ImmediateProcessEnd processEnd;
    QtFilePicker filePicker;
    // The user's registry, under XDG_CONFIG_HOME.
    RegistryStore registry{QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                           + QStringLiteral("/tessaline/registry")};

    Services view()
    {
        return Services{&app,      &forms,          &folders,    &messageBox, &urlOpener,
                        &launcher, &printerChooser, &processEnd, &filePicker, &registry};
    }
};

RealServices& real()
{
    static RealServices instance;
    return instance;
}

Services& installed()
{
    static Services current;
    return current;
}

}

Services& services()
{
    Services& current = installed();
    // Tests install every service before first use, so the real ones are made only
    // when the program runs.
    if (!current.app)
        current = real().view();
    return current;
}

Services exchangeServices(const Services& replacement)
{
    const Services previous = installed();
    installed() = replacement;
    return previous;
}

}
