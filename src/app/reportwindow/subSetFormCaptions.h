#pragma once

namespace reportwindow {
class ReportWindowView;
}

// The report window's procedures of the start-up module.
namespace modMain {

// Puts the phrase captions on a report window's controls and the title on the window.
void subSetFormCaptions(reportwindow::ReportWindowView& frm);

}
