#pragma once

#include "common/FreshRun.h"

#include "app/startup/ProgramContext.h"

// One run of the program in a test: FreshRun's fake desktop services and fresh common
// state, the program's own wiring and a fresh program state. When the run ends no window
// outlives it and everything it installed goes back as it was, so a test changes what it
// watches straight in the installed hooks (connections::hooks(), reportwindow::seams(), ...).
class ProgramRun : public FreshRun
{
public:
    ProgramRun() { useErrorReportPhrases(); }
    ~ProgramRun() { deleteTopLevelWindows(); }

private:
    startup::InstalledContext m_context{startup::programContext(fakes.view())};
};
