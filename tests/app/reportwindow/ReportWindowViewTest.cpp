#include "app/reportwindow/FakeReportWindow.h"

#include "support/RaisedError.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace reportwindow;
using platform::Notify;

namespace {

TEST(ReportWindowView, AViewChosenInCodeTellsItsButtonsOnlyWhenRaised)
{
    FakeReportWindow window;
    QSignalSpy pivotToggled(window.pivotOnly, &QRadioButton::toggled);
    QSignalSpy bothToggled(window.both, &QRadioButton::toggled);

    chooseViewMode(window, windowlayout::ViewMode::Pivot, Notify::Quiet);
    EXPECT_EQ(viewMode(window), windowlayout::ViewMode::Pivot);
    EXPECT_EQ(pivotToggled.count(), 0);
    EXPECT_EQ(bothToggled.count(), 0);

    chooseViewMode(window, windowlayout::ViewMode::Both, Notify::Raise);
    EXPECT_EQ(viewMode(window), windowlayout::ViewMode::Both);
    EXPECT_EQ(pivotToggled.count(), 1);
    EXPECT_EQ(bothToggled.count(), 1);

    // The same choice again changes nothing, so nothing is told.
    chooseViewMode(window, windowlayout::ViewMode::Both, Notify::Raise);
    EXPECT_EQ(bothToggled.count(), 1);
}

TEST(ReportWindowView, AChartTypeChosenInCodeNeedsTheListAndAnEntryOfIt)
{
    FakeReportWindow newer;
    EXPECT_EQ(errorOf([&] { chooseGraphType(newer, 0, Notify::Raise); }), platform::err::ObjectRequired);

    FakeReportWindow versionNine(true);
    versionNine.graphTypes->addItems({QStringLiteral("Bar"), QStringLiteral("Line")});
    versionNine.graphTypes->setCurrentIndex(-1);
    QSignalSpy changed(versionNine.graphTypes, &QComboBox::currentIndexChanged);
    chooseGraphType(versionNine, 1, Notify::Quiet);
    EXPECT_EQ(versionNine.graphTypes->currentIndex(), 1);
    EXPECT_EQ(changed.count(), 0);
    chooseGraphType(versionNine, 0, Notify::Raise);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(errorOf([&] { chooseGraphType(versionNine, 2, Notify::Raise); }), platform::err::InvalidPropertyValue);
    EXPECT_EQ(versionNine.graphTypes->currentIndex(), 0);
}

}
