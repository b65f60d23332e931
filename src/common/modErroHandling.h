#pragma once

#include "common/CommonState.h"

#include <QString>

// The one place where the program reports a failure, and the step message that the
// report quotes.
namespace modErroHandling {

inline QString& gstrLastStep = common::commonState.gstrLastStep;
inline QString& gstrErrorReport = common::commonState.gstrErrorReport;
inline bool& gbLogSteps = common::commonState.gbLogSteps;   // the step log; nothing switches it on

// The error call. The first call of a run shows the report and offers the mail; every
// call ends the program.
[[noreturn]] void subHandleError(const QString& description, long number, int line, const QString& procName);
[[noreturn]] void subSendErrorMail();

QString fncGetOS();
QString fncGetLastStep();
void subLogStep(const QString& msg);
void subLog(const QString& msg);
QString fncGetLogFolder();
QString fncGetLogFile();

bool errorHandled();

// The report as composed, before the mail lines are added.
struct ErrorReportText
{
    QString dialog;   // what the error box shows
    QString report;   // gstrErrorReport
};
ErrorReportText composeErrorReport(const QString& os, const QString& lastStep, const QString& description, long number,
                                   int line, const QString& procName);

// A connection string's password never leaves the program: whatever the provider would
// read as the value of "Password" or "PWD" (any letter case) becomes "***".
QString maskPasswords(const QString& text);

}
