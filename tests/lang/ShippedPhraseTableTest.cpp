#include "lang/modGenericLanguages.h"
#include "lang/modMultiLingual.h"

#include <QHash>
#include <gtest/gtest.h>

namespace {

// The table as the program carries it, one list of 17 fields per line.
struct ShippedTable
{
    QByteArray bytes;
    QString text;   // without the byte-order mark
    QList<QStringList> lines;
};

ShippedTable shipped()
{
    ShippedTable table;
    table.bytes = modGenericLanguages::phraseTableBytes();
    for (qsizetype i = 2; i + 1 < table.bytes.size(); i += 2)
        table.text.append(QChar(
            static_cast<char16_t>(static_cast<uchar>(table.bytes[i]) | (static_cast<uchar>(table.bytes[i + 1]) << 8))));
    QStringList pieces = table.text.split(QStringLiteral("\r\n"));
    pieces.removeLast();
    for (const QString& line : pieces)
        table.lines << line.split(QLatin1Char('\t'));
    return table;
}

QString englishOf(const ShippedTable& table, const QString& key)
{
    for (const QStringList& fields : table.lines)
        if (fields[0] == key)
            return fields[4];
    return {};
}

}

TEST(ShippedPhraseTable, IsUtf16WithByteOrderMarkAndEveryLineEndsInCrLf)
{
    const ShippedTable table = shipped();
    ASSERT_GE(table.bytes.size(), 4);
    EXPECT_EQ(static_cast<uchar>(table.bytes[0]), 0xFF);
    EXPECT_EQ(static_cast<uchar>(table.bytes[1]), 0xFE);
    EXPECT_EQ(table.bytes.size() % 2, 0);
    EXPECT_TRUE(table.text.endsWith(QStringLiteral("\r\n")));
    EXPECT_FALSE(table.text.contains(QStringLiteral("\r\n\r\n")));
    EXPECT_EQ(table.text.count(QLatin1Char('\r')), table.text.count(QStringLiteral("\r\n")));
    EXPECT_EQ(table.text.count(QLatin1Char('\n')), table.text.count(QStringLiteral("\r\n")));
}

TEST(ShippedPhraseTable, HoldsExactlyThePhraseKeysInAscendingOrder)
{
    const ShippedTable table = shipped();
    QStringList keys;
    for (const QStringList& fields : table.lines)
        keys << fields[0];
    EXPECT_EQ(keys.size(), 99);
    EXPECT_EQ(keys, modMultiLingual::phraseKeys());
    for (qsizetype i = 1; i < keys.size(); ++i)
        EXPECT_LT(keys[i - 1], keys[i]) << qPrintable(keys[i]);
}

TEST(ShippedPhraseTable, EveryLineHasSeventeenFieldsAndNoEmptyOrMangledText)
{
    for (const QStringList& fields : shipped().lines) {
        ASSERT_EQ(fields.size(), 17) << qPrintable(fields[0]);
        for (int column = 1; column <= 16; ++column) {
            const QString& text = fields[column];
            EXPECT_FALSE(text.trimmed().isEmpty()) << qPrintable(fields[0]) << " column " << column;
            // The reader drops straight apostrophes, so a text holding one would show misspelt.
            EXPECT_FALSE(text.contains(QLatin1Char('\''))) << qPrintable(fields[0]) << " column " << column;
            EXPECT_FALSE(text.contains(QChar(0xFFFD))) << qPrintable(fields[0]) << " column " << column;
        }
    }
}

TEST(ShippedPhraseTable, EnglishTextsAreTheOnesTheProgramQuotes)
{
    const ShippedTable table = shipped();
    const QHash<QString, QString> quoted{
        {QStringLiteral("LNGOK"), QStringLiteral("OK")},
        {QStringLiteral("LNGCANCEL"), QStringLiteral("Cancel")},
        {QStringLiteral("LNGO2KNEEDED"), QStringLiteral("You need Outlook 2000 or later to run this application.")},
        {QStringLiteral("LNGNOWEBCOMPONENTS"), QStringLiteral("Unable to start Office Web Components")},
        {QStringLiteral("LNGNAMEWILLREPLACEEXISTINGREPORT"),
         QStringLiteral("Saving with this report name will replace an existing report")},
        {QStringLiteral("LNGINTEGRATEDSECURITY"), QStringLiteral("Use trusted connection  - recommended")},
        {QStringLiteral("LNGERRINAPP"), QStringLiteral("There has been an error in this application.")},
        {QStringLiteral("LNGERRTHISERROR"), QStringLiteral("This error has occured:")},
        {QStringLiteral("LNGERRSYSTEMERROR"), QStringLiteral("The system error message was:")},
        {QStringLiteral("LNGSUBROUTINE"), QStringLiteral("Sub routine")},
        {QStringLiteral("LNGERRLINE"), QStringLiteral("Error on line")},
        {QStringLiteral("LNGERRSENDREPORT"), QStringLiteral("Would you like to send an e-mail with an error report?")},
        {QStringLiteral("LNGFAILEDSAVEREPORT"), QStringLiteral("Failed to save report")},
        {QStringLiteral("LNGREPORTNAME"), QStringLiteral("Report name")},
        {QStringLiteral("LNGREPORTCATEGORY"), QStringLiteral("Report category")},
        {QStringLiteral("LNGREPORTTYPE"), QStringLiteral("Report type")},
        {QStringLiteral("LNGDESCRIPTION"), QStringLiteral("Description")},
        {QStringLiteral("LNGUSEHTMLORPLAINTEXT"), QStringLiteral("Use html or plain text to describe this report")},
    };
    for (auto it = quoted.cbegin(); it != quoted.cend(); ++it)
        EXPECT_EQ(englishOf(table, it.key()), it.value()) << qPrintable(it.key());
}

TEST(ShippedPhraseTable, ColumnsStandInTheOrderOfTheirLanguages)
{
    // Two unmistakable words per column, Czech to Russian: a column in the wrong place shows here.
    const QHash<QString, QStringList> expected{
        {QStringLiteral("LNGSAVE"),
         {QStringLiteral("Uložit"), QStringLiteral("Gem"), QStringLiteral("Opslaan"), QStringLiteral("Save"),
          QStringLiteral("Tallenna"), QStringLiteral("Enregistrer"), QStringLiteral("Speichern"),
          QStringLiteral("Αποθήκευση"), QStringLiteral("Salva"), QStringLiteral("Lagre"), QStringLiteral("Guardar"),
          QStringLiteral("Shrani"), QStringLiteral("Guardar"), QStringLiteral("Spara"), QStringLiteral("Kaydet"),
          QStringLiteral("Сохранить")}},
        {QStringLiteral("LNGPASSWORD"),
         {QStringLiteral("Heslo"), QStringLiteral("Adgangskode"), QStringLiteral("Wachtwoord"),
          QStringLiteral("Password"), QStringLiteral("Salasana"), QStringLiteral("Mot de passe"),
          QStringLiteral("Kennwort"), QStringLiteral("Κωδικός πρόσβασης"), QStringLiteral("Password"),
          QStringLiteral("Passord"), QStringLiteral("Palavra-passe"), QStringLiteral("Geslo"),
          QStringLiteral("Contraseña"), QStringLiteral("Lösenord"), QStringLiteral("Parola"),
          QStringLiteral("Пароль")}},
    };
    int checked = 0;
    for (const QStringList& fields : shipped().lines) {
        if (!expected.contains(fields[0]))
            continue;
        EXPECT_EQ(fields.mid(1), expected.value(fields[0])) << qPrintable(fields[0]);
        ++checked;
    }
    EXPECT_EQ(checked, 2);
}
