#include "pivot/PivotTable.h"

#include "pivot/DetailsView.h"
#include "pivot/DropArea.h"
#include "pivot/FieldListPanel.h"
#include "pivot/MemberChecklist.h"
#include "pivot/NestedHeaderView.h"
#include "pivot/PivotGridModel.h"
#include "pivot/PivotGridView.h"
#include "pivot/PivotHooks.h"
#include "pivot/PivotPicture.h"
#include "pivot/PropertyToolbox.h"
#include "platform/VbError.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace pivot {
namespace {
const QString Source = QStringLiteral("PivotTable");
constexpr int DetailRowLimit = 1000;
}

PivotTable::PivotTable(Version version, QWidget* parent)
    : QWidget(parent), m_version(version), m_cells(std::make_shared<olap::CellSet>()), m_view(*this)
{
    buildUi();
    runQuery();
    applyContentLimits();
}

PivotTable::~PivotTable() = default;

void PivotTable::buildUi()
{
    // The content is placed by hand (resizeEvent): it fills the component up to its
    // own limits, kept top left, which no layout alignment does.
    m_content = new QWidget(this);

    auto* main = new QVBoxLayout(m_content);
    main->setContentsMargins(0, 0, 0, 0);
    main->setSpacing(0);
    m_titleBar = new QLabel(m_content);
    m_titleBar->setTextFormat(Qt::PlainText);
    m_titleBar->setStyleSheet(QStringLiteral("background: #2f4f7f; color: white; font-weight: bold; padding: 3px 6px;"));
    main->addWidget(m_titleBar);

    auto* body = new QHBoxLayout;
    body->setSpacing(4);
    body->setContentsMargins(2, 2, 2, 2);
    main->addLayout(body, 1);

    auto* left = new QVBoxLayout;
    left->setSpacing(2);
    auto* areas = new QGridLayout;
    areas->setSpacing(2);
    m_areas[int(Area::Filter)] = new DropArea(Area::Filter, tr("Filter"), tr("Drag fields here to filter"), m_content);
    m_areas[int(Area::Column)] = new DropArea(Area::Column, tr("Columns"), tr("Drag fields here for columns"), m_content);
    m_areas[int(Area::Row)] = new DropArea(Area::Row, tr("Rows"), tr("Drag fields here for rows"), m_content);
    m_areas[int(Area::Data)] = new DropArea(Area::Data, tr("Data"), tr("Drag measures here"), m_content);
    areas->addWidget(m_areas[int(Area::Filter)], 0, 0);
    areas->addWidget(m_areas[int(Area::Column)], 0, 1);
    areas->addWidget(m_areas[int(Area::Row)], 1, 0);
    areas->addWidget(m_areas[int(Area::Data)], 1, 1);
    left->addLayout(areas);

    m_model = new PivotGridModel(this);
    m_grid = new PivotGridView(m_model, m_content);
    left->addWidget(m_grid, 1);
    m_errorLabel = new QLabel(m_content);
    m_errorLabel->setStyleSheet(QStringLiteral("color: #a01010;"));
    m_errorLabel->setWordWrap(true);
    m_errorLabel->hide();
    left->addWidget(m_errorLabel);
    body->addLayout(left, 1);

    m_sidePanel = new QWidget(m_content);
    auto* side = new QVBoxLayout(m_sidePanel);
    side->setContentsMargins(0, 0, 0, 0);
    m_fieldList = new FieldListPanel(m_sidePanel);
    m_toolbox = new PropertyToolbox(m_sidePanel);
    side->addWidget(m_fieldList, 2);
    side->addWidget(m_toolbox, 1);
    m_sidePanel->setMaximumWidth(260);
    body->addWidget(m_sidePanel);

    for (DropArea* area : m_areas) {
        connect(area, &DropArea::placeRequested, this,
                [this](const FieldRef& field, Area target, int index) { placeField(field, target, index); });
        connect(area, &DropArea::removeRequested, this, &PivotTable::removeField);
        connect(area, &DropArea::filterRequested, this,
                [this](const FieldRef& field) { openFilter(field.name); });
    }
    connect(m_fieldList, &FieldListPanel::addRequested, this,
            [this](const FieldRef& field, Area area) { placeField(field, area); });
    connect(m_fieldList, &FieldListPanel::removeRequested, this, &PivotTable::removeField);
    connect(m_toolbox, &PropertyToolbox::fieldEdited, this, &PivotTable::editDataField);
    connect(m_grid, &PivotGridView::memberToggleRequested, this, &PivotTable::toggleMember);
    connect(m_grid, &PivotGridView::levelExpandRequested, this, &PivotTable::setLevelExpanded);
    connect(m_grid, &PivotGridView::labelSortRequested, this, &PivotTable::sortByLabel);
    connect(m_grid, &PivotGridView::valueSortRequested, this, &PivotTable::sortByValue);
    connect(m_grid, &PivotGridView::detailsRequested, this, &PivotTable::showDetails);
    connect(m_grid, &PivotGridView::totalsRequested, this, [this](Area area, bool subtotals, bool grandTotal) {
        setAxisTotals(area, subtotals, grandTotal);
    });
    connect(m_grid, &PivotGridView::filterRequested, this, [this](Area area, int slot) {
        const int field = m_model->rowHeaders().slotCount() > slot && area == Area::Row
            ? m_model->rowHeaders().slotField(slot)
            : (area == Area::Column && slot < m_model->columnHeaders().slotCount() ? m_model->columnHeaders().slotField(slot) : -1);
        const auto& fields = m_state.layout.axis(area).fields;
        if (field >= 0 && field < fields.size())
            openFilter(fields[field].hierarchy);
    });
}

