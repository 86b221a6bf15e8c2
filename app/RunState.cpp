#include "app/RunState.h"

SeriesSlotsFull::SeriesSlotsFull()
    : KyvadloError(QStringLiteral("The chart already holds %1 runs, as many as it can keep; click "
                                  "Clear before starting another run")
                       .arg(SeriesSlotCount))
{
}
