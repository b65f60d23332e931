#pragma once

#include "pivot/PivotObjects.h"
#include "pivot/PivotXml.h"

#include <QElapsedTimer>
#include <QWidget>
#include <functional>
#include <memory>

class QHBoxLayout;
class QLabel;
class QTimer;
class QVBoxLayout;

namespace pivot {

class DropArea;
class FieldListPanel;
class MemberChecklist;
class PivotController;
class PivotGridModel;
class PivotGridView;
class PropertyToolbox;
class DetailsView;

// Which component version the table behaves as. One implementation; the versions
// differ only where the report windows rely on it: version 9 raises QueryComplete after
// each query and has no AllowDetails (error 438).
enum class Version { V9 = 9, V10 = 10, V11 = 11 };

// The pivot table component `pivReports`: a cube bound by connection string and data
// member, laid out by the user or by XMLData, shown as a grid with field list, drop
// areas, title bar, property toolbox and details. The binding, the layout and the query
// are its controller's (controller()); the component composes the views of the
// controller's result, and its members forward to the controller.
class PivotTable : public QWidget
{
    Q_OBJECT
public:
    explicit PivotTable(Version version = Version::V11, QWidget* parent = nullptr);
    ~PivotTable() override;

    Version version() const { return m_version; }
    PivotController& controller() const { return *m_controller; }

    // Members the report windows call. Failures raise platform::VbError.
    QString ConnectionString() const;
    void setConnectionString(const QString& connectionString);
    QString DataMember() const;
    void setDataMember(const QString& dataMember);
    QStringList DataMemberStrings() const;
    QString XMLData() const;
    void setXMLData(const QString& xml);
    PivotView& ActiveView() { return m_view; }
    bool DisplayFieldList() const;
    void setDisplayFieldList(bool display);
    bool DisplayPropertyToolbox() const;
    void setDisplayPropertyToolbox(bool display);
    bool AllowDetails() const;
    void setAllowDetails(bool allow);
    // Limits of the pivot's content in pixels (0: none); the widget itself keeps sizing freely.
    int MaxHeight() const { return m_maxHeight; }
    void setMaxHeight(int pixels);
    int MaxWidth() const { return m_maxWidth; }
    void setMaxWidth(int pixels);
    void ExportPicture(const QString& fileName, const QString& filterName, int width, int height);

    // For the chart bound to this table: the last result and its data fields.
    const olap::CellSet& cellSet() const;
    QStringList measureCaptions() const;
    QStringList measureNumberFormats() const;
    // The labels of one row or column position of cellSet(), outer members first
    // ("East / Boston", "2024", "Grand Total").
    QString rowCaption(int position) const;
    QString columnCaption(int position) const;
    // The captions of the fields on the row and column axes, outermost first.
    QStringList rowFieldCaptions() const;
    QStringList columnFieldCaptions() const;

    // The pieces of the component, for hosts and tests that drive it as a user would.
    PivotGridView* grid() const;
    PivotGridModel* gridModel() const;
    FieldListPanel* fieldList() const { return m_fieldList; }
    PropertyToolbox* propertyToolbox() const { return m_toolbox; }
    DropArea* dropArea(Area area) const;
    QLabel* titleBar() const { return m_titleBar; }
    QString errorText() const;

    // Binds an already open cube, as setDataMember does after opening it.
    void setCubeSource(std::unique_ptr<olap::CubeSource> source, const QString& dataMember);
    // Queries run on another thread when set (the report windows set it): the window goes on
    // handling events with a busy cursor and shows how far a cube file has been read, or how
    // long the cube server has been waited for (with a link that stops waiting), when that
    // takes longer than half a second. Until the query in hand lands, everything here shows
    // the last result that did (PivotController).
    void setQueriesInBackground(bool background);
    bool queryPending() const;
    // Runs `step` once the query in hand has landed (at once without one), while `context` lives.
    void afterResult(QObject* context, std::function<void()> step);
    QLabel* progressLabel() const { return m_progressLabel; }
    const PivotLayout& layout() const;
    // Changes the layout as the user would, and queries again.
    void placeField(const FieldRef& field, Area area, int index = -1);
    void removeField(const FieldRef& field);
    void toggleMember(Area area, int position, int slot);
    void setLevelExpanded(Area area, int slot, bool expanded);
    void sortByLabel(Area area, olap::SortOrder order);
    void sortByValue(Area area, int measure, olap::SortOrder order);
    void setMemberFilter(const QString& hierarchy, const QVector<olap::MemberPath>& include);
    void setAxisTotals(Area area, bool subtotals, bool grandTotal);
    // Opens the member checklist of a field; accepting it applies the filter.
    // Both come once the cube has answered, which may be after the call has returned.
    void openFilter(const QString& hierarchy);
    void showDetails(int row, int column);
    void editDataField(int index, const QString& caption, const QString& numberFormat);

    // Used by the ActiveView objects.
    QString titleCaption() const;
    void setTitleCaption(const QString& caption);
    bool displayEmpty(Area area) const;
    void setDisplayEmpty(Area area, bool display);

    QSize sizeHint() const override;
    QWidget* content() const { return m_content; }

signals:
    void QueryComplete();
    // After every query and every change of the data fields' captions or formats.
    void dataChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildUi();
    void buildBars(QVBoxLayout& main);
    void buildAreas(QVBoxLayout& left);
    void buildGrid(QVBoxLayout& left);
    void buildSidePanel(QHBoxLayout& body);
    void connectPanels();
    void requireMember(bool available, const char* member) const;
    // The views of what the controller tells.
    void showSchema();
    void showQueryStarted();
    void showProgress();
    void showResult();
    void showDataFields();
    void refreshPanels();
    void applyContentLimits();

    Version m_version;
    PivotController* m_controller;
    bool m_allowDetails = false;
    int m_maxHeight = 0;
    int m_maxWidth = 0;
    PivotView m_view;

    QWidget* m_content = nullptr;
    QLabel* m_titleBar = nullptr;
    QLabel* m_errorLabel = nullptr;
    QLabel* m_progressLabel = nullptr;
    QTimer* m_progressTimer = nullptr;
    QElapsedTimer m_readSince;
    QElapsedTimer m_pendingSince;
    PivotGridModel* m_model = nullptr;
    PivotGridView* m_grid = nullptr;
    FieldListPanel* m_fieldList = nullptr;
    PropertyToolbox* m_toolbox = nullptr;
    QWidget* m_sidePanel = nullptr;
    DropArea* m_areas[4] = {};
};

}