// Members --------------------------------------------------------------------------

void PivotTable::requireMember(bool available, const char* member) const
{
    if (!available)
        platform::raiseError(platform::err::MemberNotSupported,
                             tr("Object doesn't support this property or method: %1").arg(QLatin1String(member)), Source);
}

void PivotTable::setConnectionString(const QString& connectionString)
{
    // A new data source: the old cube and its layout no longer apply.
    m_state.connectionString = connectionString;
    m_state.dataMember.clear();
    m_source.reset();
    resetLayoutFor(nullptr);
    runQuery();
}

QStringList PivotTable::DataMemberStrings() const
{
    if (m_state.connectionString.isEmpty())
        platform::raiseError(platform::err::Unspecified, tr("The pivot table has no connection string"), Source);
    return cubeLister()(m_state.connectionString);
}

void PivotTable::setDataMember(const QString& dataMember)
{
    if (m_state.connectionString.isEmpty())
        platform::raiseError(platform::err::Unspecified, tr("The pivot table has no connection string"), Source);
    std::unique_ptr<olap::CubeSource> source = cubeOpener()(m_state.connectionString, dataMember);
    if (!source)
        platform::raiseError(platform::err::Unspecified, tr("Cube %1 cannot be opened").arg(dataMember), Source);
    setCubeSource(std::move(source), dataMember);
}

void PivotTable::setCubeSource(std::unique_ptr<olap::CubeSource> source, const QString& dataMember)
{
    m_source = std::move(source);
    m_state.dataMember = dataMember;
    resetLayoutFor(m_source ? &m_source->schema() : nullptr);
    runQuery();
}

void PivotTable::resetLayoutFor(const olap::CubeSchema* schema)
{
    // A new binding starts afresh: no fields, and the title bar shows the cube's own caption,
    // not that of the report shown before.
    m_state.layout = PivotLayout();
    m_state.title.clear();
    m_fieldList->setSchema(schema ? *schema : olap::CubeSchema());
}

QString PivotTable::XMLData() const
{
    return writePivotXml(m_state);
}

