#pragma once

#include <QList>
#include <QString>

namespace output::modPrintOut {

// A picture on the printed page: its file in the temporary folder and the size it is
// made and shown at.
struct PrintedPicture
{
    QString file;   // "piv.gif" or "chart.gif"
    int width;
    int height;
};

// The page that shows the pictures one below the other:
// "<html><body><p><img border ='0' src='piv.gif' width='600' height='400'><br>...</body></html>".
QString pageText(const QList<PrintedPicture>& pictures);

// Prints the current view of the report window: the pivot table, the chart or both, as
// pictures on one page. Only pictures made by this call are printed; a view with no
// picture to print is told to the user and nothing is printed.
void subPrintOut();

}
