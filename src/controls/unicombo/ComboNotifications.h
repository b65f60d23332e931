#pragma once

#include <QObject>
#include <QString>

namespace unicombo {

// What the combo box window tells the control window about itself: WM_COMMAND with a
// CBN_* code in the high word of wParam, the combo's id in the low word and the combo box
// window as lParamWindow; WM_NOTIFY with a record that starts with NMHDR.
namespace cbn {

constexpr int CBN_SELCHANGE = 1;
constexpr int CBN_DBLCLK = 2;
constexpr int CBN_SETFOCUS = 3;
constexpr int CBN_KILLFOCUS = 4;
constexpr int CBN_EDITCHANGE = 5;
constexpr int CBN_EDITUPDATE = 6;
constexpr int CBN_DROPDOWN = 7;
constexpr int CBN_CLOSEUP = 8;

constexpr int CBEN_BEGINEDIT = -804;
constexpr int CBEN_ENDEDITA = -805;
constexpr int CBEN_ENDEDITW = -806;

// Why editing ended.
constexpr int CBENF_KILLFOCUS = 1;
constexpr int CBENF_RETURN = 2;
constexpr int CBENF_ESCAPE = 3;
constexpr int CBENF_DROPDOWN = 4;

struct NMHDR
{
    QObject* hwndFrom = nullptr;
    int idFrom = 0;
    int code = 0;
};

// The edited text comes whole: no buffer of a fixed size stands between it and the event.
struct NMCBEENDEDITW
{
    NMHDR hdr;
    bool fChanged = false;
    int iNewSelection = -1;
    QString szText;
    int iWhy = 0;
};

}

}