bool PivotTable::fitsSchema(const PivotLayout& layout, const olap::CubeSchema& schema) const
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

void PivotTable::setXMLData(const QString& xml)
{
    std::optional<PivotState> state = readPivotXml(xml);
    if (!state)
        platform::raiseError(platform::err::NoInterface, tr("The pivot table cannot use this XML data"), Source);

    const bool sameCube = m_source && state->connectionString == withoutPassword(m_state.connectionString)
        && state->dataMember == m_state.dataMember;
    std::unique_ptr<olap::CubeSource> source;
    std::optional<platform::VbError> openError;
    if (sameCube) {
        // The stored string lacks the password the live one may carry; keep the live one.
        state->connectionString = m_state.connectionString;
    } else if (!state->connectionString.isEmpty() && !state->dataMember.isEmpty()) {
        try {
            source = cubeOpener()(state->connectionString, state->dataMember);
        } catch (const platform::VbError& e) {
            openError = e;
        }
    }
    const olap::CubeSchema* schema = sameCube ? &m_source->schema() : (source ? &source->schema() : nullptr);
    if (schema && !fitsSchema(state->layout, *schema))
        platform::raiseError(platform::err::NoInterface, tr("The XML data does not fit cube %1").arg(state->dataMember),
                             Source);

    if (!sameCube) {
        m_source = std::move(source);
        m_fieldList->setSchema(m_source ? m_source->schema() : olap::CubeSchema());
    }
    m_state = *state;
    runQuery();
    // The state is restored either way; a cube that cannot be opened is still the caller's to hear of.
    if (openError)
        throw *openError;
}

void PivotTable::setDisplayFieldList(bool display)
{
    m_state.displayFieldList = display;
    refreshPanels();
}

void PivotTable::setDisplayPropertyToolbox(bool display)
{
    m_state.displayPropertyToolbox = display;
    refreshPanels();
}

bool PivotTable::AllowDetails() const
{
    requireMember(m_version != Version::V9, "AllowDetails");
    return m_allowDetails;
}

void PivotTable::setAllowDetails(bool allow)
{
    requireMember(m_version != Version::V9, "AllowDetails");
    m_allowDetails = allow;
    m_grid->setDetailsAllowed(allow);
}

void PivotTable::setMaxHeight(int pixels)
{
    if (pixels < 0)
        platform::raiseError(platform::err::InvalidPropertyValue, tr("Invalid property value"), Source);
    m_maxHeight = pixels;
    applyContentLimits();
}

void PivotTable::setMaxWidth(int pixels)
{
    if (pixels < 0)
        platform::raiseError(platform::err::InvalidPropertyValue, tr("Invalid property value"), Source);
    m_maxWidth = pixels;
    applyContentLimits();
}

void PivotTable::applyContentLimits()
{
    // The limits bound the content inside the component, never the component itself:
    // a host that shrinks the pivot and then grows it again must see it grow.
    m_content->setGeometry(0, 0, m_maxWidth > 0 ? std::min(width(), m_maxWidth) : width(),
                           m_maxHeight > 0 ? std::min(height(), m_maxHeight) : height());
}

void PivotTable::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    applyContentLimits();
}

QSize PivotTable::sizeHint() const
{
    const QSize content = m_content->sizeHint();
    return {m_maxWidth > 0 ? std::min(content.width(), m_maxWidth) : content.width(),
            m_maxHeight > 0 ? std::min(content.height(), m_maxHeight) : content.height()};
}

void PivotTable::ExportPicture(const QString& fileName, const QString& filterName, int width, int height)
{
    if (filterName.compare(QLatin1String("gif"), Qt::CaseInsensitive) != 0 || !gifWriter())
        platform::raiseError(platform::err::ControlArrayElementMissing,
                             tr("The pivot table cannot export a picture as %1").arg(filterName), Source);
    if (width <= 0 || height <= 0 || width > 16000 || height > 16000)
        platform::raiseError(platform::err::InvalidArgument, tr("Invalid picture size"), Source);
    const QImage picture = renderPivotPicture(*m_grid, m_titleBar->text(), QSize(width, height));
    gifWriter()(picture, fileName);
}

