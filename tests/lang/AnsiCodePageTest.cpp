#include "lang/AnsiCodePage.h"

#include <QByteArray>
#include <gtest/gtest.h>

TEST(AnsiCodePage, EachLanguageColumnHasItsWindowsCodePage)
{
    // cs da nl en fi fr de el it no pt sl es sv tr ru
    const int expected[] = {1250, 1252, 1252, 1252, 1252, 1252, 1252, 1253,
                            1252, 1252, 1252, 1250, 1252, 1252, 1254, 1251};
    for (int column = 1; column <= 16; ++column) {
        SCOPED_TRACE(column);
        EXPECT_EQ(lang::ansiCodePageOfColumn(column), expected[column - 1]);
    }
    EXPECT_EQ(lang::ansiCodePageOfColumn(0), 1252);
    EXPECT_EQ(lang::ansiCodePageOfColumn(100), 1252);
}

TEST(AnsiCodePage, TheSystemCodePageFollowsTheLocale)
{
    const QByteArray saved = qgetenv("LC_ALL");
    const auto codePageOf = [](const char* locale) {
        qputenv("LC_ALL", locale);
        return lang::GetACP();
    };
    EXPECT_EQ(codePageOf("ru_RU.UTF-8"), 1251);
    EXPECT_EQ(codePageOf("cs_CZ.UTF-8"), 1250);
    EXPECT_EQ(codePageOf("el_GR.UTF-8"), 1253);
    EXPECT_EQ(codePageOf("tr_TR.UTF-8"), 1254);
    EXPECT_EQ(codePageOf("de_DE.UTF-8"), 1252);
    EXPECT_EQ(codePageOf("C"), 1252);
    if (saved.isNull())
        qunsetenv("LC_ALL");
    else
        qputenv("LC_ALL", saved);
}
