#pragma once

#include <QMainWindow>
#include <QString>
#include <functional>

// The three report windows, created by name: "frmStats2003", "frmStatsXP", "frmStats2K".
namespace reportwindows {

using Creator = std::function<QMainWindow*()>;

// The window of that name, loaded (its load work done) but not shown; raises error 429
// for a name without a window.
QMainWindow* createReportWindow(const QString& name);
// Puts another window under a name (the real windows, or a test's).
void registerReportWindow(const QString& name, Creator creator);
void restoreDefaultReportWindows();

// The report window as it stands until it gets its tree, pivot table and chart: the
// controls other modules reach by name, and the orderly end when it is closed.
class ReportWindowPlaceholder : public QMainWindow
{
public:
    explicit ReportWindowPlaceholder(const QString& name);

protected:
    void closeEvent(QCloseEvent* event) override;
};

}