const olap::CellSet& PivotTable::cellSet() const
{
    return *m_cells;
}

QStringList PivotTable::measureCaptions() const
{
    QStringList captions;
    for (const DataField& field : m_state.layout.dataFields)
        captions << fieldCaption(FieldRef{FieldRef::Kind::Measure, field.measure, 0});
    return captions;
}

QStringList PivotTable::measureNumberFormats() const
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

QString PivotTable::rowCaption(int position) const
{
    return position >= 0 && position < m_model->rowCount() ? m_model->headerData(position, Qt::Vertical).toString()
                                                          : QString();
}

QStringList PivotTable::rowFieldCaptions() const
{
    QStringList captions;
    for (const FieldRef& field : m_state.layout.fieldsOf(Area::Row))
        captions << fieldCaption(field);
    return captions;
}

QStringList PivotTable::columnFieldCaptions() const
{
    QStringList captions;
    for (const FieldRef& field : m_state.layout.fieldsOf(Area::Column))
        captions << fieldCaption(field);
    return captions;
}

QString PivotTable::columnCaption(int position) const
{
    const HeaderLayout& headers = m_model->columnHeaders();
    if (position < 0 || position >= headers.positionCount())
        return {};
    QStringList parts;
    for (int s = 0; s < headers.slotCount(); ++s)
        if (headers.cell(position, s).span > 0)
            parts << headers.cell(position, s).text;
    return parts.join(QLatin1String(" / "));
}

DropArea* PivotTable::dropArea(Area area) const
{
    return m_areas[int(area)];
}

QString PivotTable::errorText() const
{
    return m_error;
}

void PivotTable::setTitleCaption(const QString& caption)
{
    m_state.title = caption;
    refreshPanels();
}

void PivotTable::setDisplayEmpty(Area area, bool display)
{
    if (m_state.layout.axis(area).showEmpty == display)
        return;
    m_state.layout.axis(area).showEmpty = display;
    runQuery();
}

// Layout changes ---------------------------------------------------------------------

void PivotTable::placeField(const FieldRef& field, Area area, int index)
{
    if (m_state.layout.place(field, area, index))
        runQuery();
}

void PivotTable::removeField(const FieldRef& field)
{
    if (!m_state.layout.find(field))
        return;
    m_state.layout.remove(field);
    runQuery();
}

void PivotTable::toggleMember(Area area, int position, int slot)
{
    const HeaderLayout& headers = area == Area::Row ? m_model->rowHeaders() : m_model->columnHeaders();
    const QVector<olap::Tuple>& tuples = area == Area::Row ? m_cells->rows : m_cells->columns;
    if (position < 0 || position >= headers.positionCount() || slot < 0 || slot >= headers.slotCount())
        return;
    const HeaderCell& cell = headers.cell(position, slot);
    const int field = headers.slotField(slot);
    if (!cell.expandable || field < 0)
        return;
    m_state.layout.setExpanded(area, field, headers.memberAt(tuples[position], slot), !cell.expanded);
    runQuery();
}

void PivotTable::setLevelExpanded(Area area, int slot, bool expanded)
{
    const HeaderLayout& headers = area == Area::Row ? m_model->rowHeaders() : m_model->columnHeaders();
    if (slot < 0 || slot >= headers.slotCount() || headers.slotField(slot) < 0)
        return;
    m_state.layout.setLevelExpanded(area, headers.slotField(slot), headers.slotDepth(slot), expanded);
    runQuery();
}

void PivotTable::sortByLabel(Area area, olap::SortOrder order)
{
    olap::Axis& axis = m_state.layout.axis(area);
    axis.sortByLabel = order;
    axis.sortByMeasure.reset();
    axis.sortByValue = olap::SortOrder::None;
    runQuery();
}

