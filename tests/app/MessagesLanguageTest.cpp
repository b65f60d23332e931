#include "app/connections/CubesTestFixture.h"

#include "app/connections/serverdialog/frmAnalysisServices.h"
#include "app/reports/ReportRecord.h"
#include "app/savereport/SaveReportRules.h"
#include "controls/unitext/UniTextFiles.h"
#include "lang/QtTranslations.h"
#include "lang/modGenericLanguages.h"
#include "olap/ConnectionString.h"
#include "olap/CubeDefinition.h"
#include "olap/SqliteDatabase.h"
#include "platform/VbError.h"

#include <QComboBox>
#include <QLineEdit>
#include <gtest/gtest.h>

// The program's own messages, those the phrase table does not hold, follow the language
// chosen for the phrase table: German and Greek here, and English again afterwards.

namespace {

constexpr qint16 kGerman = 7;
constexpr qint16 kGreek = 8;

// A catalog whose one cube names its fact table and nothing else.
QVector<olap::SqlRow> cubeWithoutHierarchies(const QString& sql, const QStringList&)
{
    if (sql.contains(QLatin1String("FROM olap_cube")))
        return {{QStringLiteral("Sales"), QString(), QStringLiteral("sales_fact")}};
    return {};
}

template<typename Work>
QString refusalOf(const Work& work)
{
    try {
        work();
    } catch (const platform::VbError& error) {
        return error.description();
    }
    return QString();
}

class MessagesLanguage : public CubeRun
{
protected:
    void TearDown() override { lang::installTranslations(modGenericLanguages::kEnglishColumn); }

    // The message the server dialog shows when OK is pressed before a database is chosen.
    QString serverDialogRefusal()
    {
        run.fakes.messageBox.shown.clear();
        connections::serverdialog::frmAnalysisServices dialog;
        dialog.txtServer()->setText(QStringLiteral("cubes.example"));
        dialog.cmdOK_Click();
        return run.fakes.messageBox.shown.isEmpty() ? QString() : run.fakes.messageBox.shown.front().text;
    }
};

}

TEST_F(MessagesLanguage, RefusalsOfTheSaveDialogTheCubesAndTheServerDialogFollowTheChosenLanguage)
{
    const QString missingCube = dataPath + QStringLiteral("/none.cub");
    const struct
    {
        qint16 column;
        const char* noName;
        const char* separator;
        const char* cubeFile;
        const char* serverDialog;
        const char* connectionString;
        const char* cubeMetadata;
    } rows[] = {
        {kGerman, "Ein Bericht braucht einen Namen.",
         "Name: „***“ kann nicht in einem Bericht gespeichert werden. Bitte schreiben Sie es anders.",
         "Die Würfeldatei „%1“ ist nicht vorhanden.",
         "Bitte lassen Sie die Datenbanken des Servers cubes.example auflisten und wählen Sie eine aus.",
         "Die Verbindungszeichenfolge ist ungültig: \"Provider\" hat keinen Wert",
         "Die Metadaten des Würfels sind ungültig: der Würfel „Sales“ hat keine Hierarchien"},
        {kGreek, "Μια αναφορά χρειάζεται όνομα.",
         "Name: Το «***» δεν μπορεί να αποθηκευτεί σε αναφορά. Γράψτε το με άλλον τρόπο.",
         "Το αρχείο κύβου «%1» δεν υπάρχει.",
         "Εμφανίστε τις βάσεις δεδομένων του διακομιστή cubes.example και επιλέξτε μία.",
         "Η συμβολοσειρά σύνδεσης δεν είναι έγκυρη: το \"Provider\" δεν έχει τιμή",
         "Τα μεταδεδομένα του κύβου δεν είναι έγκυρα: ο κύβος «Sales» δεν έχει ιεραρχίες"},
        {modGenericLanguages::kEnglishColumn, "A report needs a name.",
         "Name: \"***\" cannot be stored in a report. Please write it another way.",
         "The cube file \"%1\" does not exist.",
         "Please list the databases of the server cubes.example and choose one.",
         "The connection string is not valid: \"Provider\" has no value",
         "The cube metadata is not valid: cube \"Sales\" has no hierarchies"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.column);
        lang::installTranslations(row.column);
        EXPECT_EQ(reports::reportrecord::unsafeReportNameReason(QString()), QString::fromUtf8(row.noName));
        EXPECT_EQ(savereport::separatorRefusal(QStringLiteral("Name"), QStringLiteral("a***b")),
                  QString::fromUtf8(row.separator));
        EXPECT_EQ(refusalOf([&] { olap::SqliteDatabase database(missingCube); }),
                  QString::fromUtf8(row.cubeFile).arg(missingCube));
        EXPECT_EQ(refusalOf([] { olap::ConnectionString::parse(QStringLiteral("Provider")); }),
                  QString::fromUtf8(row.connectionString));
        EXPECT_EQ(serverDialogRefusal(), QString::fromUtf8(row.serverDialog));
        EXPECT_EQ(
            refusalOf([] { olap::readCubeDefinition(cubeWithoutHierarchies, QString(), QStringLiteral("Sales")); }),
            QString::fromUtf8(row.cubeMetadata));
    }
}

TEST_F(MessagesLanguage, AFileNameThatLooksLikeAPlaceholderStaysAsTyped)
{
    lang::installTranslations(kGerman);
    const QString odd = dataPath + QStringLiteral("/%2 %1.txt");
    QFile(odd).open(QIODevice::WriteOnly);
    const platform::Result<void> saved = unitext::saveTextFile(odd, u"text", unitext::kUtf8, false, 1252);
    EXPECT_FALSE(saved);
    EXPECT_EQ(saved.failure().text(), odd + QStringLiteral(": Die Datei ist bereits vorhanden"));
}
