#pragma once

namespace description {

class frmReportDescription;

// The report window's information button: shows the current report's description in
// frmReportDescription, writing it to a file in the temporary folder first. A report
// without a description shows nothing. The window, once open, shows the description of
// the report current at each click.
void subHandleInfoClick();

// The description window while it is open, else null.
frmReportDescription* openDescriptionWindow();

}
