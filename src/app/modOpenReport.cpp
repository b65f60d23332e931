#include "app/modOpenReport.h"

namespace modOpenReport {

void subHandleNodeClick(QTreeWidgetItem*, QWidget*) {}

}
