#include "app/connections/ConnectionStrings.h"

#include <gtest/gtest.h>

namespace cs = connections::connectionstrings;

TEST(ConnectionStrings, CubeFileStringsAreExact)
{
    EXPECT_EQ(cs::localTest(QStringLiteral("/home/ana/cubes"), QStringLiteral("Sales.cub")),
              QStringLiteral(
                  "provider=msolap;TimeOut=100;ShowHiddenCubes=True;SspropInitAppName="
                  "\"Tessaline Tool for Excel - Zelbrin Outlook Solutions\";data source=/home/ana/cubes/Sales.cub"));
    EXPECT_EQ(cs::localPivot(QStringLiteral("Provider=MSOLAP.4"), QStringLiteral("/d"), QStringLiteral("Göteborg.cub")),
              QStringLiteral("Provider=MSOLAP.4;data source=/d/Göteborg.cub"));
}

TEST(ConnectionStrings, ServerPivotStringOnEveryPass)
{
    EXPECT_EQ(cs::serverProviderPart(4), QStringLiteral("Provider=MSOLAP.4"));
    EXPECT_EQ(cs::serverProviderPart(3), QStringLiteral("Provider=MSOLAP.3"));
    EXPECT_EQ(cs::serverProviderPart(2), QStringLiteral("Provider=MSOLAP"));
    EXPECT_EQ(cs::serverProviderPart(1), QStringLiteral("Provider=MSOLAP"));
    EXPECT_EQ(cs::serverPivot(cs::serverProviderPart(3), QStringLiteral("OLAPSRV"), QStringLiteral("Sales")),
              QStringLiteral("Provider=MSOLAP.3;Persist Security Info=True;TimeOut=100;ShowHiddenCubes=True;"
                             "SspropInitAppName=\"Tessaline Tool for Excel - Zelbrin Outlook Solutions\";User ID=\"\";"
                             "Safety Options=2;Data Source=OLAPSRV;Initial Catalog=Sales;Location=OLAPSRV"));
}

TEST(ConnectionStrings, ServerConnectionTemplateAndPasses)
{
    const QString head = QStringLiteral(";Persist Security Info=True;TimeOut=100;ShowHiddenCubes=True;"
                                        "SspropInitAppName=\"Tessaline Tool for Excel - Zelbrin Outlook Solutions\"");
    const QString trusted = cs::serverTemplate(QStringLiteral("srv"), QStringLiteral("db"), QStringLiteral("   "),
                                               QStringLiteral("secret"));
    EXPECT_EQ(trusted,
              QStringLiteral("Provider=MSOLAP[NUMBER]") + head + QStringLiteral(";Data Source=srv;Initial Catalog=db"));
    EXPECT_EQ(cs::serverPass(trusted, 4),
              QStringLiteral("Provider=MSOLAP.4") + head + QStringLiteral(";Data Source=srv;Initial Catalog=db"));
    EXPECT_EQ(cs::serverPass(trusted, 2), cs::serverPass(trusted, 1));
    EXPECT_TRUE(cs::serverPass(trusted, 1).startsWith(QStringLiteral("Provider=MSOLAP;")));

    const QString noDatabase = cs::serverTemplate(QStringLiteral("srv"), QString(), QString(), QString());
    EXPECT_FALSE(noDatabase.contains(QStringLiteral("Initial Catalog")));

    const QString withUser =
        cs::serverTemplate(QStringLiteral("srv"), QStringLiteral("db"), QStringLiteral(" ana "), QStringLiteral("pw"));
    EXPECT_TRUE(withUser.endsWith(QStringLiteral(";User ID= ana ;Password=pw;Data Source=srv;Initial Catalog=db")
                                      .replace(QStringLiteral("= ana "), QStringLiteral("=\" ana \""))));
}

TEST(ConnectionStrings, ValuesThatWouldBreakTheStringAreQuoted)
{
    EXPECT_EQ(cs::quoteValue(QStringLiteral("plain")), QStringLiteral("plain"));
    EXPECT_EQ(cs::quoteValue(QStringLiteral("a;b")), QStringLiteral("\"a;b\""));
    EXPECT_EQ(cs::quoteValue(QStringLiteral("\"q\";x")), QStringLiteral("\"\"\"q\"\";x\""));
    EXPECT_EQ(
        cs::localTest(QStringLiteral("/data;x"), QStringLiteral("S.cub")).section(QStringLiteral("data source="), 1),
        QStringLiteral("\"/data;x/S.cub\""));
    const QString templ = cs::serverTemplate(QStringLiteral("srv[NUMBER]"), QStringLiteral("db"), QStringLiteral("u"),
                                             QStringLiteral("p;w"));
    const QString pass = cs::serverPass(templ, 4);
    EXPECT_TRUE(pass.startsWith(QStringLiteral("Provider=MSOLAP.4;")));
    EXPECT_TRUE(pass.contains(QStringLiteral("Data Source=srv[NUMBER]")));
    EXPECT_TRUE(pass.contains(QStringLiteral("Password=\"p;w\"")));
}
