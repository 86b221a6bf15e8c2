#include "cli/RunSummary.h"

#include "cli/TheoreticalPeriods.h"

#include <cmath>

namespace cli {

namespace {

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
    largestAngle_ = 0.0;
    largestEnergyChange_ = 0.0L;
    energyOutOfRange_ = false;
    crossings_ = ZeroCrossings();
}

void SummaryRecorder::AddSample(const Sample& sample)
{
    largestAngle_ = std::fmax(largestAngle_, std::fabs(sample.degrees));
    if (!std::isfinite(sample.energy))
        energyOutOfRange_ = true;
    const long double change = std::fabs(static_cast<long double>(sample.energy) - startEnergy_);
    largestEnergyChange_ = std::fmax(largestEnergyChange_, change);
    crossings_.Add(sample.time, sample.degrees);
}

void SummaryRecorder::EndRun(const RunEnd& end)
{
    RunSummary summary;
    summary.inputs = inputs_;
    summary.points = end.points;
    summary.fault = end.fault;
    summary.startEnergy = startEnergy_;
    summary.smallAnglePeriod = SmallAnglePeriod(inputs_);
    summary.exactPeriod = ExactPeriod(inputs_);
    summary.crossings = crossings_.Count();
    if (end.points == 0) {
        summary.amplitude = Measure::NotAvailable("no points recorded");
        summary.measuredPeriod = Measure::NotAvailable("no points recorded");
        summary.energyDeviation = Measure::NotAvailable("no points recorded");
    } else {
        summary.amplitude = Measure::Of(largestAngle_);
        summary.measuredPeriod = crossings_.Period();
        if (!std::isfinite(startEnergy_) || energyOutOfRange_)
            summary.energyDeviation = Measure::NotAvailable("an energy does not fit a double");
        else if (startEnergy_ == 0.0)
            summary.energyDeviation = Measure::NotAvailable("the start energy is 0");
        else
            summary.energyDeviation = Measure::Of(static_cast<double>(largestEnergyChange_ / std::fabs(startEnergy_)));
    }
    summary.periodDeviation = Deviation(summary.measuredPeriod, summary.exactPeriod);
    runs_.push_back(std::move(summary));
}

} // namespace cli
