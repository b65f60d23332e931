#include "lang/modMultiLingual.h"

#include "lang/LanguageServices.h"
#include "lang/QtTranslations.h"
#include "lang/modGenericLanguages.h"
#include "platform/VbError.h"

namespace modMultiLingual {

namespace {

struct PhraseVariable
{
    QString key;
    QString* variable;
};

const QList<PhraseVariable>& phraseVariables()
{
#define MODMULTILINGUAL_ENTRY(key) PhraseVariable{QStringLiteral(#key), &key},
    static const QList<PhraseVariable> variables{MODMULTILINGUAL_PHRASE_KEYS(MODMULTILINGUAL_ENTRY)};
#undef MODMULTILINGUAL_ENTRY
    return variables;
}

}

void LoadLanguages(qint16 language)
{
    modGenericLanguages::subReadPhrases(language, false);
    lang::services().logStep(QStringLiteral("Reading phrases from collection into variables"));
    try {
        for (const PhraseVariable& entry : phraseVariables())
            *entry.variable = modGenericLanguages::colPhrases().item(entry.key).LangPhrase();
    } catch (const platform::VbError& error) {
        lang::reportError(error.description(), error.number(), 0, QStringLiteral("LoadLanguages"));
    }
    lang::installTranslations(language);
}

const QStringList& phraseKeys()
{
    static const QStringList keys = [] {
        QStringList list;
        for (const PhraseVariable& entry : phraseVariables())
            list << entry.key;
        return list;
    }();
    return keys;
}

}
