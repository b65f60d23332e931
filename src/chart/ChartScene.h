#pragma once

#include "chart/ChartXml.h"

#include <QGraphicsScene>
#include <QImage>
#include <QList>

QT_BEGIN_NAMESPACE
class QChart;
class QGraphicsSimpleTextItem;
QT_END_NAMESPACE

namespace chart {

class ChartDataSource;

// Everything a chart space draws, as one graphics scene: its title above, its charts one
// under the other below. The widget shows the scene; pictures render a scene of their own
// at the size asked, so they never depend on the window.
class ChartScene
{
public:
    ChartScene();
    ~ChartScene();
    ChartScene(const ChartScene&) = delete;
    ChartScene& operator=(const ChartScene&) = delete;

    QGraphicsScene* scene() { return &m_scene; }
    const QList<QChart*>& charts() const { return m_charts; }
    void rebuild(const ChartSpaceState& state, const ChartDataSource* source);
    void resize(const QSizeF& size);
    QImage render(const QSize& size);

private:
    QGraphicsScene m_scene;
    QGraphicsRectItem* m_background = nullptr;
    QGraphicsSimpleTextItem* m_title = nullptr;
    QList<QChart*> m_charts;
    QSizeF m_size{400, 300};
};

}
