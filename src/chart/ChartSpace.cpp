#include "chart/ChartSpace.h"

#include "chart/ChartDataSource.h"
#include "chart/ChartPanels.h"
#include "chart/ChartXml.h"
#include "chart/GifWriter.h"
#include "platform/VbError.h"

#include <QCoreApplication>
#include <QGraphicsView>
#include <QHBoxLayout>
#include <QResizeEvent>

namespace chart {

ChartSpace::ChartSpace(ComponentVersion version, QWidget* parent)
    : QWidget(parent)
    , m_version(version)
    , m_charts(*this)
    , m_chartSpaceTitle(*this)
    , m_view(new QGraphicsView(m_scene.scene(), this))
    , m_fieldList(new ChartFieldList(this))
    , m_toolbox(new ChartPropertyToolbox(m_charts, this))
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_fieldList);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_toolbox);
    m_fieldList->hide();
    m_toolbox->hide();
    m_view->setFrameShape(QFrame::NoFrame);
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->viewport()->installEventFilter(this);
    // Many property changes come in a row; draw once after them.
    m_redrawTimer.setSingleShot(true);
    m_redrawTimer.setInterval(0);
    connect(&m_redrawTimer, &QTimer::timeout, this, &ChartSpace::redraw);
    m_fieldList->showSource(nullptr);
    redraw();
}

ChartSpace::~ChartSpace()
{
    // The toolbox edits the charts, which go before the child widgets do.
    delete m_toolbox;
}

void ChartSpace::requireVersion(bool available, const char* member) const
{
    if (!available)
        platform::raiseError(platform::err::MemberNotSupported,
                             QStringLiteral("Object doesn't support this property or method"),
                             QStringLiteral("ChartSpace.%1").arg(QLatin1String(member)));
}

void ChartSpace::setDataSource(ChartDataSource* source)
{
    if (m_source)
        disconnect(m_source, nullptr, this, nullptr);
    m_source = source;
    if (source) {
        connect(source, &ChartDataSource::dataChanged, this, &ChartSpace::stateChanged);
        connect(source, &QObject::destroyed, this, &ChartSpace::stateChanged);
        if (m_version != ComponentVersion::V9) {
            if (m_charts.Count() == 0)
                m_charts.Add();
            ChChart& chart = m_charts.Item(0);
            if (chart.binding() == DataBinding{})
                chart.setBinding(
                    {chPivotColumns, chPivotRows, std::nullopt, std::nullopt, std::nullopt, std::nullopt, true});
        }
    }
    stateChanged();
}

ChartSpaceState ChartSpace::state() const
{
    ChartSpaceState state = captureState(m_settings, m_charts);
    state.settings.chartSpaceTitle = m_chartSpaceTitle.Caption();
    return state;
}

QString ChartSpace::XMLData() const
{
    requireVersion(m_version != ComponentVersion::V9, "XMLData");
    return writeChartXml(state());
}

void ChartSpace::setXMLData(const QString& xml)
{
    requireVersion(m_version != ComponentVersion::V9, "XMLData");
    const ChartSpaceState restored = readChartXml(xml);
    applyCharts(restored, m_charts);
    m_settings = restored.settings;
    m_chartSpaceTitle.setCaption(restored.settings.chartSpaceTitle);
    stateChanged();
}

bool ChartSpace::DisplayFieldList() const
{
    requireVersion(m_version != ComponentVersion::V9, "DisplayFieldList");
    return m_settings.displayFieldList;
}

void ChartSpace::setDisplayFieldList(bool display)
{
    requireVersion(m_version != ComponentVersion::V9, "DisplayFieldList");
    m_settings.displayFieldList = display;
    stateChanged();
}

bool ChartSpace::DisplayPropertyToolbox() const
{
    requireVersion(m_version != ComponentVersion::V9, "DisplayPropertyToolbox");
    return m_settings.displayPropertyToolbox;
}

void ChartSpace::setDisplayPropertyToolbox(bool display)
{
    requireVersion(m_version != ComponentVersion::V9, "DisplayPropertyToolbox");
    m_settings.displayPropertyToolbox = display;
    stateChanged();
}

void ChartSpace::setHasChartSpaceTitle(bool has)
{
    m_settings.hasChartSpaceTitle = has;
    stateChanged();
}

void ChartSpace::checkPicture(const QString& filterName, int width, int height) const
{
    if (filterName.compare(QLatin1String("gif"), Qt::CaseInsensitive) != 0)
        platform::raiseError(
            platform::err::ControlArrayElementMissing,
            QCoreApplication::translate("chart", "The picture cannot be exported as %1").arg(filterName),
            QStringLiteral("ChartSpace"));
    if (width < 1 || height < 1 || width > MaxPictureSide || height > MaxPictureSide)
        platform::raiseError(platform::err::ControlArrayElementMissing,
                             QCoreApplication::translate("chart", "The picture cannot be exported at %1 x %2 pixels")
                                 .arg(width)
                                 .arg(height),
                             QStringLiteral("ChartSpace"));
}

QImage ChartSpace::renderImage(const QSize& size) const
{
    ChartScene scene;
    scene.rebuild(state(), m_source);
    return scene.render(size);
}

QByteArray ChartSpace::GetPicture(const QString& filterName, int width, int height) const
{
    requireVersion(m_version != ComponentVersion::V9, "GetPicture");
    checkPicture(filterName, width, height);
    return encodeGif(renderImage(QSize(width, height)));
}

void ChartSpace::ExportPicture(const QString& file, const QString& filterName, int width, int height) const
{
    requireVersion(m_version == ComponentVersion::V9, "ExportPicture");
    checkPicture(filterName, width, height);
    writeGif(renderImage(QSize(width, height)), file);
}

QList<QChart*> ChartSpace::shownCharts()
{
    if (m_redrawTimer.isActive()) {
        m_redrawTimer.stop();
        redraw();
    }
    return m_scene.charts();
}

bool ChartSpace::eventFilter(QObject* watched, QEvent* event)
{
    // The panels beside the chart take room from it as they come and go.
    if (watched == m_view->viewport() && event->type() == QEvent::Resize)
        m_scene.resize(static_cast<QResizeEvent*>(event)->size());
    return QWidget::eventFilter(watched, event);
}

void ChartSpace::stateChanged()
{
    m_redrawTimer.start();
}

void ChartSpace::redraw()
{
    m_scene.rebuild(state(), m_source);
    m_scene.resize(m_view->viewport()->size());
    m_fieldList->setVisible(m_version != ComponentVersion::V9 && m_settings.displayFieldList);
    m_fieldList->showSource(m_source);
    m_toolbox->setVisible(m_version != ComponentVersion::V9 && m_settings.displayPropertyToolbox);
    m_toolbox->refresh();
}

}
