#include "lang/modGenericLanguages.h"
#include "platform/FakeServices.h"

#include <gtest/gtest.h>

using modGenericLanguages::columnOfLcid;
using modGenericLanguages::fncGetlocalLanguage;

namespace {

std::function<int()> lcid(int value)
{
    return [value] { return value; };
}

std::function<QString()> override(const QString& text)
{
    return [text] { return text; };
}

}

// A Windows locale id is its language's primary id with the region's sublanguage above it.
constexpr int localeId(int primaryLanguage, int sublanguage)
{
    return sublanguage << 10 | primaryLanguage;
}

// Written from the languages and regions a column serves, not copied from the program's
// table, so that a wrong number in that table shows here.
TEST(LanguageChoice, EveryLocaleOfTheTableSelectsItsColumn)
{
    const struct
    {
        const char* language;
        int primary;
        std::vector<int> regions;   // sublanguages
        int column;
    } languages[] = {
        {"Czech", 0x05, {1}, 1},
        {"Danish", 0x06, {1}, 2},
        {"Dutch: Netherlands, Belgium", 0x13, {1, 2}, 3},
        {"Finnish", 0x0B, {1}, 5},
        {"French: France, Belgium, Canada, Switzerland, Luxembourg", 0x0C, {1, 2, 3, 4, 5}, 6},
        {"German: Germany, Switzerland, Austria, Luxembourg, Liechtenstein", 0x07, {1, 2, 3, 4, 5}, 7},
        {"Greek", 0x08, {1}, 8},
        {"Italian: Italy, Switzerland", 0x10, {1, 2}, 9},
        {"Norwegian (Bokmal)", 0x14, {1}, 10},
        {"Portuguese: Portugal", 0x16, {2}, 11},
        {"Slovenian", 0x24, {1}, 12},
        {"Spanish: every region", 0x0A, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}, 13},
        {"Swedish: Sweden", 0x1D, {1}, 14},
        {"Turkish", 0x1F, {1}, 15},
        // English, and what no column serves: Brazilian Portuguese, Nynorsk, Russian.
        {"English: United States, United Kingdom", 0x09, {1, 2}, 4},
        {"Portuguese: Brazil", 0x16, {1}, 4},
        {"Norwegian (Nynorsk)", 0x14, {2}, 4},
        {"Russian", 0x19, {1}, 4},
    };
    for (const auto& language : languages)
        for (int region : language.regions) {
            const int id = localeId(language.primary, region);
            EXPECT_EQ(columnOfLcid(id), language.column) << language.language << " " << id;
            EXPECT_EQ(fncGetlocalLanguage(lcid(id), override(QStringLiteral("0"))), language.column) << id;
        }
    for (int unknown : {0, -1})
        EXPECT_EQ(columnOfLcid(unknown), 4) << unknown;
}

TEST(LanguageChoice, PosixLocaleNamesMapToTheLanguageAndTerritory)
{
    const struct
    {
        const char* locale;
        int column;
    } rows[] = {
        {"cs_CZ.UTF-8", 1},
        {"da_DK.UTF-8", 2},
        {"nl_NL.UTF-8", 3},
        {"nl_BE.UTF-8", 3},
        {"fi_FI.UTF-8", 5},
        {"fr_FR.UTF-8", 6},
        {"fr_BE", 6},
        {"fr_CA.UTF-8", 6},
        {"fr_LU", 6},
        {"fr_CH.UTF-8", 6},
        {"de_DE.UTF-8", 7},
        {"de_AT@euro", 7},
        {"de_LI.UTF-8", 7},
        {"de_LU", 7},
        {"de_CH.UTF-8", 7},
        {"el_GR.UTF-8", 8},
        {"it_IT.UTF-8", 9},
        {"it_CH", 9},
        {"nb_NO.UTF-8", 10},
        {"no_NO", 10},
        {"pt_PT.UTF-8", 11},
        {"sl_SI.UTF-8", 12},
        {"es_ES.UTF-8", 13},
        {"es_MX.UTF-8", 13},
        {"es_AR", 13},
        {"es_VE.UTF-8", 13},
        {"sv_SE.UTF-8", 14},
        {"tr_TR.UTF-8", 15},
        // Every other locale is English, also where the language has a column.
        {"pt_BR.UTF-8", 4},
        {"nn_NO.UTF-8", 4},
        {"ru_RU.UTF-8", 4},
        {"sv_FI.UTF-8", 4},
        {"es_US.UTF-8", 4},
        {"de", 4},
        {"C", 4},
        {"POSIX", 4},
        {"C.UTF-8", 4},
        {"", 4},
    };
    for (const auto& row : rows) {
        const QString name = QString::fromLatin1(row.locale);
        EXPECT_EQ(
            fncGetlocalLanguage([name] { return platform::lcidOfLocaleName(name); }, override(QStringLiteral("0"))),
            row.column)
            << row.locale;
    }
}

