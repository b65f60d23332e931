#pragma once

#include "app/reportwindow/ReportWindowSeams.h"

namespace startup {

// The report window's calls as the program makes them: the report tree, the opening of
// reports, the save dialog, the description window, pictures and the print-out.
reportwindow::Seams defaultSeams();

}
