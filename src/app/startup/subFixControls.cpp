#include "app/startup/subFixControls.h"

#include "app/reportwindow/Twips.h"
#include "app/reportwindow/WindowLayout.h"
#include "app/state/modGlobals.h"
#include "common/ErrorBoundary.h"
#include "pivot/PivotTable.h"
#include "platform/VbError.h"

#include <QAction>
#include <QRadioButton>
#include <cmath>
#include <optional>

namespace startup {

namespace modMain {

namespace {

template<class T>
T* control(QWidget& window, const char* name)
{
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        platform::raiseError(platform::err::ObjectRequired, QStringLiteral("Object required"), QString::fromLatin1(name));
    return found;
}

// Positions in the window's inner area, in twips.
class TwipsFrame
{
public:
    explicit TwipsFrame(const QWidget& window) : m_x(reportwindow::twips::perPixelX(window)), m_y(reportwindow::twips::perPixelY(window)) {}

    double x() const { return m_x; }
    double y() const { return m_y; }
    double left(const QWidget& w) const { return reportwindow::twips::fromPixels(w.x(), m_x); }
    double top(const QWidget& w) const { return reportwindow::twips::fromPixels(w.y(), m_y); }
    double width(const QWidget& w) const { return reportwindow::twips::fromPixels(w.width(), m_x); }
    double height(const QWidget& w) const { return reportwindow::twips::fromPixels(w.height(), m_y); }

    void moveLeft(QWidget& w, double left) const { w.move(reportwindow::twips::toPixels(left, m_x), w.y()); }
    void moveTop(QWidget& w, double top) const { w.move(w.x(), reportwindow::twips::toPixels(top, m_y)); }
    void resize(QWidget& w, const reportwindow::WindowLayout::Frame& frame) const
    {
        w.resize(reportwindow::twips::toPixels(frame.width, m_x), reportwindow::twips::toPixels(frame.height, m_y));
    }
    void setHeight(QWidget& w, double height) const { w.resize(w.width(), reportwindow::twips::toPixels(height, m_y)); }

private:
    double m_x;
    double m_y;
};

reportwindow::WindowLayout::ViewMode viewMode(QWidget& window)
{
    if (control<QRadioButton>(window, "optBoth")->isChecked())
        return reportwindow::WindowLayout::ViewMode::Both;
    if (control<QRadioButton>(window, "optPivot")->isChecked())
        return reportwindow::WindowLayout::ViewMode::Pivot;
    return reportwindow::WindowLayout::ViewMode::Graph;
}

// Whether the chart is shown, when the window is large enough to be laid out.
std::optional<bool> placeControls(QWidget& window)
{
    const TwipsFrame frame(window);
    auto* pivot = control<pivot::PivotTable>(window, "pivReports");
    auto* chart = control<QWidget>(window, "excChart");
    auto* tree = control<QWidget>(window, "treReports");
    auto* webLink = control<QWidget>(window, "lblWebLink");
    auto* logo = control<QWidget>(window, "imgLogo");
    auto* remove = control<QWidget>(window, "cmdRemoveReport");
    // The controls stand in the window's inner area, below the menu bar.
    const QWidget* inner = pivot->parentWidget();

    reportwindow::WindowLayout::Input in;
    in.scaleWidth = reportwindow::twips::fromPixels(inner->width(), frame.x());
    in.scaleHeight = reportwindow::twips::fromPixels(inner->height(), frame.y());
    in.outerHeight = reportwindow::twips::fromPixels(window.frameGeometry().height(), frame.y());
    in.pivotLeft = frame.left(*pivot);
    in.pivotTop = frame.top(*pivot);
    in.pivotHeight = frame.height(*pivot);
    in.pivotWidth = frame.width(*pivot);
    in.treeTop = frame.top(*tree);
    in.webLinkWidth = frame.width(*webLink);
    in.logoHeight = frame.height(*logo);
    in.mode = viewMode(window);
    in.twipsPerPixelX = frame.x();
    in.twipsPerPixelY = frame.y();
    const reportwindow::WindowLayout::Output out = reportwindow::WindowLayout::compute(in);

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
    QWidget* window = state::modGlobals::gfrmStats.data();
    const std::optional<bool> chartShown = common::handled(QStringLiteral("subFixControls"), common::Message::LastStep,
                                                           [&] {
        if (!window)
            platform::raiseError(platform::err::ObjectRequired, QStringLiteral("Object required"));
        return placeControls(*window);
    });
    if (!chartShown)
        return;
    // A window without the chart-type list, or a menu that cannot be reached, is no reason
    // to stop the program.
    common::ResumeNext resume;
    if (!state::modGlobals::gbOWCXP)
        resume.run([&] { control<QWidget>(*window, "cmbGraphType")->setVisible(*chartShown); });
    resume.run([&] {
        auto* picture = window->findChild<QAction*>(QStringLiteral("mnuSavePicture"));
        if (!picture)
            platform::raiseError(platform::err::ObjectRequired, QStringLiteral("Object required"));
        picture->setVisible(*chartShown);
    });
    resume.clear();
}

}

} // namespace startup
