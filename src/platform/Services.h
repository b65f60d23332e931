#pragma once

namespace platform {

class App;
class FilePicker;
class Forms;
class MessageBoxService;
class PrinterChooser;
class ProcessEnd;
class ProcessLauncher;
class RegistryStore;
class SpecialFolders;
class UrlOpener;

// The platform layer's one installable value: the services that touch the desktop or the
// world outside the process, the registry included. The program uses the real ones; a test
// installs its stand-ins (FakeServices), the program's wiring (startup::ProgramContext) the
// set it is given.
struct Services
{
    App* app = nullptr;
    Forms* forms = nullptr;
    SpecialFolders* folders = nullptr;
    MessageBoxService* messageBox = nullptr;
    UrlOpener* urlOpener = nullptr;
    ProcessLauncher* launcher = nullptr;
    PrinterChooser* printerChooser = nullptr;
    ProcessEnd* processEnd = nullptr;
    FilePicker* filePicker = nullptr;
    RegistryStore* registry = nullptr;
};

// The services in use, created on first use from the running process.
Services& services();
// Installs a set of services and returns the set installed before (empty when the real
// ones were never made); an empty set means the real services again.
Services exchangeServices(const Services& replacement);

}
