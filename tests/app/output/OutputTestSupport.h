#pragma once

#include "app/reportwindow/ReportWindowTestSupport.h"

#include "app/reportwindow/ChartFromPivot.h"
#include "chart/ChartSpace.h"
#include "pivot/PivotTable.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

// A report window whose pivot table shows the sample sales by region and year with one
// measure, and whose chart is built from it, so that both pictures have something to show.
class PictureWindow
{
public:
    explicit PictureWindow(const char* name = "frmStats2003")
    {
        lang();
        window = r.load(name);
        pivot::PivotTable& table = *window->pivReports();
        table.setConnectionString(QStringLiteral("Provider=MSOLAP.4;data source=" TESSALINE_SAMPLE_DATA "/Sales.cub"));
        table.setDataMember(QStringLiteral("Sales"));
        table.placeField({pivot::FieldRef::Kind::Hierarchy, QStringLiteral("Geography"), 0}, pivot::Area::Row);
        table.placeField({pivot::FieldRef::Kind::Hierarchy, QStringLiteral("Time"), 0}, pivot::Area::Column);
        table.placeField({pivot::FieldRef::Kind::Measure, QStringLiteral("Revenue"), 0}, pivot::Area::Data);
        window->bindChartToPivot();
        reportwindow::chartfrompivot::LoadChart(table, *window->excChart());
        // The window queries in the background; the pictures are of the result it lands.
        const QDeadlineTimer deadline(30000);
        while (table.queryPending() && !deadline.hasExpired())
            QApplication::processEvents(QEventLoop::AllEvents, 20);
    }

    static void lang()
    {
        using namespace modMultiLingual;
        LNGIMAGESIZE = QStringLiteral("Image size");
        LNGHEIGHT = QStringLiteral("Height");
        LNGWIDTH = QStringLiteral("Width");
        LNGSAVE = QStringLiteral("Save");
        LNGCANCEL = QStringLiteral("Cancel");
    }

    platform::FakeServices& fakes() { return r.run.fakes; }
    static QString temp(const QString& name) { return QDir(modFileHandling::fncGetTempPath()).filePath(name); }

    ReportWindowRun r;
    reportwindow::ReportWindow* window = nullptr;
};

// Runs `step` on the modal dialog of type T once it is up; the test's own code then
// goes on after the dialog has closed.
template<class T>
void whenShown(std::function<void(T&)> step)
{
    QTimer::singleShot(0, [step] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        step(*dialog);
        // A step that forgot to close it must not leave the test waiting.
        if (dialog->isVisible())
            dialog->reject();
    });
}

inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
