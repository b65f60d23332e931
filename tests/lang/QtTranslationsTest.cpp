#include "lang/QtTranslations.h"
#include "lang/modGenericLanguages.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

QString tr(const char* context, const char* text)
{
    return QCoreApplication::translate(context, text);
}

QString buttonText(QDialogButtonBox::StandardButton which)
{
    QDialogButtonBox box(which);
    QString text = box.button(which)->text();
    return text.remove(QLatin1Char('&'));
}

// Back to English whatever a test installed.
class QtTranslations : public ::testing::Test
{
protected:
    void TearDown() override { lang::installTranslations(modGenericLanguages::kEnglishColumn); }
};

struct Message
{
    QString context, source, translation;
    bool finished = true;
};

QVector<Message> readTs(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QVector<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            messages.append({context, {}, {}, true});
        } else if (xml.name() == QLatin1String("source")) {
            messages.back().source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            messages.back().finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            messages.back().translation = xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

QString translationsFolder()
{
    return QStringLiteral(TESSALINE_SOURCE_DIR "/resources/translations");
}

QStringList placeholders(const QString& text)
{
    static const QRegularExpression placeholder(QStringLiteral("%[1-9](?!\\d)"));   // "%100" is text
    QStringList found;
    for (auto it = placeholder.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    return found;
}

// The contexts of the standard buttons and of the print, page setup and file dialogs.
const QStringList kDialogContexts{
    QStringLiteral("QPlatformTheme"),
    QStringLiteral("QPrintDialog"),
    QStringLiteral("QPrintWidget"),
    QStringLiteral("QPrintSettingsOutput"),
    QStringLiteral("QPrintPropertiesWidget"),
    QStringLiteral("QPrintPropertiesDialog"),
    QStringLiteral("QPageSetupWidget"),
    QStringLiteral("QPageSize"),
    QStringLiteral("QCupsJobWidget"),
    QStringLiteral("QCupsPrinterSupport"),
    QStringLiteral("QFileDialog"),
    QStringLiteral("QFileSystemModel"),
    QStringLiteral("QAbstractFileIconProvider"),
    QStringLiteral("QLineEdit"),
};

}

TEST_F(QtTranslations, EveryColumnShowsThePivotTextsAndTheStandardButtonsInItsLanguage)
{
    const struct
    {
        int column;
        const char* grandTotal;
        const char* rows;
        const char* cancel;
        const char* yes;
    } rows[] = {
        {1, "Celkový součet", "Řádky", "Zrušit", "Ano"},     {2, "Hovedtotal", "Rækker", "Annuller", "Ja"},
        {3, "Eindtotaal", "Rijen", "Annuleren", "Ja"},       {4, "Grand Total", "Rows", "Cancel", "Yes"},
        {5, "Kokonaissumma", "Rivit", "Peru", "Kyllä"},      {6, "Total général", "Lignes", "Annuler", "Oui"},
        {7, "Gesamtergebnis", "Zeilen", "Abbrechen", "Ja"},  {8, "Γενικό σύνολο", "Γραμμές", "Άκυρο", "Ναι"},
        {9, "Totale complessivo", "Righe", "Annulla", "Sì"}, {10, "Totalsum", "Rader", "Avbryt", "Ja"},
        {11, "Total geral", "Linhas", "Cancelar", "Sim"},    {12, "Skupna vsota", "Vrstice", "Prekliči", "Da"},
        {13, "Total general", "Filas", "Cancelar", "Sí"},    {14, "Totalsumma", "Rader", "Avbryt", "Ja"},
        {15, "Genel Toplam", "Satırlar", "İptal", "Evet"},   {16, "Общий итог", "Строки", "Отмена", "Да"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.column);
        lang::installTranslations(qint16(row.column));
        EXPECT_EQ(tr("pivot", "Grand Total"), QString::fromUtf8(row.grandTotal));
        EXPECT_EQ(tr("pivot", "Rows"), QString::fromUtf8(row.rows));
        EXPECT_EQ(buttonText(QDialogButtonBox::Cancel), QString::fromUtf8(row.cancel));
        EXPECT_EQ(buttonText(QDialogButtonBox::Yes), QString::fromUtf8(row.yes));
    }
}

TEST_F(QtTranslations, ALaterChoiceReplacesTheEarlierOne)
{
    lang::installTranslations(7);
    lang::installTranslations(6);
    EXPECT_EQ(tr("pivot", "Columns"), QStringLiteral("Colonnes"));
    lang::installTranslations(modGenericLanguages::kEnglishColumn);
    EXPECT_EQ(tr("pivot", "Columns"), QStringLiteral("Columns"));
    EXPECT_EQ(buttonText(QDialogButtonBox::Cancel), QStringLiteral("Cancel"));
}

TEST_F(QtTranslations, TheLayoutTestShowsTheLongestTranslationOfEachText)
{
    QString longest;
    for (int column = 1; column <= 16; ++column) {
        lang::installTranslations(qint16(column));
        const QString text = tr("pivot", "Drag fields here for columns");
        if (text.size() > longest.size())
            longest = text;
    }
    lang::installTranslations(modGenericLanguages::kLayoutTest);
    EXPECT_EQ(tr("pivot", "Drag fields here for columns"), longest);
    EXPECT_GE(buttonText(QDialogButtonBox::Cancel).size(), QStringLiteral("Annuleren").size());
}

TEST(QtTranslationFiles, EveryColumnTranslatesEveryTextWithItsPlaceholders)
{
    const QVector<Message> english = readTs(translationsFolder() + QStringLiteral("/tessaline_en.ts"));
    ASSERT_FALSE(english.isEmpty());
    for (int column = 1; column <= 16; ++column) {
        const QString code = lang::languageCode(column);
        SCOPED_TRACE(code.toStdString());
        const QVector<Message> messages = readTs(translationsFolder() + QStringLiteral("/tessaline_%1.ts").arg(code));
        ASSERT_EQ(messages.size(), english.size());
        for (qsizetype i = 0; i < messages.size(); ++i) {
            const Message& m = messages[i];
            SCOPED_TRACE(m.source.toStdString());
            EXPECT_EQ(m.context, english[i].context);
            EXPECT_EQ(m.source, english[i].source);
            EXPECT_TRUE(m.finished);
            EXPECT_FALSE(m.translation.isEmpty());
            EXPECT_EQ(placeholders(m.translation), placeholders(m.source));
        }
    }
}

TEST_F(QtTranslations, TheColumnsQtLeavesOutShowThePrintAndFileDialogsInTheirLanguage)
{
    const struct
    {
        int column;
        const char* print;
        const char* portrait;
        const char* lookIn;
    } rows[] = {
        {8, "&Εκτύπωση", "Κατακόρυφος", "Αναζήτηση σε:"}, {10, "&Skriv ut", "Stående", "Søk i:"},
        {11, "&Imprimir", "Vertical", "Procurar em:"},    {12, "&Natisni", "Pokončno", "Išči v:"},
        {14, "&Skriv ut", "Stående", "Leta i:"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.column);
        lang::installTranslations(qint16(row.column));
        EXPECT_EQ(tr("QPrintDialog", "&Print"), QString::fromUtf8(row.print));
        EXPECT_EQ(tr("QPageSetupWidget", "Portrait"), QString::fromUtf8(row.portrait));
        // The dialog itself, built after the choice, carries the texts.
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        const auto* lookIn = dialog.findChild<QLabel*>(QStringLiteral("lookInLabel"));
        ASSERT_NE(lookIn, nullptr);
        EXPECT_EQ(lookIn->text(), QString::fromUtf8(row.lookIn));
    }
}

// Qt's own German catalogue holds every text of the dialogs that Qt translates; the columns
// that Qt leaves out must hold them all too, or those texts show in English.
TEST(QtTranslationFiles, TheColumnsQtLeavesOutTranslateEveryTextOfTheDialogs)
{
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    const QString qtCatalogue = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm");
    const QString qtTexts = work.filePath(QStringLiteral("qtbase_de.ts"));
    ASSERT_EQ(QProcess::execute(QStringLiteral(TESSALINE_LCONVERT),
                                {QStringLiteral("-i"), qtCatalogue, QStringLiteral("-o"), qtTexts}),
              0);
    QVector<Message> expected;
    for (const Message& m : readTs(qtTexts))
        if (kDialogContexts.contains(m.context))
            expected.append(m);
    for (const QString& context : kDialogContexts)
        EXPECT_TRUE(std::any_of(expected.cbegin(), expected.cend(), [&](const Message& m) {
            return m.context == context;
        })) << context.toStdString();

    for (int column = 1; column <= 16; ++column) {
        if (!lang::usesOwnQtTexts(column))
            continue;
        const QString code = lang::languageCode(column);
        SCOPED_TRACE(code.toStdString());
        QHash<QPair<QString, QString>, Message> own;
        for (const Message& m : readTs(translationsFolder() + QStringLiteral("/qtdialogs_%1.ts").arg(code)))
            own.insert({m.context, m.source}, m);
        for (const Message& qt : expected) {
            SCOPED_TRACE((qt.context + QLatin1Char(' ') + qt.source).toStdString());
            const auto found = own.constFind({qt.context, qt.source});
            if (found == own.cend()) {
                ADD_FAILURE() << "no translation";
                continue;
            }
            EXPECT_TRUE(found->finished);
            EXPECT_FALSE(found->translation.isEmpty());
            EXPECT_EQ(placeholders(found->translation), placeholders(qt.source));
            // An access key in the English text is one in every language.
            EXPECT_EQ(found->translation.count(QLatin1Char('&')), qt.source.count(QLatin1Char('&')));
        }
    }
}
