#pragma once

namespace reportwindow {

class ReportWindowView;

namespace modMain {

// Puts the phrase captions on a report window's controls and the title on the window.
void subSetFormCaptions(ReportWindowView& frm);

}

}
