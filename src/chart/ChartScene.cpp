#include "chart/ChartScene.h"

#include "chart/ChartBuilder.h"
#include "chart/ChartData.h"
#include "chart/ChartTypes.h"

#include <QChart>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QPainter>

namespace chart {

ChartScene::ChartScene()
{
    m_background = m_scene.addRect(QRectF(), Qt::NoPen, Qt::white);
    m_title = m_scene.addSimpleText(QString());
    QFont font = m_title->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.4);
    m_title->setFont(font);
}

ChartScene::~ChartScene()
{
    qDeleteAll(m_charts);
}

void ChartScene::rebuild(const ChartSpaceState& state, const ChartDataSource* source)
{
    for (QChart* chart : m_charts) {
        m_scene.removeItem(chart);
        delete chart;
    }
    m_charts.clear();
    const bool titled = state.settings.hasChartSpaceTitle && !state.settings.chartSpaceTitle.isEmpty();
    m_title->setText(state.settings.chartSpaceTitle);
    m_title->setVisible(titled);
    for (const ChartState& chartState : state.charts) {
        const auto traits = chartTypeTraits(chartState.type);
        const ChartData data = extractChartData(source, chartState.binding, traits && traits->isXY());
        QChart* chart = buildChart(chartState, data);
        m_scene.addItem(chart);
        m_charts.append(chart);
    }
    resize(m_size);
}

void ChartScene::resize(const QSizeF& size)
{
    m_size = size;
    m_scene.setSceneRect(QRectF(QPointF(0, 0), size));
    m_background->setRect(QRectF(QPointF(0, 0), size));
    qreal top = 0;
    if (m_title->isVisible()) {
        const QRectF bounds = m_title->boundingRect();
        m_title->setPos(std::max<qreal>(0, (size.width() - bounds.width()) / 2), 6);
        top = bounds.height() + 10;
    }
    if (m_charts.isEmpty())
        return;
    const qreal height = std::max<qreal>(0, size.height() - top) / m_charts.size();
    for (int i = 0; i < m_charts.size(); ++i)
        m_charts[i]->setGeometry(QRectF(0, top + height * i, size.width(), height));
}

QImage ChartScene::render(const QSize& size)
{
    resize(size);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    m_scene.render(&painter, QRectF(QPointF(0, 0), size), QRectF(QPointF(0, 0), size));
    return image;
}

}
