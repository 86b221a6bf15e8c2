#include "cli/ProgressLine.h"

#include <array>
#include <chrono>
#include <cmath>
#include <utility>

namespace cli {

namespace {

// The line shows once the work has taken this long [s] ...
constexpr double ShowAfter = 1.0;
// ... and is redrawn at most this often [s].
constexpr double RedrawAfter = 0.25;

} // namespace

ProgressLine::ProgressLine(std::FILE* terminal, std::int64_t totalPoints, Clock clock)
    : terminal_(terminal)
    , totalPoints_(totalPoints)
    , clock_(std::move(clock))
    , start_(clock_())
{
}

ProgressLine::~ProgressLine()
{
    Erase();
}

double ProgressLine::SteadySeconds()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

void ProgressLine::Look()
{
    nextLook_ = done_ + PointsPerLook;
    const double now = clock_();
    const double elapsed = now - start_;
    if (elapsed < ShowAfter || (shown_ && now - lastDrawn_ < RedrawAfter))
        return;
    const double rate = static_cast<double>(done_) / elapsed;
    const double left = static_cast<double>(totalPoints_ - done_) / rate;
    std::array<char, 32> rateText{};
    if (rate >= 1e6)
        std::snprintf(rateText.data(), rateText.size(), "%.1f million", rate / 1e6);
    else
        std::snprintf(rateText.data(), rateText.size(), "%.0f", rate);
    std::fprintf(terminal_, "\rkyvadlo-run: %lld of %lld points (%lld %%), %s points/s, %.0f s left\033[K",
                 static_cast<long long>(done_), static_cast<long long>(totalPoints_),
                 static_cast<long long>(done_ * 100 / totalPoints_), rateText.data(), std::ceil(left));
    std::fflush(terminal_);
    shown_ = true;
    lastDrawn_ = now;
}

void ProgressLine::Erase()
{
    if (!shown_)
        return;
    // Back to the start of the line, and everything to its end cleared.
    std::fputs("\r\033[K", terminal_);
    std::fflush(terminal_);
    shown_ = false;
}

} // namespace cli
