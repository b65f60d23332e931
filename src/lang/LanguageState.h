#pragma once

#include "lang/PhraseCollection.h"

#include <QString>

// Every phrase key of the phrase table, in the table's order. X(KEY) is expanded once per key.
#define MODMULTILINGUAL_PHRASE_KEYS(X) \
    X(LNGADVANCED) \
    X(LNGALL) \
    X(LNGANALYSISSERVICES) \
    X(LNGANALYZE) \
    X(LNGANYFILE) \
    X(LNGBOLD) \
    X(LNGBOTH) \
    X(LNGCANCEL) \
    X(LNGCHECKPERM) \
    X(LNGCHOOSECONNECTION) \
    X(LNGCHOOSEFILE) \
    X(LNGCONNECTIONFAILED) \
    X(LNGCONNECTIONSUCCEEDED) \
    X(LNGCOPY) \
    X(LNGCREATECUBE) \
    X(LNGCREATENEWACCESSDATABASE) \
    X(LNGCREATESQLDATABASE) \
    X(LNGCUBENAME) \
    X(LNGCUBEPATH) \
    X(LNGCUT) \
    X(LNGDATABASE) \
    X(LNGDATABASES) \
    X(LNGDAY) \
    X(LNGDESCRIPTION) \
    X(LNGEDIT) \
    X(LNGENABLETICKETSTATUSDIALOG) \
    X(LNGENDAPP) \
    X(LNGERRCONNECTIONFAILED) \
    X(LNGERRINAPP) \
    X(LNGERRLINE) \
    X(LNGERROREXECUTE) \
    X(LNGERRSENDREPORT) \
    X(LNGERRSYSTEMERROR) \
    X(LNGERRTHISERROR) \
    X(LNGFAILEDSAVEREPORT) \
    X(LNGFAILEDTOGETREPORT) \
    X(LNGFILENAME) \
    X(LNGGETDATABASES) \
    X(LNGGRAPH) \
    X(LNGHEIGHT) \
    X(LNGHELP) \
    X(LNGHYPERLINK) \
    X(LNGIMAGESIZE) \
    X(LNGINSERTIMAGE) \
    X(LNGINSTALLNOW) \
    X(LNGINTEGRATEDSECURITY) \
    X(LNGITALIC) \
    X(LNGJUSTIFYCENTER) \
    X(LNGJUSTIFYLEFT) \
    X(LNGJUSTIFYRIGHT) \
    X(LNGLOGFILESFOUND) \
    X(LNGLOGFILESPATH) \
    X(LNGMONTH) \
    X(LNGNAME) \
    X(LNGNAMEFORREPORT) \
    X(LNGNAMEWILLREPLACEEXISTINGREPORT) \
    X(LNGNEW) \
    X(LNGNORRITHCLIENTTOOLS) \
    X(LNGNOWEBCOMPONENTS) \
    X(LNGO2KNEEDED) \
    X(LNGOK) \
    X(LNGOLAPCUBESAVED) \
    X(LNGOQYFILESAVED) \
    X(LNGPASSWORD) \
    X(LNGPASTE) \
    X(LNGPICKFOLDER) \
    X(LNGPIVOT) \
    X(LNGPRINT) \
    X(LNGQUARTER) \
    X(LNGREDO) \
    X(LNGREMOVE) \
    X(LNGREMOVEREPORT) \
    X(LNGREPORT) \
    X(LNGREPORTCATEGORY) \
    X(LNGREPORTNAME) \
    X(LNGREPORTS) \
    X(LNGREPORTTYPE) \
    X(LNGRESTARTOUTLOOK) \
    X(LNGSAVE) \
    X(LNGSAVEPICTURE) \
    X(LNGSAVEREPORT) \
    X(LNGSELECTDATABASECONNECTION) \
    X(LNGSELECTEXISTINGSQLDB) \
    X(LNGSELECTOQYFILE) \
    X(LNGSERVER) \
    X(LNGSETTINGS) \
    X(LNGSETTINGSTT) \
    X(LNGSTATISTICS) \
    X(LNGSUBROUTINE) \
    X(LNGTEST) \
    X(LNGTOOLS) \
    X(LNGUNABLETOFINDCUBFILE) \
    X(LNGUNDERLINE) \
    X(LNGUNDO) \
    X(LNGUSEHTMLORPLAINTEXT) \
    X(LNGUSERNAME) \
    X(LNGWEEK) \
    X(LNGWIDTH) \
    X(LNGYEAR)

namespace lang {

// What the language layer keeps for a run: the phrases read last, and their texts by key as
// the procedures name them (modMultiLingual::LNGREPORTS, ...), in one value so that a fresh
// run is one assignment (LanguageState{}).
struct LanguageState
{
    PhraseCollection phrases;   // modGenericLanguages::colPhrases()
#define LANGUAGESTATE_MEMBER(key) QString key;
    MODMULTILINGUAL_PHRASE_KEYS(LANGUAGESTATE_MEMBER)
#undef LANGUAGESTATE_MEMBER
};

extern LanguageState languageState;

// No phrases read: every text empty, as at the program's start.
void startFreshRun();

}
