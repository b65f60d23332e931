#include "app/output/PictureChoice.h"

#include "chart/ChartSpace.h"

namespace output {

std::optional<int> pictureSide(const QString& typed)
{
    const QString digits = typed.trimmed();
    bool whole = !digits.isEmpty();
    for (const QChar c : digits)
        whole = whole && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    if (!whole)
        return std::nullopt;
    bool fits = false;
    const int side = digits.toInt(&fits);
    if (!fits || side < 1 || side > chart::ChartSpace::MaxPictureSide)
        return std::nullopt;
    return side;
}

QString gifFileName(const QString& chosen)
{
    if (chosen.endsWith(QLatin1String(".gif"), Qt::CaseInsensitive))
        return chosen;
    return chosen + QLatin1String(".gif");
}

}
