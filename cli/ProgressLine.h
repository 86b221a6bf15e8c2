#pragma once

#include "cli/Simulation.h"

#include <cstdint>
#include <cstdio>
#include <functional>

namespace cli {

// One line on a terminal that tells how far long runs have come: the points
// done, the per cent, the rate and the time left. It shows once the work has
// taken a second, is redrawn a few times a second and is erased by Erase or
// when it goes, so that nothing of it stays between the lines of messages.
class ProgressLine final : public RunObserver {
public:
    // Seconds from any fixed moment.
    using Clock = std::function<double()>;

    // totalPoints: the points of all runs. The line goes to terminal.
    ProgressLine(std::FILE* terminal, std::int64_t totalPoints, Clock clock = SteadySeconds);
    ~ProgressLine() override;
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    void BeginRun(int /*run*/, const RunInputs& /*inputs*/) override {}
    void AddSample(const Sample& /*sample*/) override
    {
        if (++done_ == nextLook_)
            Look();
    }
    void EndRun(const RunEnd& /*end*/) override {}

    void Erase();

    static double SteadySeconds();

private:
    // Points between two looks at the clock: a few milliseconds of work.
    static constexpr std::int64_t PointsPerLook = 4096;

    void Look();

    std::FILE* terminal_;
    std::int64_t totalPoints_;
    Clock clock_;
    double start_;
    double lastDrawn_ = 0.0;
    bool shown_ = false;
    std::int64_t done_ = 0;
    std::int64_t nextLook_ = PointsPerLook;
};

} // namespace cli
