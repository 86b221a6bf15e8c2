#include "cli/RunSummary.h"

#include "model/AngleConversion.h"
#include "model/AngleReduction.h"
#include "model/TheoreticalPeriods.h"

#include <cmath>

namespace cli {

namespace {

// Whether the start angle lies within the rounding of a lowest point: the
// start energy then is rounding, and so is every change of it.
bool StartsAtRest(const RunInputs& inputs)
{
    const double start = model::StartAngleFromDegrees(inputs.angle);
    // The distance from the nearest lowest point, 2 pi n, in radians.
    const double distance = 2.0 * std::sin(start / 2.0);
    return model::LostInRounding(distance, start);
}

Measure Deviation(const Measure& measured, const Measure& exact)
{
    if (!measured.value)
        return Measure::NotAvailable("no measured period");
    if (!exact.value)
        return Measure::NotAvailable("no exact period");
    return Measure::Of((*measured.value - *exact.value) / *exact.value);
}

} // namespace

void SummaryRecorder::BeginRun(int /*run*/, const RunInputs& inputs)
{
    inputs_ = inputs;
    startEnergy_ = StartEnergy(inputs);
    largestEnergyChange_ = 0.0L;
    energyOutOfRange_ = false;
    swing_ = model::SwingRecorder(inputs);
}

void SummaryRecorder::AddSample(const Sample& sample)
{
    if (!std::isfinite(sample.energy))
        energyOutOfRange_ = true;
    const long double change = std::fabs(static_cast<long double>(sample.energy) - startEnergy_);
    largestEnergyChange_ = std::fmax(largestEnergyChange_, change);
    swing_.Add(sample.time, sample.degrees);
}

void SummaryRecorder::EndRun(const RunEnd& end)
{
    RunSummary summary;
    summary.inputs = inputs_;
    summary.points = end.points;
    summary.fault = end.fault;
    summary.startEnergy = startEnergy_;
    summary.smallAnglePeriod = model::SmallAnglePeriod(inputs_);
    summary.exactPeriod = model::ExactPeriod(inputs_);
    summary.crossings = swing_.Crossings();
    summary.amplitude = swing_.Amplitude();
    summary.measuredPeriod = swing_.Period();
    if (end.points == 0)
        summary.energyDeviation = Measure::NotAvailable("no points recorded");
    else if (!std::isfinite(startEnergy_) || energyOutOfRange_)
        summary.energyDeviation = Measure::NotAvailable("an energy does not fit a double");
    else if (startEnergy_ == 0.0)
        summary.energyDeviation = Measure::NotAvailable("the start energy is 0");
    else if (StartsAtRest(inputs_))
        summary.energyDeviation = Measure::NotAvailable("the start energy is 0 to rounding: the body starts at rest");
    else
        summary.energyDeviation = Measure::Of(static_cast<double>(largestEnergyChange_ / std::fabs(startEnergy_)));
    summary.periodDeviation = Deviation(summary.measuredPeriod, summary.exactPeriod);
    runs_.push_back(std::move(summary));
}

} // namespace cli
