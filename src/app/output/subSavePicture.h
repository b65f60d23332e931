#pragma once

#include <QString>

namespace reportwindow {
class ReportWindow;
}

namespace output {

// Saves the chart of the report window as a GIF file of `width` x `height` pixels. With
// an empty path the user chooses the size and the file in frmSaveSize. A file that
// cannot be written is told to the user and the program goes on. True when the picture
// was written whole.
bool subSavePicture(const QString& path, int height, int width);

// The report window in use, whose controls the pictures and the print-out read. Raises
// 424 when there is none yet.
reportwindow::ReportWindow& reportWindowInUse();

}
