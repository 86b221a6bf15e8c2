#include "cli/Simulation.h"

#include "model/RunPass.h"
#include "platform/Exceptions.h"

#include <cmath>

namespace cli {

void ObserverList::BeginRun(int run, const RunInputs& inputs)
{
    for (RunObserver* observer : observers_)
        observer->BeginRun(run, inputs);
}

void ObserverList::AddSample(const Sample& sample)
{
    for (RunObserver* observer : observers_)
        observer->AddSample(sample);
}

void ObserverList::EndRun(const RunEnd& end)
{
    for (RunObserver* observer : observers_)
        observer->EndRun(end);
}

double MechanicalEnergy(const model::PendulumState& pendulum)
{
    using Extended = long double;
    const Extended omega = pendulum.Omega;
    const Extended kinetic = 0.5L * pendulum.Inertia * omega * omega;
    // The library's double sine: a few times faster than the processor's
    // extended one and within a unit of the last place of a double, which is
    // as close as the energy is written.
    const Extended halfSine = std::sin(pendulum.Fi / 2.0);
    const Extended potential = Extended{pendulum.Mass} * pendulum.Gravity * pendulum.Length * 2.0L * halfSine * halfSine;
    return static_cast<double>(kinetic + potential);
}

double StartEnergy(const RunInputs& inputs)
{
    return MechanicalEnergy(model::StartedPendulum(inputs.length, inputs.angle, inputs.inertia));
}

RunEnd SimulateRun(const RunInputs& inputs, std::int64_t points, RunObserver& observer)
{
    model::PendulumState pendulum = model::StartedPendulum(inputs.length, inputs.angle, inputs.inertia);
    RunEnd end;
    try {
        // The step before the first frame records nothing.
        pendulum.AdvanceStep();
    } catch (const KyvadloError& fault) {
        end.time = pendulum.Time;
        end.fault = fault.Message();
        return end;
    }
    for (; end.points < points; ++end.points) {
        model::RunSample recorded;
        try {
            recorded = model::AdvancePass(pendulum);
        } catch (const KyvadloError& fault) {
            end.fault = fault.Message();
            break;
        }
        observer.AddSample({recorded.Time, recorded.Degrees, pendulum.Omega, MechanicalEnergy(pendulum)});
    }
    end.time = pendulum.Time;
    return end;
}

} // namespace cli
