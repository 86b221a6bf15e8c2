#include "app/RunState.h"

SeriesSlotsFull::SeriesSlotsFull()
    : KyvadloError("The chart already holds " + std::to_string(SeriesSlotCount)
                   + " runs, as many as it can keep; click Clear before starting another run")
{
}
