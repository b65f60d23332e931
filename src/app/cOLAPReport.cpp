#include "app/cOLAPReport.h"

QString cOLAPReport::Key() const
{
    return CubeName + QLatin1Char('-') + ViewName;
}
