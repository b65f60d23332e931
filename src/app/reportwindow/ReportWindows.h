#pragma once

#include <QMainWindow>
#include <QString>
#include <functional>

// The three report windows, created by name: "frmStats2003", "frmStatsXP", "frmStats2K".
namespace reportwindow {

using Creator = std::function<QMainWindow*()>;

// The window of that name, loaded but not shown. It becomes the report window in use
// (gfrmStats) before its load work runs, as that work reaches the window through it.
// Raises error 429 for a name without a window.
QMainWindow* createReportWindow(const QString& name);
// Puts another window under a name (a test's).
void registerReportWindow(const QString& name, Creator creator);
void restoreDefaultReportWindows();

}
