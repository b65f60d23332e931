#include "common/PhraseVariablesUsed.h"

namespace modMultiLingual {

QString LNGERRINAPP = QStringLiteral("There has been an error in this application.");
QString LNGERRTHISERROR = QStringLiteral("This error has occured:");
QString LNGERRSYSTEMERROR = QStringLiteral("The system error message was:");
QString LNGSUBROUTINE = QStringLiteral("Sub routine");
QString LNGERRLINE = QStringLiteral("Error on line");
QString LNGERRSENDREPORT = QStringLiteral("Would you like to send an e-mail with an error report?");
QString LNGO2KNEEDED = QStringLiteral("You need Outlook 2000 or later to run this application.");

QString LNGREPORTS = QStringLiteral("Reports");
QString LNGSAVEREPORT = QStringLiteral("Save Report");
QString LNGREMOVEREPORT = QStringLiteral("Remove Report");
QString LNGHELP = QStringLiteral("Help");
QString LNGTOOLS = QStringLiteral("Tools");
QString LNGBOTH = QStringLiteral("Both");
QString LNGPIVOT = QStringLiteral("Pivot");
QString LNGGRAPH = QStringLiteral("Graph");
QString LNGSAVEPICTURE = QStringLiteral("Save Picture");
QString LNGPRINT = QStringLiteral("Print");

}
