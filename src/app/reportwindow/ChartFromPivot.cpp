#include "app/reportwindow/ChartFromPivot.h"

#include "app/reportwindow/GraphTypeList.h"
#include "app/reportwindow/PivotChartSource.h"
#include "chart/ChartSpace.h"
#include "common/ErrorBoundary.h"
#include "pivot/PivotTable.h"
#include "platform/MessageBox.h"
#include "platform/Services.h"

#include <QComboBox>

namespace reportwindow {

namespace chartfrompivot {

namespace {

// The chart space's named values, read by name on every use as the chart expects.
int constant(const chart::ChartSpace& cspace, const char* name)
{
    return cspace.Constants().value(QString::fromLatin1(name));
}

void setUpAxis(common::ResumeNext& resume, chart::ChartSpace& cspace, chart::ChChart& chart, const char* position,
               pivot::PivotView& view, int total)
{
    resume.run([&] {
        chart.Axes(constant(cspace, position)).setNumberFormat(view.DataAxis().Totals()(total).NumberFormat());
    });
    resume.run([&] { chart.Axes(constant(cspace, position)).setHasTitle(true); });
    resume.run(
        [&] { chart.Axes(constant(cspace, position)).Title().setCaption(view.DataAxis().Totals()(total).Caption()); });
    resume.run([&] {
        chart.Axes(constant(cspace, position)).Scaling().setOrientation(constant(cspace, "chScaleOrientationMinMax"));
    });
}

void setType(common::ResumeNext& resume, chart::ChartSpace& cspace, chart::ChChart& chart, const char* type)
{
    resume.run([&] {
        if (chart.Type() != constant(cspace, type))
            chart.setType(constant(cspace, type));
    });
}

void setData(common::ResumeNext& resume, chart::ChartSpace& cspace, chart::ChChart& chart, const char* dimension,
             int total)
{
    resume.run([&] { chart.SetData(constant(cspace, dimension), 0, total); });
}

}

void LoadChart(pivot::PivotTable& ptable, chart::ChartSpace& cspace)
{
    common::ResumeNext resume;
    resume.run([&] {
        if (cspace.ChartDataSources().Count() == 0)
            cspace.setDataSource(PivotChartSource::of(ptable));
    });
    chart::ChChart* chart = nullptr;
    resume.run([&] { chart = cspace.Charts().Count() == 0 ? &cspace.Charts().Add() : &cspace.Charts()(0); });
    if (!chart)
        return;   // every further step would only fail on the missing chart

    pivot::PivotView& view = ptable.ActiveView();
    resume.run([&] { chart->setHasLegend(true); });
    resume.run([&] { chart->setHasTitle(true); });
    resume.run([&] { chart->Title().setCaption(view.TitleBar().Caption()); });
    int totals = 0;
    resume.run([&] { totals = view.DataAxis().Totals().Count(); });
    resume.run([&] { chart->SetData(constant(cspace, "chDimSeriesNames"), 0, constant(cspace, "chPivotColumns")); });
    resume.run([&] { chart->SetData(constant(cspace, "chDimCategories"), 0, constant(cspace, "chPivotRows")); });

    if (totals == 1) {
        setData(resume, cspace, *chart, "chDimValues", 0);
    } else if (totals == 2) {
        setType(resume, cspace, *chart, "chChartTypeScatterMarkers");
        setData(resume, cspace, *chart, "chDimYValues", 0);
        setData(resume, cspace, *chart, "chDimXValues", 1);
        setUpAxis(resume, cspace, *chart, "chAxisPositionLeft", view, 0);
        setUpAxis(resume, cspace, *chart, "chAxisPositionBottom", view, 1);
    } else if (totals >= 3) {
        setType(resume, cspace, *chart, "chChartTypeBubble");
        setData(resume, cspace, *chart, "chDimYValues", 0);
        setData(resume, cspace, *chart, "chDimXValues", 1);
        setData(resume, cspace, *chart, "chDimBubbleValues", 2);
        setUpAxis(resume, cspace, *chart, "chAxisPositionLeft", view, 0);
        setUpAxis(resume, cspace, *chart, "chAxisPositionBottom", view, 1);
        resume.run([&] {
            chart->Title().setCaption(chart->Title().Caption() + QStringLiteral("  (Bubble Size Represents ")
                                      + view.DataAxis().Totals()(2).Caption() + QStringLiteral(")"));
        });
    }
    resume.clear();
}

void fillGraphTypeList(QComboBox& list)
{
    const QSignalBlocker quiet(list);
    list.clear();
    for (const graphtypelist::Entry& entry : graphtypelist::kEntries)
        list.addItem(QString::fromUtf16(entry.text), entry.chartType);
    list.setCurrentIndex(-1);
}

void subFixGraphType(chart::ChartSpace& excChart, const QComboBox& cmbGraphType)
{
    common::ResumeNext resume;
    chart::ChChart* chart = nullptr;
    if (resume.run([&] { chart = &excChart.Charts()(0); })) {
        resume.run([&] {
            if (cmbGraphType.currentIndex() >= 0)
                chart->setType(cmbGraphType.itemData(cmbGraphType.currentIndex()).toInt());
        });
    }
    if (resume.pending()) {
        platform::services().messageBox->msgBox(resume.description(), platform::mb::vbOKOnly, QString());
        resume.clear();
    }
}

}

}
