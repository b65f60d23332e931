#pragma once

#include "pivot/PivotXml.h"
#include "pivot/QueryAnswer.h"

#include <QObject>
#include <QPointer>
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace pivot {

// The pivot table without its widgets: the cube it is bound to, the layout and the rest of
// its persisted state, and the query that turns them into a result. A change that needs a
// new result queries at once and emits resultReady(); one that changes only what the
// panels show emits stateChanged(). Failures of the members the report windows call
// raise platform::VbError; a failing query is kept as errorText() with an empty result.
//
// With queries in the background (the report windows set it), a query runs on another
// thread, headers laid out and all, and queryStarted() tells the views to wait; a query
// that a newer one replaces is dropped, never shown late. Nothing here ever waits for a
// query: result() and errorText() are those of the last result that landed, and what
// must follow the result in hand runs from afterResult().
class PivotController : public QObject
{
    Q_OBJECT
public:
    explicit PivotController(QObject* parent = nullptr);
    ~PivotController() override;

    const PivotState& state() const { return m_state; }
    // Null while no cube is bound.
    const olap::CubeSource* source() const { return m_source.get(); }
    // The last result that landed; never null, empty before the first query.
    const std::shared_ptr<const PivotResult>& result() const { return m_result; }
    QString errorText() const { return m_error; }

    void setQueriesInBackground(bool background) { m_background = background; }
    bool queryPending() const { return m_pending; }
    // Runs `step` once the query in hand has landed (at once when there is none), unless
    // `context` is gone by then. A query that replaces the one in hand takes over its steps.
    void afterResult(QObject* context, std::function<void()> step);
    // Rows read of rows while the bound cube file is still being read.
    std::optional<std::pair<qint64, qint64>> readProgress() const;
    // While the query in hand waits for the cube server: milliseconds waited; and giving it up.
    std::optional<qint64> serverWait() const;
    void stopWaiting();

    // The binding to a cube.
    void setConnectionString(const QString& connectionString);
    QStringList dataMemberStrings() const;
    void setDataMember(const QString& dataMember);
    void setCubeSource(std::unique_ptr<olap::CubeSource> source, const QString& dataMember);
    QString xmlData() const;
    void setXmlData(const QString& xml);

    // What the panels show.
    void setDisplayFieldList(bool display);
    void setDisplayPropertyToolbox(bool display);
    void setTitleCaption(const QString& caption);
    // The title bar's text: the caption set, else the cube's own.
    QString titleBarText() const;

    // Layout changes, as the user makes them; each queries again when it changed anything.
    void placeField(const FieldRef& field, Area area, int index = -1);
    void removeField(const FieldRef& field);
    void toggleMember(Area area, int position, int slot);
    void setLevelExpanded(Area area, int slot, bool expanded);
    void sortByLabel(Area area, olap::SortOrder order);
    void sortByValue(Area area, int measure, olap::SortOrder order);
    void setMemberFilter(const QString& hierarchy, const QVector<olap::MemberPath>& include);
    void setAxisTotals(Area area, bool subtotals, bool grandTotal);
    void setDisplayEmpty(Area area, bool display);
    // A data field's caption and format; emits dataFieldsChanged() instead of querying.
    void editDataField(int index, const QString& caption, const QString& numberFormat);

    // What the member checklist of a field offers, and the fact rows behind one cell of the
    // shown result. Asked of the cube as queries are (on another thread in the background),
    // they come to `done` on this thread, unless `context` is gone or another cube is bound
    // by then. None without a cube, or when the cube cannot answer (then errorText() says why).
    struct FilterChoice
    {
        QString caption;
        QVector<olap::Member> members;
        QVector<olap::MemberPath> included;
    };
    void requestFilterChoice(const QString& hierarchy, QObject* context,
                             std::function<void(std::optional<FilterChoice>)> done);
    void requestDetails(int rowPosition, int columnPosition, int limit, QObject* context,
                        std::function<void(std::optional<olap::DetailRows>)> done);

    // Captions, as the cube and the layout name things.
    QString fieldCaption(const FieldRef& field) const;
    QStringList fieldCaptions(Area area) const;
    QStringList measureCaptions() const;
    QStringList measureNumberFormats() const;
    // The level captions of the result's header slots on the row or column axis.
    QStringList slotCaptions(Area area) const;

signals:
    // Another cube is bound, or none: the field list's schema changes.
    void sourceChanged();
    // A query went to the background; resultReady() follows unless a newer query replaces it.
    void queryStarted();
    void resultReady();
    void dataFieldsChanged();
    void stateChanged();

private:
    void bind(std::unique_ptr<olap::CubeSource> source);
    void resetLayout();
    bool fitsSchema(const PivotLayout& layout, const olap::CubeSchema& schema) const;
    void runQuery();
    void publish(QueryAnswer answer);
    // Runs `work` with the bound cube to itself, where queries run; what it returns then runs
    // here, unless `context` is gone or another cube is bound.
    using CubeWork = std::function<std::function<void()>(olap::CubeSource& cube)>;
    void withCube(QObject* context, CubeWork work);
    void fail(const QString& description);
    const HeaderLayout& headers(Area area) const;
    const QVector<olap::Tuple>& tuples(Area area) const;
    // Whether axis field `field` of the shown result is still the same field of the layout.
    bool shownFieldIsCurrent(Area area, int field) const;

    PivotState m_state;
    // Shared with a query running in the background; the lock keeps a source to one call at a time.
    std::shared_ptr<olap::CubeSource> m_source;
    std::shared_ptr<std::mutex> m_sourceLock = std::make_shared<std::mutex>();
    std::shared_ptr<const PivotResult> m_result;
    QString m_error;
    bool m_background = false;
    bool m_pending = false;     // the latest query has not landed yet
    quint64 m_generation = 0;   // of the latest query
    std::shared_ptr<std::atomic<quint64>> m_latest =
        std::make_shared<std::atomic<quint64>>(0);   // the same, for running queries
    std::vector<std::pair<QPointer<QObject>, std::function<void()>>> m_afterResult;
};

}
