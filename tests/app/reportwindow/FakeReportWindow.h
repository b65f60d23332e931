#pragma once

#include "app/reportwindow/ReportWindowView.h"
#include "chart/ChartSpace.h"
#include "pivot/PivotTable.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

// A report window of the newest components with every control the procedures reach,
// stacked in a column, each under its own name. The chart-type list is there only when
// asked for, as only the version 9 window has one.
class FakeReportWindow : public QMainWindow, public reportwindow::ReportWindowView
{
public:
    explicit FakeReportWindow(bool withGraphTypeList = false)
    {
        auto* body = new QWidget(this);
        m_column = new QVBoxLayout(body);
        setCentralWidget(body);
        tree = add<QTreeWidget>("treReports");
        pivot = add(new pivot::PivotTable(pivot::Version::V11, body), "pivReports");
        chart = add(new chart::ChartSpace(chart::ComponentVersion::V11, body), "excChart");
        both = add<QRadioButton>("optBoth");
        pivotOnly = add<QRadioButton>("optPivot");
        graphOnly = add<QRadioButton>("optGraph");
        addReport = add<QPushButton>("cmdAddReport");
        removeReport = add<QPushButton>("cmdRemoveReport");
        info = add<QPushButton>("cmdInfo");
        if (withGraphTypeList)
            graphTypes = add<QComboBox>("cmbGraphType");
        reports = add<QLabel>("lblReports");
        webLink = add<QLabel>("lblWebLink");
        logo = add<QLabel>("imgLogo");
        tools = named(menuBar()->addMenu(QString()), "mnuTools");
        savePicture = named(tools->addAction(QString()), "mnuSavePicture");
        print = named(tools->addAction(QString()), "mnuPrint");
        help = named(menuBar()->addMenu(QString()), "mnuHelp");
        both->setChecked(true);
    }

    QMainWindow* form() override { return this; }
    QTreeWidget* treReports() const override { return tree; }
    reportwindow::TreeImageList* imgCubeReports() const override { return nullptr; }
    pivot::PivotTable* pivReports() const override { return pivot; }
    chart::ChartSpace* excChart() const override { return chart; }
    QRadioButton* optBoth() const override { return both; }
    QRadioButton* optPivot() const override { return pivotOnly; }
    QRadioButton* optGraph() const override { return graphOnly; }
    QPushButton* cmdAddReport() const override { return addReport; }
    QPushButton* cmdRemoveReport() const override { return removeReport; }
    QPushButton* cmdInfo() const override { return info; }
    QComboBox* cmbGraphType() const override { return graphTypes; }
    QLabel* lblReports() const override { return reports; }
    QLabel* lblWebLink() const override { return webLink; }
    QLabel* imgLogo() const override { return logo; }
    QMenu* mnuTools() const override { return tools; }
    QAction* mnuSavePicture() const override { return savePicture; }
    QAction* mnuPrint() const override { return print; }
    QMenu* mnuHelp() const override { return help; }
    void bindChartToPivot() override { ++chartBindings; }

    QTreeWidget* tree;
    pivot::PivotTable* pivot;
    chart::ChartSpace* chart;
    QRadioButton* both;
    QRadioButton* pivotOnly;
    QRadioButton* graphOnly;
    QPushButton* addReport;
    QPushButton* removeReport;
    QPushButton* info;
    QComboBox* graphTypes = nullptr;
    QLabel* reports;
    QLabel* webLink;
    QLabel* logo;
    QMenu* tools;
    QAction* savePicture;
    QAction* print;
    QMenu* help;
    int chartBindings = 0;

private:
    template<class T>
    static T* named(T* object, const char* name)
    {
        object->setObjectName(QString::fromLatin1(name));
        return object;
    }
    template<class T>
    T* add(T* widget, const char* name)
    {
        m_column->addWidget(widget);
        return named(widget, name);
    }
    template<class T>
    T* add(const char* name)
    {
        return add(new T(centralWidget()), name);
    }

    QVBoxLayout* m_column;
};
