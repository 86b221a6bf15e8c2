#include "app/RunState.h"

TColor CurveColor(int seriesIndex)
{
    switch (seriesIndex % 4) {
    case 0:
        return clRed;
    case 1:
        return clGreen;
    case 2:
        return clBlue;
    default:
        return clBlack;
    }
}

SeriesSlotsFull::SeriesSlotsFull()
    : KyvadloError(QStringLiteral("The chart already holds %1 runs, as many as it can keep; click "
                                  "Clear before starting another run")
                       .arg(SeriesSlotCount))
{
}
