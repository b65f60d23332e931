#pragma once

#include "common/CommonState.h"
#include "platform/MailClient.h"

#include <QString>
#include <memory>

// Reaches the mail application that carries the error mail, once per run.
namespace modOutlookCode {

inline std::unique_ptr<platform::MailApplication>& gobjOutlook = common::commonState.gobjOutlook;
// The desktop mail client has no folders of its own to open; the name is kept.
inline QString& gobjOutlookNS = common::commonState.gobjOutlookNS;

// Reaches the mail application; without one the user is told and the program ends.
void subSetupOutlook(long folder);
short OutlookVersion();
// The whole number before the first "."; version is cut to it.
short fncGetVersion(QString& version);

}
