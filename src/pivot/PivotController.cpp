#include "pivot/PivotController.h"

#include "pivot/PivotHooks.h"
#include "platform/SoftAssert.h"
#include "platform/VbError.h"

#include <QCoreApplication>
#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>

namespace pivot {

namespace {

// Errors are raised in the name of the component, and their texts are the component's (translated
// under the pivot table's context, spelled out at each call so that lupdate sees it).
const QString Source = QStringLiteral("PivotTable");
}

PivotController::PivotController(QObject* parent) : QObject(parent)
{
    // Without a cube the result is empty, with the grand total's slot on the rows.
    runQuery();
}

PivotController::~PivotController()
{
    // A query still running holds its own references to the source; its result goes nowhere.
    *m_latest = ++m_generation;
}

// The binding ------------------------------------------------------------------------

void PivotController::setConnectionString(const QString& connectionString)
{
    // A new data source: the old cube and its layout no longer apply.
    m_state.connectionString = connectionString;
    m_state.dataMember.clear();
    bind(nullptr);
    runQuery();
}

QStringList PivotController::dataMemberStrings() const
{
    if (m_state.connectionString.isEmpty())
        platform::raiseError(platform::err::Unspecified,
                             QCoreApplication::translate("pivot", "The pivot table has no connection string"), Source);
    return hooks().cubeLister(m_state.connectionString);
}

void PivotController::setDataMember(const QString& dataMember)
{
    if (m_state.connectionString.isEmpty())
        platform::raiseError(platform::err::Unspecified,
                             QCoreApplication::translate("pivot", "The pivot table has no connection string"), Source);
    std::unique_ptr<olap::CubeSource> source = hooks().cubeOpener(m_state.connectionString, dataMember);
    if (!source)
        platform::raiseError(platform::err::Unspecified,
                             QCoreApplication::translate("pivot", "Cube %1 cannot be opened").arg(dataMember), Source);
    setCubeSource(std::move(source), dataMember);
}

void PivotController::setCubeSource(std::unique_ptr<olap::CubeSource> source, const QString& dataMember)
{
    m_state.dataMember = dataMember;
    bind(std::move(source));
    runQuery();
}

// A new binding starts afresh: no fields, and the title bar shows the cube's own caption,
// not that of the report shown before.
void PivotController::bind(std::unique_ptr<olap::CubeSource> source)
{
    m_source = std::move(source);
    m_sourceLock = std::make_shared<std::mutex>();
    resetLayout();
    emit sourceChanged();
}

void PivotController::resetLayout()
{
    m_state.layout = PivotLayout();
    m_state.title.clear();
}

QString PivotController::xmlData() const
{
    return writePivotXml(m_state);
}

bool PivotController::fitsSchema(const PivotLayout& layout, const olap::CubeSchema& schema) const
{
    auto levels = [&](const QString& hierarchy) {
        for (const olap::Hierarchy& h : schema.hierarchies)
            if (h.name == hierarchy)
                return int(h.levels.size());
        return -1;
    };
    for (const olap::Axis* axis : {&layout.rows, &layout.columns})
        for (const olap::AxisField& f : axis->fields)
            if (f.level >= levels(f.hierarchy))
                return false;
    for (const FilterField& f : layout.filterFields)
        if (f.level >= levels(f.hierarchy))
            return false;
    for (const olap::Filter& f : layout.filters)
        if (levels(f.hierarchy) < 0)
            return false;
    for (const DataField& d : layout.dataFields) {
        const bool known = std::any_of(schema.measures.begin(), schema.measures.end(),
                                       [&](const olap::Measure& m) { return m.name == d.measure; });
        if (!known)
            return false;
    }
    return true;
}

void PivotController::setXmlData(const QString& xml)
{
    std::optional<PivotState> state = readPivotXml(xml);
    if (!state)
        platform::raiseError(platform::err::NoInterface,
                             QCoreApplication::translate("pivot", "The pivot table cannot use this XML data"), Source);

    const bool sameCube = m_source && state->connectionString == withoutPassword(m_state.connectionString)
        && state->dataMember == m_state.dataMember;
    std::unique_ptr<olap::CubeSource> source;
    std::optional<platform::VbError> openError;
    if (sameCube) {
        // The stored string lacks the password the live one may carry; keep the live one.
        state->connectionString = m_state.connectionString;
    } else if (!state->connectionString.isEmpty() && !state->dataMember.isEmpty()) {
        try {
            source = hooks().cubeOpener(state->connectionString, state->dataMember);
        } catch (const platform::VbError& e) {
            openError = e;
        }
    }
    const olap::CubeSchema* schema = sameCube ? &m_source->schema() : (source ? &source->schema() : nullptr);
    if (schema && !fitsSchema(state->layout, *schema))
        platform::raiseError(
            platform::err::NoInterface,
            QCoreApplication::translate("pivot", "The XML data does not fit cube %1").arg(state->dataMember), Source);

    if (!sameCube) {
        m_source = std::move(source);
        m_sourceLock = std::make_shared<std::mutex>();
        emit sourceChanged();
    }
    m_state = *state;
    runQuery();
    // The state is restored either way; a cube that cannot be opened is still the caller's to hear of.
    if (openError)
        throw *openError;
}

// What the panels show ---------------------------------------------------------------

void PivotController::setDisplayFieldList(bool display)
{
    m_state.displayFieldList = display;
    emit stateChanged();
}

void PivotController::setDisplayPropertyToolbox(bool display)
{
    m_state.displayPropertyToolbox = display;
    emit stateChanged();
}

void PivotController::setTitleCaption(const QString& caption)
{
    m_state.title = caption;
    emit stateChanged();
}

QString PivotController::titleBarText() const
{
    return m_state.title.isEmpty() && m_source ? m_source->schema().caption : m_state.title;
}

// Layout changes ---------------------------------------------------------------------

void PivotController::placeField(const FieldRef& field, Area area, int index)
{
    if (m_state.layout.place(field, area, index))
        runQuery();
}

void PivotController::removeField(const FieldRef& field)
{
    if (!m_state.layout.find(field))
        return;
    m_state.layout.remove(field);
    runQuery();
}

const HeaderLayout& PivotController::headers(Area area) const
{
    return area == Area::Row ? result()->rows : result()->columns;
}

const QVector<olap::Tuple>& PivotController::tuples(Area area) const
{
    return area == Area::Row ? result()->cells->rows : result()->cells->columns;
}

bool PivotController::shownFieldIsCurrent(Area area, int field) const
{
    const auto& shown = (area == Area::Row ? result()->query.rows : result()->query.columns).fields;
    const auto& current = m_state.layout.axis(area).fields;
    return field >= 0 && field < shown.size() && field < current.size()
        && shown[field].hierarchy == current[field].hierarchy;
}

// The headers clicked are those of the shown result; while a newer layout is queried,
// a click on a field that has moved since changes nothing.
void PivotController::toggleMember(Area area, int position, int slot)
{
    const HeaderLayout& axis = headers(area);
    if (!SOFT_ASSERT(position >= 0 && position < axis.positionCount() && slot >= 0 && slot < axis.slotCount()))
        return;
    const HeaderCell& cell = axis.cell(position, slot);
    const int field = axis.slotField(slot);
    if (!cell.expandable || !shownFieldIsCurrent(area, field))
        return;
    m_state.layout.setExpanded(area, field, axis.memberAt(tuples(area)[position], slot), !cell.expanded);
    runQuery();
}

void PivotController::setLevelExpanded(Area area, int slot, bool expanded)
{
    const HeaderLayout& axis = headers(area);
    if (!SOFT_ASSERT(slot >= 0 && slot < axis.slotCount()) || !shownFieldIsCurrent(area, axis.slotField(slot)))
        return;
    m_state.layout.setLevelExpanded(area, axis.slotField(slot), axis.slotDepth(slot), expanded);
    runQuery();
}

void PivotController::sortByLabel(Area area, olap::SortOrder order)
{
    olap::Axis& axis = m_state.layout.axis(area);
    axis.sortByLabel = order;
    axis.sortByMeasure.reset();
    axis.sortByValue = olap::SortOrder::None;
    runQuery();
}

void PivotController::sortByValue(Area area, int measure, olap::SortOrder order)
{
    olap::Axis& axis = m_state.layout.axis(area);
    if (order == olap::SortOrder::None)
        axis.sortByMeasure.reset();
    else
        axis.sortByMeasure = measure;
    axis.sortByValue = order;
    runQuery();
}

void PivotController::setMemberFilter(const QString& hierarchy, const QVector<olap::MemberPath>& include)
{
    m_state.layout.setFilter(hierarchy, include);
    runQuery();
}

void PivotController::setAxisTotals(Area area, bool subtotals, bool grandTotal)
{
    olap::Axis& axis = m_state.layout.axis(area);
    if (axis.subtotals == subtotals && axis.grandTotal == grandTotal)
        return;
    axis.subtotals = subtotals;
    axis.grandTotal = grandTotal;
    runQuery();
}

void PivotController::setDisplayEmpty(Area area, bool display)
{
    if (m_state.layout.axis(area).showEmpty == display)
        return;
    m_state.layout.axis(area).showEmpty = display;
    runQuery();
}

void PivotController::editDataField(int index, const QString& caption, const QString& numberFormat)
{
    if (!SOFT_ASSERT(index >= 0 && index < m_state.layout.dataFields.size()))
        return;
    DataField& field = m_state.layout.dataFields[index];
    // Store only what differs from the cube, so a cube's later format change still shows.
    QString cubeCaption, cubeFormat;
    if (m_source)
        for (const olap::Measure& m : m_source->schema().measures)
            if (m.name == field.measure) {
                cubeCaption = m.caption.isEmpty() ? m.name : m.caption;
                cubeFormat = m.numberFormat;
            }
    field.caption = caption == cubeCaption ? QString() : caption;
    field.numberFormat = numberFormat == cubeFormat ? QString() : numberFormat;
    emit dataFieldsChanged();
}

// Member lists and details -------------------------------------------------------------

void PivotController::fail(const QString& description)
{
    m_error = description;
    emit stateChanged();
}

void PivotController::requestFilterChoice(const QString& hierarchy, QObject* context,
                                          std::function<void(std::optional<FilterChoice>)> done)
{
    if (!m_source) {
        done(std::nullopt);
        return;
    }
    int level = 0;
    if (const auto at = m_state.layout.find(FieldRef{FieldRef::Kind::Hierarchy, hierarchy, 0}))
        level = at->first == Area::Filter ? m_state.layout.filterFields[at->second].level
                                          : m_state.layout.axis(at->first).fields[at->second].level;
    const QString caption = fieldCaption(FieldRef{FieldRef::Kind::Hierarchy, hierarchy, level});
    withCube(context, [this, hierarchy, level, caption, done](olap::CubeSource& cube) -> std::function<void()> {
        try {
            return
                [this, hierarchy, choice = FilterChoice{caption, cube.members(hierarchy, level), {}}, done]() mutable {
                    if (const olap::Filter* current = m_state.layout.filterFor(hierarchy))
                        choice.included = current->include;
                    done(std::move(choice));
                };
        } catch (const platform::VbError& e) {
            return [this, description = e.description(), done] {
                fail(description);
                done(std::nullopt);
            };
        }
    });
}

void PivotController::requestDetails(int rowPosition, int columnPosition, int limit, QObject* context,
                                     std::function<void(std::optional<olap::DetailRows>)> done)
{
    if (!m_source) {
        done(std::nullopt);
        return;
    }
    // The positions are those of the shown result, whose query may not be the latest.
    withCube(context,
             [this, query = result()->query, rowPosition, columnPosition, limit,
              done](olap::CubeSource& cube) -> std::function<void()> {
                 try {
                     return [rows = cube.details(query, rowPosition, columnPosition, limit), done] { done(rows); };
                 } catch (const platform::VbError& e) {
                     return [this, description = e.description(), done] {
                         fail(description);
                         done(std::nullopt);
                     };
                 }
             });
}

void PivotController::withCube(QObject* context, CubeWork work)
{
    const auto then = [this, context = QPointer<QObject>(context), source = m_source](std::function<void()> step) {
        if (context && source == m_source)
            step();
    };
    if (!m_background) {
        std::function<void()> step;
        {
            const std::lock_guard lock(*m_sourceLock);
            step = work(*m_source);
        }
        then(std::move(step));
        return;
    }
    auto* watcher = new QFutureWatcher<std::function<void()>>(this);
    connect(watcher, &QFutureWatcher<std::function<void()>>::finished, this, [watcher, then] {
        watcher->deleteLater();
        then(watcher->result());
    });
    watcher->setFuture(QtConcurrent::run([source = m_source, lock = m_sourceLock, work = std::move(work)] {
        const std::lock_guard guard(*lock);
        return work(*source);
    }));
}

// Captions ---------------------------------------------------------------------------

QString PivotController::fieldCaption(const FieldRef& field) const
{
    if (!m_source)
        return field.name;
    const olap::CubeSchema& schema = m_source->schema();
    if (field.kind == FieldRef::Kind::Measure) {
        for (const DataField& d : m_state.layout.dataFields)
            if (d.measure == field.name && !d.caption.isEmpty())
                return d.caption;
        for (const olap::Measure& m : schema.measures)
            if (m.name == field.name)
                return m.caption.isEmpty() ? m.name : m.caption;
        return field.name;
    }
    for (const olap::Hierarchy& h : schema.hierarchies)
        if (h.name == field.name) {
            if (field.level > 0 && field.level < h.levels.size())
                return h.levels[field.level].caption;
            return h.caption.isEmpty() ? h.name : h.caption;
        }
    return field.name;
}

QStringList PivotController::fieldCaptions(Area area) const
{
    QStringList captions;
    for (const FieldRef& field : m_state.layout.fieldsOf(area))
        captions << fieldCaption(field);
    return captions;
}

QStringList PivotController::measureCaptions() const
{
    QStringList captions;
    for (const DataField& field : m_state.layout.dataFields)
        captions << fieldCaption(FieldRef{FieldRef::Kind::Measure, field.measure, 0});
    return captions;
}

QStringList PivotController::measureNumberFormats() const
{
    QStringList formats;
    for (const DataField& field : m_state.layout.dataFields) {
        QString format = field.numberFormat;
        if (format.isEmpty() && m_source)
            for (const olap::Measure& m : m_source->schema().measures)
                if (m.name == field.measure)
                    format = m.numberFormat;
        formats << format;
    }
    return formats;
}

QStringList PivotController::slotCaptions(Area area) const
{
    const HeaderLayout& axis = headers(area);
    const auto& fields = (area == Area::Row ? result()->query.rows : result()->query.columns).fields;
    QStringList captions;
    for (int s = 0; s < axis.slotCount(); ++s) {
        const int field = axis.slotField(s);
        QString caption;
        if (field >= 0 && field < fields.size() && m_source)
            for (const olap::Hierarchy& h : m_source->schema().hierarchies)
                if (h.name == fields[field].hierarchy && axis.slotDepth(s) < h.levels.size())
                    caption = h.levels[axis.slotDepth(s)].caption;
        captions << caption;
    }
    return captions;
}

// The query --------------------------------------------------------------------------

void PivotController::runQuery()
{
    *m_latest = ++m_generation;
    if (!m_background || !m_source) {
        m_pending = false;
        publish(answerQuery(m_source.get(), *m_sourceLock, m_state.layout.toQuery()));
        return;
    }
    // A query in hand is replaced: its result is never shown.
    m_pending = true;
    QFuture<QueryAnswer> future =
        QtConcurrent::run([source = m_source, lock = m_sourceLock, query = m_state.layout.toQuery(), latest = m_latest,
                           generation = m_generation] {
            return answerQuery(source.get(), *lock, query, [&] { return *latest != generation; });
        });
    auto* watcher = new QFutureWatcher<QueryAnswer>(this);
    connect(watcher, &QFutureWatcher<QueryAnswer>::finished, this, [this, watcher, generation = m_generation] {
        watcher->deleteLater();
        if (generation != m_generation)
            return;
        m_pending = false;
        publish(watcher->result());
    });
    watcher->setFuture(future);
    emit queryStarted();
}

void PivotController::afterResult(QObject* context, std::function<void()> step)
{
    if (!m_pending) {
        step();
        return;
    }
    m_afterResult.emplace_back(context, std::move(step));
}

std::optional<std::pair<qint64, qint64>> PivotController::readProgress() const
{
    return m_source ? m_source->readProgress() : std::nullopt;
}

std::optional<qint64> PivotController::serverWait() const
{
    return m_source ? m_source->serverWait() : std::nullopt;
}

void PivotController::stopWaiting()
{
    if (m_source)
        m_source->stopWaiting();
}

void PivotController::publish(QueryAnswer answer)
{
    m_error = answer.error;
    m_result = std::move(answer.result);
    emit resultReady();
    // A step that queries again leaves the steps after it waiting for that query.
    while (!m_afterResult.empty() && !m_pending) {
        auto [context, step] = std::move(m_afterResult.front());
        m_afterResult.erase(m_afterResult.begin());
        if (context)
            step();
    }
}

}
