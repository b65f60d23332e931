// The phrase table: any bytes in its place are read in every column, or refused through
// the error call, without harm.

#include "FuzzSupport.h"

#include "lang/LanguageServices.h"
#include "lang/modGenericLanguages.h"
#include "platform/VbError.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::startQt();
    lang::services() = lang::LanguageServices{
        [](const QString&) {},
        [](const QString&) {},
        [](const QString& description, long number, int, const QString& procName) {
            platform::raiseError(number, description, procName);
        },
        std::nullopt,
    };
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Input input(data, size);
    const uint8_t choice = input.byte();
    const qint16 column = choice % 17 == 16 ? modGenericLanguages::kLayoutTest : qint16(choice % 17);
    const bool convert = choice & 0x80;
    lang::services().phraseTable = input.rest();
    try {
        modGenericLanguages::subReadPhrases(column, convert);
        for (const cPhrase& phrase : modGenericLanguages::colPhrases().phrases())
            FUZZ_CHECK(modGenericLanguages::colPhrases().contains(phrase.LangConstant()), phrase.LangConstant());
    } catch (const platform::VbError&) {
    }
    lang::services().phraseTable.reset();
    return 0;
}
