#include "controls/shared/HostServices.h"
#include "controls/shared/PropertyBag.h"
#include "controls/shared/StdFont.h"
#include "controls/shared/VirtualKeys.h"

#include <QSignalSpy>
#include <QWidget>
#include <gtest/gtest.h>

using namespace controls;

TEST(PropertyBag, DefaultsAreNotStoredAndOrderIsKept)
{
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("Sty"), 2, 1);
    bag.WriteProperty(QStringLiteral("ExSty"), 3, 3);
    bag.WriteProperty(QStringLiteral("DHt"), 200, 160);
    bag.WriteProperty(QStringLiteral("Enbld"), true, true);
    bag.WriteProperty(QStringLiteral("Always"), 0);
    EXPECT_EQ(bag.keys(), (QStringList{QStringLiteral("Sty"), QStringLiteral("DHt"), QStringLiteral("Always")}));
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("Sty"), 1).toInt(), 2);
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("ExSty"), 3).toInt(), 3);
    EXPECT_FALSE(bag.ReadProperty(QStringLiteral("Missing")).isValid());
}

TEST(PropertyBag, WritingTheDefaultOverAnOldValueRemovesIt)
{
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("Sty"), 2, 1);
    bag.WriteProperty(QStringLiteral("Sty"), 1, 1);
    EXPECT_TRUE(bag.isEmpty());
}

TEST(PropertyBag, KeepsTextsExactly)
{
    PropertyBag bag;
    const QString text = QStringLiteral("a\u0000b 😀 \u05E9\u05DC\u05D5\u05DD e\u0301");
    bag.WriteProperty(QStringLiteral("Text"), text, QString());
    EXPECT_EQ(PropertyBag::fromVariantMap(bag.toVariantMap()).ReadProperty(QStringLiteral("Text")).toString(), text);
}

TEST(StdFont, EveryAttributeChangeIsReportedAndTheNameKeepsItsUnicodeForm)
{
    StdFont font;
    QSignalSpy changed(&font, &StdFont::FontChanged);
    font.setName(QStringLiteral("Noto Sans 日本語 Extra Long Family Name That Exceeds Thirty-One Bytes"));
    font.setSize(12.4);
    font.setBold(true);
    font.setBold(true);
    EXPECT_EQ(changed.count(), 3);
    const QFont q = font.toQFont();
    EXPECT_EQ(q.family(), font.Name());
    EXPECT_EQ(q.pointSize(), 12);   // applied in whole points
    EXPECT_TRUE(q.bold());
}

TEST(HostServices, TwipsRoundTripAtTheControlsDpi)
{
    QWidget control;
    HostServices& host = runModeHost();
    const double perPixel = 1440.0 / control.logicalDpiX();
    EXPECT_EQ(host.toPixelsX(100 * perPixel, control), 100);
    EXPECT_DOUBLE_EQ(host.toContainerX(100, control), 100 * perPixel);
    EXPECT_TRUE(host.userMode());
    EXPECT_FALSE(host.exeName().isEmpty());
}

TEST(VirtualKeys, MapBothWays)
{
    const std::pair<int, int> pairs[] = {
        {Qt::Key_A, 65},      {Qt::Key_Z, 90},      {Qt::Key_5, 53},     {Qt::Key_Tab, 9},   {Qt::Key_Return, 13},
        {Qt::Key_Escape, 27}, {Qt::Key_PageUp, 33}, {Qt::Key_End, 35},   {Qt::Key_Home, 36}, {Qt::Key_Left, 37},
        {Qt::Key_Down, 40},   {Qt::Key_F1, 112},    {Qt::Key_Delete, 46}};
    for (const auto& [qt, virtualKey] : pairs) {
        EXPECT_EQ(vk::virtualKeyFromQt(qt), virtualKey) << virtualKey;
        EXPECT_EQ(vk::qtKeyFromVirtual(virtualKey), qt) << virtualKey;
    }
    EXPECT_EQ(vk::virtualKeyFromQt(Qt::Key_Udiaeresis), 0);
    EXPECT_EQ(vk::shiftState(Qt::ShiftModifier | Qt::AltModifier), 5);
}
