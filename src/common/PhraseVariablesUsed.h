#pragma once

#include <QString>

// The phrase variables the common services and start-up read.
namespace modMultiLingual {

extern QString LNGERRINAPP;
extern QString LNGERRTHISERROR;
extern QString LNGERRSYSTEMERROR;
extern QString LNGSUBROUTINE;
extern QString LNGERRLINE;
extern QString LNGERRSENDREPORT;
extern QString LNGO2KNEEDED;

extern QString LNGREPORTS;
extern QString LNGSAVEREPORT;
extern QString LNGREMOVEREPORT;
extern QString LNGHELP;
extern QString LNGTOOLS;
extern QString LNGBOTH;
extern QString LNGPIVOT;
extern QString LNGGRAPH;
extern QString LNGSAVEPICTURE;
extern QString LNGPRINT;

}
