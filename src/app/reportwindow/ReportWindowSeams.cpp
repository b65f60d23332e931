#include "app/reportwindow/ReportWindowSeams.h"

namespace reportwindow {

Seams& seams()
{
    static Seams installed;
    return installed;
}

}
