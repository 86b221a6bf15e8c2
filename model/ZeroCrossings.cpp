#include "model/ZeroCrossings.h"

namespace model {

void ZeroCrossings::Add(double time, double angle)
{
    if (havePrevious_) {
        Direction direction = Direction::None;
        if (previousAngle_ < 0.0 && angle >= 0.0)
            direction = Direction::Rising;
        else if (previousAngle_ > 0.0 && angle <= 0.0)
            direction = Direction::Falling;
        if (direction != Direction::None && (counted_ == Direction::None || direction == counted_)) {
            counted_ = direction;
            using Extended = long double;
            const Extended fraction = -Extended{previousAngle_} / (Extended{angle} - previousAngle_);
            const double crossing = static_cast<double>(previousTime_ + (Extended{time} - previousTime_) * fraction);
            if (count_ == 0)
                first_ = crossing;
            last_ = crossing;
            ++count_;
        }
    }
    havePrevious_ = true;
    previousTime_ = time;
    previousAngle_ = angle;
}

Measure ZeroCrossings::Period() const
{
    if (count_ < 2) {
        return Measure::NotAvailable("fewer than two crossings of zero in the same direction ("
                                     + std::to_string(count_) + " found)");
    }
    return Measure::Of((last_ - first_) / static_cast<double>(count_ - 1));
}

} // namespace model
