#include "platform/SystemLocale.h"

#include <QHash>
#include <QRegularExpression>
#include <QtGlobal>

namespace platform {

namespace {

constexpr int kEnglishUnitedStates = 1033;

const QHash<QString, int>& identifiers()
{
    static const QHash<QString, int> table{
        {QStringLiteral("cs_CZ"), 1029},  {QStringLiteral("da_DK"), 1030},  {QStringLiteral("nl_NL"), 1043},
        {QStringLiteral("nl_BE"), 2067},  {QStringLiteral("fi_FI"), 1035},  {QStringLiteral("fr_FR"), 1036},
        {QStringLiteral("fr_BE"), 2060},  {QStringLiteral("fr_CA"), 3084},  {QStringLiteral("fr_LU"), 5132},
        {QStringLiteral("fr_CH"), 4108},  {QStringLiteral("de_DE"), 1031},  {QStringLiteral("de_AT"), 3079},
        {QStringLiteral("de_LI"), 5127},  {QStringLiteral("de_LU"), 4103},  {QStringLiteral("de_CH"), 2055},
        {QStringLiteral("el_GR"), 1032},  {QStringLiteral("it_IT"), 1040},  {QStringLiteral("it_CH"), 2064},
        {QStringLiteral("nb_NO"), 1044},  {QStringLiteral("no_NO"), 1044},  {QStringLiteral("nn_NO"), 2068},
        {QStringLiteral("pt_PT"), 2070},  {QStringLiteral("pt_BR"), 1046},  {QStringLiteral("sl_SI"), 1060},
        {QStringLiteral("es_ES"), 3082},  {QStringLiteral("es_AR"), 11274}, {QStringLiteral("es_BO"), 16394},
        {QStringLiteral("es_CL"), 13322}, {QStringLiteral("es_CO"), 9226},  {QStringLiteral("es_CR"), 5130},
        {QStringLiteral("es_DO"), 7178},  {QStringLiteral("es_EC"), 12298}, {QStringLiteral("es_GT"), 4106},
        {QStringLiteral("es_HN"), 18442}, {QStringLiteral("es_MX"), 2058},  {QStringLiteral("es_NI"), 19466},
        {QStringLiteral("es_PA"), 6154},  {QStringLiteral("es_PE"), 10250}, {QStringLiteral("es_PR"), 20490},
        {QStringLiteral("es_PY"), 15370}, {QStringLiteral("es_SV"), 17418}, {QStringLiteral("es_UY"), 14346},
        {QStringLiteral("es_VE"), 8202},  {QStringLiteral("es_US"), 21514}, {QStringLiteral("sv_SE"), 1053},
        {QStringLiteral("sv_FI"), 2077},  {QStringLiteral("tr_TR"), 1055},  {QStringLiteral("ru_RU"), 1049},
        {QStringLiteral("en_US"), 1033},  {QStringLiteral("en_GB"), 2057},
    };
    return table;
}

}

int lcidOfLocaleName(const QString& localeName)
{
    QString name = localeName;
    const qsizetype cut = name.indexOf(QRegularExpression(QStringLiteral("[.@]")));
    if (cut >= 0)
        name.truncate(cut);
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    return identifiers().value(name, kEnglishUnitedStates);
}

int GetSystemDefaultLCID()
{
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return lcidOfLocaleName(value);
    }
    return kEnglishUnitedStates;
}

}