TEST(LanguageChoice, SystemLocaleFollowsThePosixPrecedence)
{
    const QByteArray saved[] = {qgetenv("LC_ALL"), qgetenv("LC_MESSAGES"), qgetenv("LANG")};
    qputenv("LANG", "el_GR.UTF-8");
    qputenv("LC_MESSAGES", "");
    qputenv("LC_ALL", "");
    EXPECT_EQ(platform::GetSystemDefaultLCID(), 1032);
    qputenv("LC_MESSAGES", "de_DE.UTF-8");
    EXPECT_EQ(platform::GetSystemDefaultLCID(), 1031);
    qputenv("LC_ALL", "tr_TR.UTF-8");
    EXPECT_EQ(platform::GetSystemDefaultLCID(), 1055);
    qputenv("LC_ALL", saved[0]);
    qputenv("LC_MESSAGES", saved[1]);
    qputenv("LANG", saved[2]);
}

TEST(LanguageChoice, OverrideForcesAColumnOrTheLayoutTestElseTheLocaleDecides)
{
    const int greek = 1032;
    const struct
    {
        const char* value;
        int column;
    } rows[] = {
        {"7", 7},
        {"1", 1},
        {"15", 15},
        {" 7 ", 7},
        {"6.5", 6},
        {"7.5", 8},
        {"100", 100},
        {"16", 8},
        {"0", 8},
        {"abc", 8},
        {"", 8},
        {"101", 8},
        {"99999", 8},
        // A negative number names no column; it is treated like 0.
        {"-3", 8},
        {"-32768", 8},
    };
    for (const auto& row : rows)
        EXPECT_EQ(fncGetlocalLanguage(lcid(greek), override(QString::fromLatin1(row.value))), row.column) << row.value;
}

TEST(LanguageChoice, TroubleReadingTheOverrideOrTheLocaleFallsBack)
{
    const auto failingOverride = []() -> QString { throw std::runtime_error("registry unreadable"); };
    EXPECT_EQ(fncGetlocalLanguage(lcid(1031), failingOverride), 7);
    const auto failingLocale = []() -> int { throw std::runtime_error("no locale"); };
    EXPECT_EQ(fncGetlocalLanguage(failingLocale, override(QStringLiteral("0"))), 4);
}

TEST(LanguageChoice, OverrideIsReadFromTheUsersRegistry)
{
    platform::FakeServices fakes;
    platform::RegistryStore& store = fakes.registry;

    EXPECT_EQ(lang::readLanguageOverride(), QStringLiteral("0"));   // no key "Software\Zelbrin" at all
    EXPECT_EQ(fncGetlocalLanguage(lcid(1053)), 14);

    store.setValue(platform::Hive::CurrentUser, QStringLiteral("Software\\Zelbrin"),
                   QStringLiteral("LanguageOnly4Test"), QStringLiteral("7"));
    EXPECT_EQ(fncGetlocalLanguage(lcid(1053)), 7);
    store.setValue(platform::Hive::CurrentUser, QStringLiteral("Software\\Zelbrin"),
                   QStringLiteral("LanguageOnly4Test"), QStringLiteral("100"));
    EXPECT_EQ(fncGetlocalLanguage(lcid(1053)), 100);
}
