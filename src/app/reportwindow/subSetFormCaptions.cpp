#include "app/reportwindow/subSetFormCaptions.h"

#include "app/reportwindow/ReportWindowView.h"
#include "app/state/modGlobals.h"
#include "common/ErrorBoundary.h"
#include "lang/modMultiLingual.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

namespace modMain {

using namespace reportwindow;

void subSetFormCaptions(ReportWindowView& frm)
{
    common::handled(QStringLiteral("modMain.subSetFormCaptions"), common::Message::Description, [&] {
        using namespace modMultiLingual;
        present(frm.lblReports(), "lblReports").setText(LNGREPORTS);
        present(frm.cmdAddReport(), "cmdAddReport").setText(LNGSAVEREPORT);
        present(frm.cmdRemoveReport(), "cmdRemoveReport").setText(LNGREMOVEREPORT);
        present(frm.mnuHelp(), "mnuHelp").setTitle(LNGHELP);
        present(frm.mnuTools(), "mnuTools").setTitle(LNGTOOLS);
        present(frm.optBoth(), "optBoth").setText(LNGBOTH);
        present(frm.optPivot(), "optPivot").setText(LNGPIVOT);
        present(frm.optGraph(), "optGraph").setText(LNGGRAPH);
        present(frm.mnuSavePicture(), "mnuSavePicture").setText(LNGSAVEPICTURE + QStringLiteral(" ..."));
        present(frm.mnuPrint(), "mnuPrint").setText(LNGPRINT + QStringLiteral(" ..."));
        frm.form()->setWindowTitle(modGlobals::gstrAppTitle);
    });
}

}
