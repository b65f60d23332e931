#include "app/modReportTree.h"

namespace modReportTree {

void subFillReportTree() {}
void subSetDefaultSel() {}
void subHandleRemoveClick(QWidget*) {}

}
