#pragma once

#include "platform/MailClient.h"

#include <QString>
#include <memory>

// Reaches the mail application that carries the error mail, once per run.
namespace modOutlookCode {

extern std::unique_ptr<platform::MailApplication> gobjOutlook;
// The desktop mail client has no folders of its own to open; the name is kept.
extern QString gobjOutlookNS;

// Reaches the mail application; without one the user is told and the program ends.
void subSetupOutlook(long folder);
short OutlookVersion();
// The whole number before the first "."; version is cut to it.
short fncGetVersion(QString& version);

void resetRunStateForTests();

}
