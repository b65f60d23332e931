#include "lang/QtTranslations.h"

#include "lang/modGenericLanguages.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>
#include <vector>

namespace lang {

namespace {

constexpr int kColumns = 16;

using Translators = std::vector<std::unique_ptr<QTranslator>>;

// For the layout test: each text in the longest of its translations over every column.
class LongestTranslator : public QTranslator
{
public:
    explicit LongestTranslator(Translators columns) : m_columns(std::move(columns)) {}

    QString translate(const char* context, const char* sourceText, const char* disambiguation, int n) const override
    {
        QString longest;
        for (const auto& column : m_columns) {
            const QString text = column->translate(context, sourceText, disambiguation, n);
            if (text.size() > longest.size())
                longest = text;
        }
        return longest;
    }

    bool isEmpty() const override { return m_columns.empty(); }

private:
    Translators m_columns;
};

Translators& installed()
{
    static Translators translators;
    return translators;
}

void loadInto(Translators& into, const QString& fileName, const QString& directory)
{
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(fileName, directory))
        into.push_back(std::move(translator));
}

Translators translatorsOf(int column)
{
    Translators translators;
    const QString code = languageCode(column);
    if (code.isEmpty() || column == modGenericLanguages::kEnglishColumn)
        return translators;
    const QString own = QStringLiteral(":/i18n");
    loadInto(translators, QStringLiteral("tessaline_") + code, own);
    if (usesOwnQtTexts(column))
        loadInto(translators, QStringLiteral("qtdialogs_") + code, own);
    else
        loadInto(translators, QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return translators;
}

}

QString languageCode(int column)
{
    static const char* const codes[kColumns] = {"cs", "da", "nl", "en", "fi", "fr", "de", "el",
                                                "it", "no", "pt", "sl", "es", "sv", "tr", "ru"};
    if (column < 1 || column > kColumns)
        return QString();
    return QLatin1String(codes[column - 1]);
}

bool usesOwnQtTexts(int column)
{
    // Qt brings no Greek, Norwegian Bokmål, Slovenian or Swedish, and only Brazilian Portuguese.
    static const QStringList own{QStringLiteral("el"), QStringLiteral("no"), QStringLiteral("pt"), QStringLiteral("sl"),
                                 QStringLiteral("sv")};
    return own.contains(languageCode(column));
}

void installTranslations(qint16 language)
{
    auto* app = QCoreApplication::instance();
    for (const auto& translator : installed())
        QCoreApplication::removeTranslator(translator.get());
    installed().clear();
    if (!app)
        return;

    Translators chosen;
    if (language == modGenericLanguages::kLayoutTest) {
        Translators all;
        for (int column = 1; column <= kColumns; ++column)
            for (auto& translator : translatorsOf(column))
                all.push_back(std::move(translator));
        chosen.push_back(std::make_unique<LongestTranslator>(std::move(all)));
    } else {
        chosen = translatorsOf(language);
    }
    for (auto& translator : chosen) {
        QCoreApplication::installTranslator(translator.get());
        installed().push_back(std::move(translator));
    }
}

}
