#pragma once

#include <QString>

namespace reports {

// Where reports live: a root folder in the data folder for the components in use, and a
// folder per cube under it.
namespace reportfolders {

QString rootName();   // "ReportsXP" (components 10, 11) or "Reports2K"
QString root();       // in the data folder
QString cubeFolder(const QString& cubeName);

}

}
