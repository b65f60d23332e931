#pragma once

#include "platform/FileSystemObject.h"
#include "platform/MailClient.h"

#include <QString>
#include <memory>

namespace common {

// What the common services keep for a run, in one value so that a fresh run is one
// assignment (CommonState{}). The procedures reach the members by their own names
// (modErroHandling::gstrLastStep, modFileHandling::gobjFSO, ...).
struct CommonState
{
    QString gstrAppTitle;   // set once at start

    // The error call and the step log.
    QString gstrLastStep;
    QString gstrErrorReport;
    bool gbLogSteps = false;   // nothing switches the step log on
    bool errorHandled = false;
    bool logging = false;   // a step recorded while the log is written is not logged again

    // The file-system object and what it found.
    std::unique_ptr<platform::FileSystemObject> gobjFSO;
    bool fsoRepaired = false;
    QString tempPath;

    // The mail application that carries the error mail.
    std::unique_ptr<platform::MailApplication> gobjOutlook;
    QString gobjOutlookNS;
    short outlookVersion = 0;

    QString browser;   // the default browser's program, once found
    bool programEnding = false;
};

extern CommonState commonState;

// Every member as at the program's start, and no phrases read (lang::startFreshRun).
void startFreshRun();

}
