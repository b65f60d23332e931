#include "app/reportwindow/subFixControls.h"

#include "app/reportwindow/ReportWindowView.h"
#include "app/reportwindow/WindowLayout.h"
#include "app/state/modGlobals.h"
#include "chart/ChartSpace.h"
#include "common/ErrorBoundary.h"
#include "controls/shared/Twips.h"
#include "pivot/PivotTable.h"
#include "platform/VbError.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QTreeWidget>
#include <cmath>
#include <optional>

namespace modMain {

using namespace reportwindow;

namespace {

namespace twips = controls::twips;

// Positions in the window's inner area, in twips.
class TwipsFrame
{
public:
    explicit TwipsFrame(const QWidget& window) : m_x(twips::perPixelX(window)), m_y(twips::perPixelY(window)) {}

    double x() const { return m_x; }
    double y() const { return m_y; }
    double left(const QWidget& w) const { return twips::fromPixels(w.x(), m_x); }
    double top(const QWidget& w) const { return twips::fromPixels(w.y(), m_y); }
    double width(const QWidget& w) const { return twips::fromPixels(w.width(), m_x); }
    double height(const QWidget& w) const { return twips::fromPixels(w.height(), m_y); }

    void moveLeft(QWidget& w, double left) const { w.move(twips::toPixels(left, m_x), w.y()); }
    void moveTop(QWidget& w, double top) const { w.move(w.x(), twips::toPixels(top, m_y)); }
    void resize(QWidget& w, const windowlayout::Frame& frame) const
    {
        w.resize(twips::toPixels(frame.width, m_x), twips::toPixels(frame.height, m_y));
    }
    void setHeight(QWidget& w, double height) const { w.resize(w.width(), twips::toPixels(height, m_y)); }

private:
    double m_x;
    double m_y;
};

// Whether the chart is shown, when the window is large enough to be laid out.
std::optional<bool> placeControls(ReportWindowView& view)
{
    const QWidget& window = *view.form();
    const TwipsFrame frame(window);
    auto* pivot = &present(view.pivReports(), "pivReports");
    QWidget* chart = &present(view.excChart(), "excChart");
    QWidget* tree = &present(view.treReports(), "treReports");
    QWidget* webLink = &present(view.lblWebLink(), "lblWebLink");
    QWidget* logo = &present(view.imgLogo(), "imgLogo");
    QWidget* remove = &present(view.cmdRemoveReport(), "cmdRemoveReport");
    // The controls stand in the window's inner area, below the menu bar.
    const QWidget* inner = pivot->parentWidget();

    windowlayout::Input in;
    in.scaleWidth = twips::fromPixels(inner->width(), frame.x());
    in.scaleHeight = twips::fromPixels(inner->height(), frame.y());
    in.outerHeight = twips::fromPixels(window.frameGeometry().height(), frame.y());
    in.pivotLeft = frame.left(*pivot);
    in.pivotTop = frame.top(*pivot);
    in.pivotHeight = frame.height(*pivot);
    in.pivotWidth = frame.width(*pivot);
    in.treeTop = frame.top(*tree);
    in.webLinkWidth = frame.width(*webLink);
    in.logoHeight = frame.height(*logo);
    in.mode = viewMode(view);
    in.twipsPerPixelX = frame.x();
    in.twipsPerPixelY = frame.y();
    const windowlayout::Output out = windowlayout::compute(in);

    frame.moveLeft(*webLink, out.webLinkLeft);
    if (!out.laidOut)
        return std::nullopt;

    frame.resize(*pivot, out.pivot);
    pivot->setVisible(out.pivotVisible);
    pivot->setMaxHeight(int(std::lround(out.pivotMaxHeight)));
    pivot->setMaxWidth(int(std::lround(out.pivotMaxWidth)));
    if (out.chart) {
        frame.resize(*chart, *out.chart);
        frame.moveTop(*chart, out.chartTop);
    }
    chart->setVisible(out.chartVisible);
    frame.setHeight(*tree, out.treeHeight);
    frame.moveTop(*remove, out.removeButtonTop);
    // Measured from the outer height, title bar and menu included, as the window was designed.
    frame.moveTop(*logo, out.logoTop);
    return out.chartVisible;
}

}

void subFixControls()
{
    ReportWindowView* window = windowInUse();
    const std::optional<bool> chartShown =
        common::handled(QStringLiteral("subFixControls"), common::Message::LastStep, [&] {
            if (!window)
                platform::raiseError(platform::err::ObjectRequired, QStringLiteral("Object required"));
            return placeControls(*window);
        });
    if (!chartShown)
        return;
    // A window without the chart-type list, or a menu that cannot be reached, is no reason
    // to stop the program.
    common::ResumeNext resume;
    if (!modGlobals::gbOWCXP)
        resume.run([&] { present(window->cmbGraphType(), "cmbGraphType").setVisible(*chartShown); });
    resume.run([&] { present(window->mnuSavePicture(), "mnuSavePicture").setVisible(*chartShown); });
    resume.clear();
}

}
