#pragma once

#include <QString>

namespace reportwindow {

// Asks whether to fetch missing components: Yes opens their download page, No tells the
// user that the program now shuts down. Either way the caller ends the program.
void offerDownload(const QString& question, const QString& page);

}
