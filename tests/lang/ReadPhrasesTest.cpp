#include "LangTestSupport.h"

#include "lang/modGenericLanguages.h"
#include "lang/modMultiLingual.h"

using modGenericLanguages::colPhrases;
using modGenericLanguages::subReadPhrases;

namespace {

// Key plus 16 texts; English in column 4, the rest as given (empty by default).
QStringList line(const QString& key, const QString& english, const QHash<int, QString>& others = {})
{
    QStringList fields{key};
    for (int column = 1; column <= 16; ++column)
        fields << (column == 4 ? english : others.value(column));
    return fields;
}

QString phrase(const char* key)
{
    return colPhrases().item(QString::fromLatin1(key)).LangPhrase();
}

}

using ReadPhrases = LangTest;

TEST_F(ReadPhrases, TakesTheChosenColumnAndFallsBackToEnglish)
{
    useTable(table({
        line(QStringLiteral("LNGCANCEL"), QStringLiteral("Cancel"), {{7, QStringLiteral("Abbrechen")}}),
        line(QStringLiteral("LNGOK"), QStringLiteral("OK")),
        line(QStringLiteral("LNGEXTRA"), QStringLiteral("Extra"), {{7, QStringLiteral("Zusatz")}}),
    }));
    subReadPhrases(7, false);
    EXPECT_EQ(colPhrases().count(), 3);
    EXPECT_EQ(phrase("LNGCANCEL"), QStringLiteral("Abbrechen"));
    EXPECT_EQ(phrase("LNGOK"), QStringLiteral("OK"));
    EXPECT_EQ(phrase("lngcancel"), QStringLiteral("Abbrechen"));   // keys are looked up without regard to case
    EXPECT_EQ(m_steps, QStringList{QStringLiteral("Reading language phrases from resource file")});

    // Every reading starts from an empty collection.
    useTable(table({line(QStringLiteral("LNGOK"), QStringLiteral("OK"))}));
    subReadPhrases(7, false);
    EXPECT_EQ(colPhrases().count(), 1);
    EXPECT_FALSE(colPhrases().contains(QStringLiteral("LNGCANCEL")));
}

TEST_F(ReadPhrases, DropsStraightApostrophesButKeepsTypographicMarks)
{
    EXPECT_EQ(modGenericLanguages::fncValidateString(QStringLiteral("Nom d'utilisateur")),
              QStringLiteral("Nom dutilisateur"));
    EXPECT_EQ(modGenericLanguages::fncValidateString(QStringLiteral("Nom d’utilisateur «x» \"y\"")),
              QStringLiteral("Nom d’utilisateur «x» \"y\""));

    useTable(table({line(QStringLiteral("LNGUSERNAME"), QStringLiteral("User's name"))}));
    subReadPhrases(6, false);
    EXPECT_EQ(phrase("LNGUSERNAME"), QStringLiteral("Users name"));
}

TEST_F(ReadPhrases, LayoutTestTakesTheFirstLongestTextOfEachLine)
{
    EXPECT_EQ(modGenericLanguages::GetLongestPhrase({QStringLiteral("LNGVERYLONGKEYNAME"), QStringLiteral("ab"),
                                                     QStringLiteral("cd"), QStringLiteral("e")}),
              QStringLiteral("ab"));
    // Length counts UTF-16 code units: four accented letters are not eight bytes' worth.
    EXPECT_EQ(
        modGenericLanguages::GetLongestPhrase({QStringLiteral("K"), QStringLiteral("éééé"), QStringLiteral("abcde")}),
        QStringLiteral("abcde"));
    EXPECT_EQ(modGenericLanguages::GetLongestPhrase({QStringLiteral("K"), QString(), QString()}), QString());

    useTable(table({
        line(QStringLiteral("LNGHELP"), QStringLiteral("Help"),
             {{7, QStringLiteral("Hilfe")}, {8, QStringLiteral("Βοήθεια")}}),
        line(QStringLiteral("LNGOK"), QStringLiteral("OK")),
    }));
    subReadPhrases(modGenericLanguages::kLayoutTest, false);
    EXPECT_EQ(phrase("LNGHELP"), QStringLiteral("Βοήθεια"));
    EXPECT_EQ(phrase("LNGOK"), QStringLiteral("OK"));
}

