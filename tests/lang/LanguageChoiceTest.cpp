#include "lang/modGenericLanguages.h"
#include "platform/RegistryStore.h"

#include <QTemporaryDir>
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

TEST(LanguageChoice, EveryLocaleOfTheTableSelectsItsColumn)
{
    const struct
    {
        int column;
        std::vector<int> lcids;
    } rows[] = {
        {1, {1029}},
        {2, {1030}},
        {3, {1043, 2067}},
        {5, {1035}},
        {6, {1036, 2060, 3084, 5132, 4108}},
        {7, {1031, 3079, 5127, 4103, 2055}},
        {8, {1032}},
        {9, {1040, 2064}},
        {10, {1044}},
        {11, {2070}},
        {12, {1060}},
        {13, {3082,  1034, 11274, 16394, 13322, 9226,  5130,  7178,  12298, 4106,
              18442, 2058, 19466, 6154,  10250, 20490, 15370, 17418, 14346, 8202}},
        {14, {1053}},
        {15, {1055}},
        {4, {1033, 2057, 1046, 2068, 1049, 0, -1}},
    };
    for (const auto& row : rows)
        for (int id : row.lcids) {
            EXPECT_EQ(columnOfLcid(id), row.column) << id;
            EXPECT_EQ(fncGetlocalLanguage(lcid(id), override(QStringLiteral("0"))), row.column) << id;
        }
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
    QTemporaryDir dir;
    platform::RegistryStore store(dir.path());
    platform::RegistryStore::setCurrent(&store);

    EXPECT_EQ(lang::readLanguageOverride(), QStringLiteral("0"));   // no key "Software\Zelbrin" at all
    EXPECT_EQ(fncGetlocalLanguage(lcid(1053)), 14);

    store.setValue(platform::Hive::CurrentUser, QStringLiteral("Software\\Zelbrin"),
                   QStringLiteral("LanguageOnly4Test"), QStringLiteral("7"));
    EXPECT_EQ(fncGetlocalLanguage(lcid(1053)), 7);
    store.setValue(platform::Hive::CurrentUser, QStringLiteral("Software\\Zelbrin"),
                   QStringLiteral("LanguageOnly4Test"), QStringLiteral("100"));
    EXPECT_EQ(fncGetlocalLanguage(lcid(1053)), 100);

    platform::RegistryStore::setCurrent(nullptr);
}
