#include "lang/AnsiCodePage.h"

#include "lang/modGenericLanguages.h"
#include "platform/SystemLocale.h"

namespace lang {

int ansiCodePageOfColumn(int column)
{
    switch (column) {
    case 1:    // Czech
    case 12:   // Slovenian
        return 1250;
    case 8:   // Greek
        return 1253;
    case 15:   // Turkish
        return 1254;
    case 16:   // Russian
        return 1251;
    default:   // the Western European columns
        return 1252;
    }
}

int GetACP()
{
    // The phrase table's Russian column is chosen by no locale, yet a Russian system's
    // files are still in its code page.
    constexpr int kRussianLcid = 1049;
    constexpr int kRussianColumn = 16;
    const int lcid = platform::GetSystemDefaultLCID();
    return ansiCodePageOfColumn(lcid == kRussianLcid ? kRussianColumn : modGenericLanguages::columnOfLcid(lcid));
}

}
