#pragma once

#include "chart/ChartConstants.h"
#include "chart/ChartDataSource.h"
#include "chart/ChartModel.h"
#include "chart/ChartScene.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

QT_BEGIN_NAMESPACE
class QGraphicsView;
QT_END_NAMESPACE

namespace chart {

class ChartFieldList;
class ChartPropertyToolbox;

// Versions 11, 10 and 9 of the chart space differ in the members they offer.
enum class ComponentVersion { V9 = 9, V10 = 10, V11 = 11 };

// `ChartDataSources`: how many data sources the chart space is bound to.
class ChartDataSourceList
{
public:
    explicit ChartDataSourceList(int count) : m_count(count) {}
    int Count() const { return m_count; }

private:
    int m_count;
};

// The chart space of the report window (`excChart`): charts drawn from a bound data
// source (the pivot table), its persisted state and its pictures. A member that the
// version does not have raises 438.
class ChartSpace : public QWidget, private ChartOwner
{
    Q_OBJECT
public:
    explicit ChartSpace(ComponentVersion version, QWidget* parent = nullptr);
    ~ChartSpace() override;

    ComponentVersion version() const { return m_version; }

    ChartDataSource* DataSource() const { return m_source; }
    // Binds the charts to `source` (none unbinds). Versions 10 and 11 then draw it at once
    // as a pivot chart: chart 0 is added when there is none, and a chart with nothing
    // bound gets the columns as series, the rows as categories and every data field.
    void setDataSource(ChartDataSource* source);
    ChartDataSourceList ChartDataSources() const { return ChartDataSourceList(dataSourceCount()); }
    ChartCollection& Charts() { return m_charts; }
    const ChartCollection& Charts() const { return m_charts; }
    const ChartConstants& Constants() const { return m_constants; }

    // Versions 10 and 11.
    QString XMLData() const;
    // Raises 0x80004002 for text it cannot use, and then changes nothing. The data source
    // stays bound.
    void setXMLData(const QString& xml);
    bool DisplayFieldList() const;
    void setDisplayFieldList(bool display);
    bool DisplayPropertyToolbox() const;
    void setDisplayPropertyToolbox(bool display);

    bool HasChartSpaceTitle() const { return m_settings.hasChartSpaceTitle; }
    void setHasChartSpaceTitle(bool has);
    ChartTitle& ChartSpaceTitle() { return m_chartSpaceTitle; }
    const ChartTitle& ChartSpaceTitle() const { return m_chartSpaceTitle; }

    // The chart space drawn at exactly `width` x `height` pixels as GIF bytes (versions
    // 10 and 11) or into a GIF file (version 9). The filter must be "gif"; a picture that
    // cannot be made raises 340, as does a side outside 1 to MaxPictureSide (big enough
    // for a poster, small enough to stay in memory).
    static constexpr int MaxPictureSide = 8000;
    QByteArray GetPicture(const QString& filterName, int width, int height) const;
    void ExportPicture(const QString& file, const QString& filterName, int width, int height) const;
    // What the pictures show, drawn offscreen.
    QImage renderImage(const QSize& size) const;

    // The charts as the window shows them now (after any pending redraw).
    QList<QChart*> shownCharts();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void stateChanged() override;
    int dataSourceCount() const override { return m_source ? 1 : 0; }
    void requireVersion(bool available, const char* member) const;
    void checkPicture(const QString& filterName, int width, int height) const;
    ChartSpaceState state() const;
    void redraw();

    ComponentVersion m_version;
    ChartConstants m_constants;
    ChartCollection m_charts;
    ChartSpaceSettings m_settings;
    ChartTitle m_chartSpaceTitle;
    QPointer<ChartDataSource> m_source;
    ChartScene m_scene;
    QGraphicsView* m_view;
    ChartFieldList* m_fieldList;
    ChartPropertyToolbox* m_toolbox;
    QTimer m_redrawTimer;
};

}
