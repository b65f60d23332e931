#pragma once

#include <QHash>
#include <QMainWindow>
#include <QString>
#include <functional>

// The three report windows, created by name: "frmStats2003", "frmStatsXP", "frmStats2K".
namespace reportwindow {

// Makes a window, loaded; a report window of the program is also in the forms list and
// deletes itself when closed.
using Creator = std::function<QMainWindow*()>;
using Creators = QHash<QString, Creator>;

// The window of that name, loaded but not shown. It becomes the report window in use
// (gfrmStats) before its load work runs, as that work reaches the window through it.
// Raises error 429 for a name without a window.
QMainWindow* createReportWindow(const QString& name);
// The windows installed by name; none until the program context is.
Creators& reportWindows();
Creators defaultReportWindows();
// Puts another window under a name (a test's).
void registerReportWindow(const QString& name, Creator creator);

}
