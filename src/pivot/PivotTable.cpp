#include "pivot/PivotTable.h"

#include "pivot/DetailsView.h"
#include "pivot/DropArea.h"
#include "pivot/FieldListPanel.h"
#include "pivot/MemberChecklist.h"
#include "pivot/NestedHeaderView.h"
#include "pivot/PivotController.h"
#include "pivot/PivotGridModel.h"
#include "pivot/PivotGridView.h"
#include "pivot/PivotHooks.h"
#include "pivot/PivotPicture.h"
#include "pivot/PropertyToolbox.h"
#include "platform/VbError.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QTimer>
#include <QVBoxLayout>

namespace pivot {
namespace {
const QString Source = QStringLiteral("PivotTable");
constexpr int DetailRowLimit = 1000;
constexpr int ProgressAfterMs = 500;
}

PivotTable::PivotTable(Version version, QWidget* parent)
    : QWidget(parent), m_version(version), m_controller(new PivotController(this)), m_view(*this)
{
    buildUi();
    connect(m_controller, &PivotController::sourceChanged, this, &PivotTable::showSchema);
    connect(m_controller, &PivotController::queryStarted, this, &PivotTable::showQueryStarted);
    connect(m_controller, &PivotController::resultReady, this, &PivotTable::showResult);
    connect(m_controller, &PivotController::dataFieldsChanged, this, &PivotTable::showDataFields);
    connect(m_controller, &PivotController::stateChanged, this, &PivotTable::refreshPanels);
    connect(m_progressLabel, &QLabel::linkActivated, m_controller, &PivotController::stopWaiting);
    showResult();
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
    buildBars(*main);

    auto* body = new QHBoxLayout;
    body->setSpacing(4);
    body->setContentsMargins(2, 2, 2, 2);
    main->addLayout(body, 1);
    auto* left = new QVBoxLayout;
    left->setSpacing(2);
    buildAreas(*left);
    buildGrid(*left);
    body->addLayout(left, 1);
    buildSidePanel(*body);
    connectPanels();
}

// The title bar, and below it the read's progress while a cube file is read.
void PivotTable::buildBars(QVBoxLayout& main)
{
    m_titleBar = new QLabel(m_content);
    m_titleBar->setTextFormat(Qt::PlainText);
    m_titleBar->setStyleSheet(
        QStringLiteral("background: #2f4f7f; color: white; font-weight: bold; padding: 3px 6px;"));
    main.addWidget(m_titleBar);
    m_progressLabel = new QLabel(m_content);
    m_progressLabel->setTextFormat(Qt::PlainText);
    m_progressLabel->setStyleSheet(QStringLiteral("background: #fff8dc; padding: 3px 6px;"));
    m_progressLabel->hide();
    main.addWidget(m_progressLabel);
    m_progressTimer = new QTimer(this);
    m_progressTimer->setInterval(100);
    connect(m_progressTimer, &QTimer::timeout, this, &PivotTable::showProgress);
}

void PivotTable::buildAreas(QVBoxLayout& left)
{
    auto* areas = new QGridLayout;
    areas->setSpacing(2);
    m_areas[int(Area::Filter)] =
        new DropArea(Area::Filter, QCoreApplication::translate("pivot", "Filter"),
                     QCoreApplication::translate("pivot", "Drag fields here to filter"), m_content);
    m_areas[int(Area::Column)] =
        new DropArea(Area::Column, QCoreApplication::translate("pivot", "Columns"),
                     QCoreApplication::translate("pivot", "Drag fields here for columns"), m_content);
    m_areas[int(Area::Row)] =
        new DropArea(Area::Row, QCoreApplication::translate("pivot", "Rows"),
                     QCoreApplication::translate("pivot", "Drag fields here for rows"), m_content);
    m_areas[int(Area::Data)] = new DropArea(Area::Data, QCoreApplication::translate("pivot", "Data"),
                                            QCoreApplication::translate("pivot", "Drag measures here"), m_content);
    areas->addWidget(m_areas[int(Area::Filter)], 0, 0);
    areas->addWidget(m_areas[int(Area::Column)], 0, 1);
    areas->addWidget(m_areas[int(Area::Row)], 1, 0);
    areas->addWidget(m_areas[int(Area::Data)], 1, 1);
    left.addLayout(areas);
}

void PivotTable::buildGrid(QVBoxLayout& left)
{
    m_model = new PivotGridModel(this);
    m_grid = new PivotGridView(m_model, m_content);
    left.addWidget(m_grid, 1);
    m_errorLabel = new QLabel(m_content);
    m_errorLabel->setStyleSheet(QStringLiteral("color: #a01010;"));
    m_errorLabel->setWordWrap(true);
    m_errorLabel->hide();
    left.addWidget(m_errorLabel);
}

void PivotTable::buildSidePanel(QHBoxLayout& body)
{
    m_sidePanel = new QWidget(m_content);
    auto* side = new QVBoxLayout(m_sidePanel);
    side->setContentsMargins(0, 0, 0, 0);
    m_fieldList = new FieldListPanel(m_sidePanel);
    m_toolbox = new PropertyToolbox(m_sidePanel);
    side->addWidget(m_fieldList, 2);
    side->addWidget(m_toolbox, 1);
    m_sidePanel->setMaximumWidth(260);
    body.addWidget(m_sidePanel);
}

// What the user does on the panels and the grid becomes a change of the layout.
void PivotTable::connectPanels()
{
    for (DropArea* area : m_areas) {
        connect(area, &DropArea::placeRequested, this,
                [this](const FieldRef& field, Area target, int index) { placeField(field, target, index); });
        connect(area, &DropArea::removeRequested, this, &PivotTable::removeField);
        connect(area, &DropArea::filterRequested, this, [this](const FieldRef& field) { openFilter(field.name); });
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
    connect(m_grid, &PivotGridView::totalsRequested, this,
            [this](Area area, bool subtotals, bool grandTotal) { setAxisTotals(area, subtotals, grandTotal); });
    connect(m_grid, &PivotGridView::filterRequested, this, [this](Area area, int slot) {
        const HeaderLayout& headers = area == Area::Row ? m_model->rowHeaders() : m_model->columnHeaders();
        const int field = slot >= 0 && slot < headers.slotCount() ? headers.slotField(slot) : -1;
        // The slot is one of the shown result, whose query may not be the latest layout.
        const olap::PivotQuery& shown = m_controller->result()->query;
        const auto& fields = (area == Area::Row ? shown.rows : shown.columns).fields;
        if (field >= 0 && field < fields.size())
            openFilter(fields[field].hierarchy);
    });
}

// Members --------------------------------------------------------------------------

void PivotTable::requireMember(bool available, const char* member) const
{
    if (!available)
        platform::raiseError(platform::err::MemberNotSupported,
                             QCoreApplication::translate("pivot", "Object doesn't support this property or method: %1")
                                 .arg(QLatin1String(member)),
                             Source);
}

QString PivotTable::ConnectionString() const
{
    return m_controller->state().connectionString;
}

void PivotTable::setConnectionString(const QString& connectionString)
{
    m_controller->setConnectionString(connectionString);
}

QString PivotTable::DataMember() const
{
    return m_controller->state().dataMember;
}

QStringList PivotTable::DataMemberStrings() const
{
    return m_controller->dataMemberStrings();
}

void PivotTable::setDataMember(const QString& dataMember)
{
    m_controller->setDataMember(dataMember);
}

void PivotTable::setCubeSource(std::unique_ptr<olap::CubeSource> source, const QString& dataMember)
{
    m_controller->setCubeSource(std::move(source), dataMember);
}

QString PivotTable::XMLData() const
{
    return m_controller->xmlData();
}

void PivotTable::setXMLData(const QString& xml)
{
    m_controller->setXmlData(xml);
}

bool PivotTable::DisplayFieldList() const
{
    return m_controller->state().displayFieldList;
}

void PivotTable::setDisplayFieldList(bool display)
{
    m_controller->setDisplayFieldList(display);
}

bool PivotTable::DisplayPropertyToolbox() const
{
    return m_controller->state().displayPropertyToolbox;
}

void PivotTable::setDisplayPropertyToolbox(bool display)
{
    m_controller->setDisplayPropertyToolbox(display);
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
        platform::raiseError(platform::err::InvalidPropertyValue,
                             QCoreApplication::translate("pivot", "Invalid property value"), Source);
    m_maxHeight = pixels;
    applyContentLimits();
}

void PivotTable::setMaxWidth(int pixels)
{
    if (pixels < 0)
        platform::raiseError(platform::err::InvalidPropertyValue,
                             QCoreApplication::translate("pivot", "Invalid property value"), Source);
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
    if (filterName.compare(QLatin1String("gif"), Qt::CaseInsensitive) != 0 || !hooks().gifWriter)
        platform::raiseError(
            platform::err::ControlArrayElementMissing,
            QCoreApplication::translate("pivot", "The pivot table cannot export a picture as %1").arg(filterName),
            Source);
    if (width <= 0 || height <= 0 || width > 16000 || height > 16000)
        platform::raiseError(platform::err::InvalidArgument,
                             QCoreApplication::translate("pivot", "Invalid picture size"), Source);
    const QImage picture = renderPivotPicture(*grid(), m_titleBar->text(), QSize(width, height));
    hooks().gifWriter(picture, fileName);
}

const olap::CellSet& PivotTable::cellSet() const
{
    return *m_controller->result()->cells;
}

QStringList PivotTable::measureCaptions() const
{
    return m_controller->measureCaptions();
}

QStringList PivotTable::measureNumberFormats() const
{
    return m_controller->measureNumberFormats();
}

QString PivotTable::rowCaption(int position) const
{
    return position >= 0 && position < m_model->rowCount() ? m_model->headerData(position, Qt::Vertical).toString()
                                                           : QString();
}

QStringList PivotTable::rowFieldCaptions() const
{
    return m_controller->fieldCaptions(Area::Row);
}

QStringList PivotTable::columnFieldCaptions() const
{
    return m_controller->fieldCaptions(Area::Column);
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
    return m_controller->errorText();
}

const PivotLayout& PivotTable::layout() const
{
    return m_controller->state().layout;
}

QString PivotTable::titleCaption() const
{
    return m_controller->state().title;
}

void PivotTable::setTitleCaption(const QString& caption)
{
    m_controller->setTitleCaption(caption);
}

bool PivotTable::displayEmpty(Area area) const
{
    return m_controller->state().layout.axis(area).showEmpty;
}

void PivotTable::setDisplayEmpty(Area area, bool display)
{
    m_controller->setDisplayEmpty(area, display);
}

// Layout changes ---------------------------------------------------------------------

void PivotTable::placeField(const FieldRef& field, Area area, int index)
{
    m_controller->placeField(field, area, index);
}

void PivotTable::removeField(const FieldRef& field)
{
    m_controller->removeField(field);
}

void PivotTable::toggleMember(Area area, int position, int slot)
{
    m_controller->toggleMember(area, position, slot);
}

void PivotTable::setLevelExpanded(Area area, int slot, bool expanded)
{
    m_controller->setLevelExpanded(area, slot, expanded);
}

void PivotTable::sortByLabel(Area area, olap::SortOrder order)
{
    m_controller->sortByLabel(area, order);
}

void PivotTable::sortByValue(Area area, int measure, olap::SortOrder order)
{
    m_controller->sortByValue(area, measure, order);
}

void PivotTable::setMemberFilter(const QString& hierarchy, const QVector<olap::MemberPath>& include)
{
    m_controller->setMemberFilter(hierarchy, include);
}

void PivotTable::setAxisTotals(Area area, bool subtotals, bool grandTotal)
{
    m_controller->setAxisTotals(area, subtotals, grandTotal);
}

void PivotTable::editDataField(int index, const QString& caption, const QString& numberFormat)
{
    m_controller->editDataField(index, caption, numberFormat);
}

void PivotTable::openFilter(const QString& hierarchy)
{
    m_controller->requestFilterChoice(
        hierarchy, this, [this, hierarchy](std::optional<PivotController::FilterChoice> choice) {
            if (!choice)
                return;
            auto* dialog = new MemberChecklist(choice->caption, choice->members, choice->included, this);
            dialog->setAttribute(Qt::WA_DeleteOnClose);
            connect(dialog, &QDialog::accepted, this,
                    [this, dialog, hierarchy] { setMemberFilter(hierarchy, dialog->selection()); });
            dialog->open();
        });
}

void PivotTable::showDetails(int row, int column)
{
    if (!m_allowDetails || !m_controller->source() || row < 0 || row >= m_model->rowCount() || column < 0
        || column >= m_model->columnCount())
        return;
    const QString caption = m_model->headerData(row, Qt::Vertical).toString();
    m_controller->requestDetails(row, m_model->columnPosition(column), DetailRowLimit, this,
                                 [this, caption](std::optional<olap::DetailRows> rows) {
                                     if (!rows)
                                         return;
                                     auto* view = new DetailsView(caption, *rows, this);
                                     view->setWindowFlag(Qt::Window);
                                     view->show();
                                 });
}

// Views ------------------------------------------------------------------------------

void PivotTable::showSchema()
{
    const olap::CubeSource* source = m_controller->source();
    m_fieldList->setSchema(source ? source->schema() : olap::CubeSchema());
    // A newly bound cube file may still be read: that read is timed from now.
    m_readSince.start();
    m_progressTimer->start();
}

PivotGridView* PivotTable::grid() const
{
    return m_grid;
}

PivotGridModel* PivotTable::gridModel() const
{
    return m_model;
}

void PivotTable::setQueriesInBackground(bool background)
{
    m_controller->setQueriesInBackground(background);
}

bool PivotTable::queryPending() const
{
    return m_controller->queryPending();
}

void PivotTable::afterResult(QObject* context, std::function<void()> step)
{
    m_controller->afterResult(context, std::move(step));
}

void PivotTable::showQueryStarted()
{
    refreshPanels();   // the fields show where they now are while the result is computed
    setCursor(Qt::BusyCursor);
    // A query that waits for the cube server is timed from its start.
    m_pendingSince.start();
    m_progressTimer->start();
}

// While the bound cube file is read: rows read of rows, once the read has taken half a
// second; while a query waits for the cube server: for how long, with a link that gives the
// query up, once it has waited half a second.
void PivotTable::showProgress()
{
    const std::optional<std::pair<qint64, qint64>> progress = m_controller->readProgress();
    const std::optional<qint64> serverWait =
        m_controller->queryPending() ? m_controller->serverWait() : std::optional<qint64>();
    if (!progress && !m_controller->queryPending())
        m_progressTimer->stop();
    if (progress ? m_readSince.elapsed() < ProgressAfterMs
                 : !serverWait || m_pendingSince.elapsed() < ProgressAfterMs) {
        m_progressLabel->hide();
        return;
    }
    const QLocale locale;
    if (!progress) {
        m_progressLabel->setTextFormat(Qt::RichText);
        m_progressLabel->setText(QCoreApplication::translate("pivot", "Waiting for the cube server: %1 s")
                                     .arg(locale.toString(*serverWait / 1000))
                                     .toHtmlEscaped()
                                 + QStringLiteral(" <a href=\"stop\">")
                                 + QCoreApplication::translate("pivot", "Stop waiting").toHtmlEscaped()
                                 + QStringLiteral("</a>"));
        m_progressLabel->show();
        return;
    }
    m_progressLabel->setTextFormat(Qt::PlainText);
    m_progressLabel->setText(
        progress->second > 0
            ? QCoreApplication::translate("pivot", "Reading the cube: %1 of %2 rows")
                  .arg(locale.toString(progress->first), locale.toString(progress->second))
            : QCoreApplication::translate("pivot", "Reading the cube: %1 rows").arg(locale.toString(progress->first)));
    m_progressLabel->show();
}

void PivotTable::showResult()
{
    showProgress();
    unsetCursor();
    const PivotLayout& layout = m_controller->state().layout;
    m_model->setDataFields(m_controller->measureCaptions(), m_controller->measureNumberFormats());
    m_model->setResult(m_controller->result());
    m_grid->setSlotCaptions(m_controller->slotCaptions(Area::Row), m_controller->slotCaptions(Area::Column));
    for (Area area : {Area::Row, Area::Column})
        m_grid->setAxisTotals(area, layout.axis(area).subtotals, layout.axis(area).grandTotal);
    m_grid->fitToContents();
    refreshPanels();
    emit dataChanged();
    if (m_version == Version::V9)
        emit QueryComplete();
}

void PivotTable::showDataFields()
{
    m_model->setDataFields(m_controller->measureCaptions(), m_controller->measureNumberFormats());
    m_grid->fitToContents();
    refreshPanels();
    emit dataChanged();
}

void PivotTable::refreshPanels()
{
    const PivotState& state = m_controller->state();
    const QString caption = m_controller->titleBarText();
    m_titleBar->setText(caption);
    m_titleBar->setVisible(!caption.isEmpty());
    // Reading the error would wait for a query in hand; it shows with that query's result.
    const QString error = m_controller->queryPending() ? QString() : m_controller->errorText();
    m_errorLabel->setText(error);
    m_errorLabel->setVisible(!error.isEmpty());

    for (Area area : {Area::Filter, Area::Row, Area::Column, Area::Data}) {
        QVector<DropArea::Entry> entries;
        for (const FieldRef& field : state.layout.fieldsOf(area))
            entries << DropArea::Entry{field, m_controller->fieldCaption(field),
                                       field.kind == FieldRef::Kind::Hierarchy && state.layout.filterFor(field.name)};
        m_areas[int(area)]->setEntries(entries);
    }
    m_fieldList->setUsedFields(state.layout);
    QVector<PropertyToolbox::Field> fields;
    const QStringList captions = m_controller->measureCaptions(), formats = m_controller->measureNumberFormats();
    for (int i = 0; i < captions.size(); ++i)
        fields << PropertyToolbox::Field{captions[i], formats[i]};
    m_toolbox->setFields(fields);
    m_fieldList->setVisible(state.displayFieldList);
    m_toolbox->setVisible(state.displayPropertyToolbox);
    m_sidePanel->setVisible(state.displayFieldList || state.displayPropertyToolbox);
}

}
