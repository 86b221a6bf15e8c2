#include "ReferenceRuns.h"

#include "model/RunPass.h"
#include "platform/SoftExtended.h"

#include <exception>

namespace model_testing {

const std::vector<model::RunInputs>& ReferenceInputs()
{
    // length [m], inertia [kg m^2], angle [degrees]
    static const std::vector<model::RunInputs> inputs{
        {0.8, 0.05, 10.0},  {0.8, 0.05, 0.5},  {0.8, 0.05, 45.0}, {0.8, 0.05, 90.0},
        {0.8, 0.05, 170.0}, {0.8, 0.05, 179.9}, {0.8, 0.05, 180.0}, {1e-6, 0.05, 10.0},
        {1e6, 0.05, 10.0},  {0.8, 1e-6, 10.0}, {0.8, 1e6, 10.0},  {0.8, -0.05, 10.0},
    };
    return inputs;
}

std::string RunReference(const model::RunInputs& inputs, const std::function<void(const PassValues&)>& pass)
{
    model::PendulumState pendulum = model::StartedPendulum(inputs.length, inputs.angle, inputs.inertia);
    try {
        pendulum.AdvanceStep();
        for (int passes = 0; passes < referencePasses; ++passes) {
            const model::RunSample sample = model::AdvancePass(pendulum);
            pass({pendulum.Fi, pendulum.Omega, sample.Degrees});
        }
    } catch (const std::exception& fault) {
        return fault.what();
    }
    return {};
}

std::vector<std::uint64_t> BlockDigests(const model::RunInputs& inputs)
{
    std::vector<std::uint64_t> digests;
    int passes = 0;
    std::uint64_t digest = 0;
    const auto add = [&digest](double value) {
        auto bits = platform::DoubleBits(value);
        for (int byte = 0; byte < 8; ++byte, bits >>= 8)
            digest = (digest ^ (bits & 0xFF)) * 0x100000001B3u;
    };
    RunReference(inputs, [&](const PassValues& values) {
        if (passes++ % passesPerBlock == 0)
            digest = 0xCBF29CE484222325u;
        add(values.Fi);
        add(values.Omega);
        add(values.Degrees);
        if (passes % passesPerBlock == 0)
            digests.push_back(digest);
    });
    if (passes % passesPerBlock != 0)
        digests.push_back(digest);
    return digests;
}

} // namespace model_testing
