#include "chart/ChartConst.h"

namespace ChartConst {

QString DefaultFontName()
{
    return QStringLiteral("Arial");
}

int DefaultFontSize()
{
    return QStringLiteral("8").toInt();
}

} // namespace ChartConst