void PivotTable::sortByValue(Area area, int measure, olap::SortOrder order)
{
    olap::Axis& axis = m_state.layout.axis(area);
    if (order == olap::SortOrder::None)
        axis.sortByMeasure.reset();
    else
        axis.sortByMeasure = measure;
    axis.sortByValue = order;
    runQuery();
}

void PivotTable::setMemberFilter(const QString& hierarchy, const QVector<olap::MemberPath>& include)
{
    m_state.layout.setFilter(hierarchy, include);
    runQuery();
}

MemberChecklist* PivotTable::openFilter(const QString& hierarchy)
{
    if (!m_source)
        return nullptr;
    int level = 0;
    if (const auto at = m_state.layout.find(FieldRef{FieldRef::Kind::Hierarchy, hierarchy, 0}))
        level = at->first == Area::Filter ? m_state.layout.filterFields[at->second].level
                                          : m_state.layout.axis(at->first).fields[at->second].level;
    QVector<olap::Member> members;
    try {
        members = m_source->members(hierarchy, level);
    } catch (const platform::VbError& e) {
        m_error = e.description();
        refreshPanels();
        return nullptr;
    }
    const olap::Filter* current = m_state.layout.filterFor(hierarchy);
    auto* dialog = new MemberChecklist(fieldCaption(FieldRef{FieldRef::Kind::Hierarchy, hierarchy, level}), members,
                                       current ? current->include : QVector<olap::MemberPath>(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this,
            [this, dialog, hierarchy] { setMemberFilter(hierarchy, dialog->selection()); });
    dialog->open();
    return dialog;
}

DetailsView* PivotTable::showDetails(int row, int column)
{
    if (!m_allowDetails || !m_source || row < 0 || row >= m_model->rowCount() || column < 0
        || column >= m_model->columnCount())
        return nullptr;
    olap::DetailRows rows;
    try {
        rows = m_source->details(m_state.layout.toQuery(), row, m_model->columnPosition(column), DetailRowLimit);
    } catch (const platform::VbError& e) {
        m_error = e.description();
        refreshPanels();
        return nullptr;
    }
    auto* view = new DetailsView(m_model->headerData(row, Qt::Vertical).toString(), rows, this);
    view->setWindowFlag(Qt::Window);
    view->show();
    return view;
}

void PivotTable::editDataField(int index, const QString& caption, const QString& numberFormat)
{
    if (index < 0 || index >= m_state.layout.dataFields.size())
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
    m_model->setDataFields(measureCaptions(), measureNumberFormats());
    m_grid->fitToContents();
    refreshPanels();
    emit dataChanged();
}

// Query and refresh ------------------------------------------------------------------

int PivotTable::levelCount(const QString& hierarchy) const
{
    if (m_source)
        for (const olap::Hierarchy& h : m_source->schema().hierarchies)
            if (h.name == hierarchy)
                return int(h.levels.size());
    return 0;
}

QString PivotTable::memberCaption(const QString& hierarchy, const olap::MemberPath& member) const
{
    if (!m_source || member.isAll())
        return {};
    try {
        const olap::MemberPath parent{member.keys.mid(0, member.keys.size() - 1)};
        for (const olap::Member& m : m_source->members(hierarchy, member.level(), parent))
            if (m.path == member)
                return m.caption;
    } catch (const platform::VbError&) {
        // Named by its key, then.
    }
    return {};
}

void PivotTable::setAxisTotals(Area area, bool subtotals, bool grandTotal)
{
    olap::Axis& axis = m_state.layout.axis(area);
    if (axis.subtotals == subtotals && axis.grandTotal == grandTotal)
        return;
    axis.subtotals = subtotals;
    axis.grandTotal = grandTotal;
    runQuery();
}

QString PivotTable::fieldCaption(const FieldRef& field) const
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

QStringList PivotTable::slotCaptions(Area area) const
{
    const HeaderLayout& headers = area == Area::Row ? m_model->rowHeaders() : m_model->columnHeaders();
    const auto& fields = m_state.layout.axis(area).fields;
    QStringList captions;
    for (int s = 0; s < headers.slotCount(); ++s) {
        const int field = headers.slotField(s);
        QString caption;
        if (field >= 0 && field < fields.size() && m_source)
            for (const olap::Hierarchy& h : m_source->schema().hierarchies)
                if (h.name == fields[field].hierarchy && headers.slotDepth(s) < h.levels.size())
                    caption = h.levels[headers.slotDepth(s)].caption;
        captions << caption;
    }
    return captions;
}

void PivotTable::runQuery()
{
    m_error.clear();
    auto cells = std::make_shared<olap::CellSet>();
    if (m_source) {
        try {
            *cells = m_source->query(m_state.layout.toQuery());
        } catch (const platform::VbError& e) {
            m_error = e.description();
            *cells = olap::CellSet();
        }
    }
    // A result that does not match its own shape would be read out of bounds.
    const size_t expected = size_t(cells->rows.size()) * size_t(cells->columns.size()) * size_t(cells->measures.size());
    if (cells->values.size() != expected) {
        m_error = tr("The cube returned an incomplete result");
        *cells = olap::CellSet();
    }
    m_cells = cells;
    const auto levels = [this](const QString& hierarchy) { return levelCount(hierarchy); };
    const auto captions = [this](const QString& hierarchy, const olap::MemberPath& member) {
        return memberCaption(hierarchy, member);
    };
    PivotGridModel::Result result{m_cells, HeaderLayout(m_cells->rows, m_state.layout.rows, levels, true, captions),
                                  HeaderLayout(m_cells->columns, m_state.layout.columns, levels, false, captions)};
    m_model->setDataFields(measureCaptions(), measureNumberFormats());
    m_model->setResult(std::move(result));
    m_grid->setSlotCaptions(slotCaptions(Area::Row), slotCaptions(Area::Column));
    for (Area area : {Area::Row, Area::Column})
        m_grid->setAxisTotals(area, m_state.layout.axis(area).subtotals, m_state.layout.axis(area).grandTotal);
    m_grid->fitToContents();
    refreshPanels();
    emit dataChanged();
    if (m_version == Version::V9)
        emit QueryComplete();
}

void PivotTable::refreshPanels()
{
    const QString caption = m_state.title.isEmpty() && m_source ? m_source->schema().caption : m_state.title;
    m_titleBar->setText(caption);
    m_titleBar->setVisible(!caption.isEmpty());
    m_errorLabel->setText(m_error);
    m_errorLabel->setVisible(!m_error.isEmpty());

    for (Area area : {Area::Filter, Area::Row, Area::Column, Area::Data}) {
        QVector<DropArea::Entry> entries;
        for (const FieldRef& field : m_state.layout.fieldsOf(area))
            entries << DropArea::Entry{field, fieldCaption(field),
                                       field.kind == FieldRef::Kind::Hierarchy && m_state.layout.filterFor(field.name)};
        m_areas[int(area)]->setEntries(entries);
    }
    m_fieldList->setUsedFields(m_state.layout);
    QVector<PropertyToolbox::Field> fields;
    const QStringList captions = measureCaptions(), formats = measureNumberFormats();
    for (int i = 0; i < captions.size(); ++i)
        fields << PropertyToolbox::Field{captions[i], formats[i]};
    m_toolbox->setFields(fields);
    m_fieldList->setVisible(m_state.displayFieldList);
    m_toolbox->setVisible(m_state.displayPropertyToolbox);
    m_sidePanel->setVisible(m_state.displayFieldList || m_state.displayPropertyToolbox);
}

}