TEST_F(ReadPhrases, MalformedLineShowsItselfThenMakesTheErrorCall)
{
    QStringList shortLine{QStringLiteral("LNGBROKEN"), QStringLiteral("a"), QStringLiteral("b")};
    useTable(table(
        {line(QStringLiteral("LNGCANCEL"), QStringLiteral("Cancel"), {{7, QStringLiteral("Abbrechen")}}), shortLine}));
    try {
        subReadPhrases(7, false);
        FAIL() << "a line without the column must fail";
    } catch (const ErrorCall& call) {
        EXPECT_EQ(call.procName, QStringLiteral("subReadPhrases"));
        EXPECT_EQ(call.number, 9);
    }
    EXPECT_EQ(m_messages, QStringList{QStringLiteral("Abbrechen\r\nLNGBROKEN\r\nLINE - 2")});

    m_messages.clear();
    useTable(table(
        {line(QStringLiteral("LNGOK"), QStringLiteral("OK")), line(QStringLiteral("LNGok"), QStringLiteral("Okay"))}));
    try {
        modGenericLanguages::subReadTestPhrases(false);
        FAIL() << "a key read twice must fail";
    } catch (const ErrorCall& call) {
        EXPECT_EQ(call.procName, QStringLiteral("subReadTestPhrases"));
        EXPECT_EQ(call.number, 457);
    }
    EXPECT_EQ(m_messages, QStringList{QStringLiteral("Okay\r\nLNGok\r\nLINE - 2")});
}

TEST_F(ReadPhrases, LoadLanguagesFillsEveryVariableFromTheShippedTable)
{
    modMultiLingual::LoadLanguages(7);
    EXPECT_EQ(modMultiLingual::LNGCANCEL, QStringLiteral("Abbrechen"));
    EXPECT_EQ(modMultiLingual::LNGREPORTS, QStringLiteral("Berichte"));
    EXPECT_EQ(modMultiLingual::LNGYEAR, QStringLiteral("Jahr"));
    EXPECT_EQ(m_steps.last(), QStringLiteral("Reading phrases from collection into variables"));

    modMultiLingual::LoadLanguages(8);
    EXPECT_EQ(modMultiLingual::LNGHELP, QStringLiteral("Βοήθεια"));

    modMultiLingual::LoadLanguages(4);
    EXPECT_EQ(modMultiLingual::LNGERRTHISERROR, QStringLiteral("This error has occured:"));
    EXPECT_EQ(modMultiLingual::LNGINTEGRATEDSECURITY, QStringLiteral("Use trusted connection  - recommended"));

    // The layout test shows every phrase at its longest.
    modMultiLingual::LoadLanguages(modGenericLanguages::kLayoutTest);
    for (const QString& key : modMultiLingual::phraseKeys())
        EXPECT_GE(colPhrases().item(key).LangPhrase().size(), 2) << qPrintable(key);
    EXPECT_EQ(modMultiLingual::LNGADVANCED, QStringLiteral("Για προχωρημένους"));
}

TEST_F(ReadPhrases, LoadLanguagesStopsAtTheFirstMissingKey)
{
    modMultiLingual::LoadLanguages(4);
    QList<QStringList> lines;
    for (const QString& key : modMultiLingual::phraseKeys())
        if (key != QLatin1String("LNGHELP"))
            lines << line(key, QStringLiteral("new ") + key);
    useTable(table(lines));
    try {
        modMultiLingual::LoadLanguages(4);
        FAIL() << "a missing key must fail";
    } catch (const ErrorCall& call) {
        EXPECT_EQ(call.procName, QStringLiteral("LoadLanguages"));
        EXPECT_EQ(call.line, 0);
        EXPECT_EQ(call.number, 5);
    }
    EXPECT_EQ(m_steps.last(), QStringLiteral("Reading phrases from collection into variables"));
    EXPECT_EQ(modMultiLingual::LNGHEIGHT, QStringLiteral("new LNGHEIGHT"));
    EXPECT_EQ(modMultiLingual::LNGHELP, QStringLiteral("Help"));   // keeps what it held before
    EXPECT_EQ(modMultiLingual::LNGSUBROUTINE, QStringLiteral("Sub routine"));
}
