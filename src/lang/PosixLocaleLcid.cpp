#include "lang/PosixLocaleLcid.h"

#include <QHash>
#include <QRegularExpression>

namespace lang {

namespace {

constexpr int kEnglishUnitedStates = 1033;

const QHash<QString, int>& knownLocales()
{
    static const QHash<QString, int> table = [] {
        const struct { const char* name; int lcid; } rows[] = {
            {"cs_CZ", 1029}, {"da_DK", 1030}, {"nl_NL", 1043}, {"nl_BE", 2067}, {"fi_FI", 1035},
            {"fr_FR", 1036}, {"fr_BE", 2060}, {"fr_CA", 3084}, {"fr_LU", 5132}, {"fr_CH", 4108},
            {"de_DE", 1031}, {"de_AT", 3079}, {"de_LI", 5127}, {"de_LU", 4103}, {"de_CH", 2055},
            {"el_GR", 1032}, {"it_IT", 1040}, {"it_CH", 2064},
            {"nb_NO", 1044}, {"no_NO", 1044}, {"nn_NO", 2068},
            {"pt_PT", 2070}, {"pt_BR", 1046}, {"sl_SI", 1060},
            {"es_ES", 3082}, {"es_AR", 11274}, {"es_BO", 16394}, {"es_CL", 13322}, {"es_CO", 9226},
            {"es_CR", 5130}, {"es_DO", 7178}, {"es_EC", 12298}, {"es_GT", 4106}, {"es_HN", 18442},
            {"es_MX", 2058}, {"es_NI", 19466}, {"es_PA", 6154}, {"es_PE", 10250}, {"es_PR", 20490},
            {"es_PY", 15370}, {"es_SV", 17418}, {"es_UY", 14346}, {"es_VE", 8202},
            {"sv_SE", 1053}, {"tr_TR", 1055}, {"ru_RU", 1049}, {"en_US", 1033}, {"en_GB", 2057},
        };
        QHash<QString, int> hash;
        for (const auto& row : rows)
            hash.insert(QString::fromLatin1(row.name), row.lcid);
        return hash;
    }();
    return table;
}

}

int lcidOfPosixLocale(const QString& localeName)
{
    // language[_TERRITORY][.codeset][@modifier]
    QString name = localeName;
    const qsizetype cut = name.indexOf(QRegularExpression(QStringLiteral("[.@]")));
    if (cut >= 0)
        name.truncate(cut);
    const qsizetype underscore = name.indexOf(QLatin1Char('_'));
    if (underscore >= 0)
        name = name.left(underscore).toLower() + QLatin1Char('_') + name.mid(underscore + 1).toUpper();
    return knownLocales().value(name, kEnglishUnitedStates);
}

int posixSystemLcid()
{
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return lcidOfPosixLocale(value);
    }
    return kEnglishUnitedStates;
}

}
