// Prints the reference runs, so that builds on other processors or with the
// software extended type can be compared with this one:
//   model_samples samples   one line per pass: run, pass, Fi, Omega, degrees
//   model_samples digests   the digest table that ReferenceRunsTest checks
#include "ReferenceRuns.h"

#include <cinttypes>
#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    const auto& inputs = model_testing::ReferenceInputs();
    if (mode == "samples") {
        for (std::size_t run = 0; run < inputs.size(); ++run) {
            int pass = 0;
            const std::string fault = model_testing::RunReference(inputs[run], [&](const model_testing::PassValues& v) {
                std::printf("%zu %d %a %a %a\n", run, pass++, v.Fi, v.Omega, v.Degrees);
            });
            if (!fault.empty())
                std::printf("%zu %d fault %s\n", run, pass, fault.c_str());
        }
        return 0;
    }
    if (mode == "digests") {
        for (const auto& run : inputs) {
            std::printf("    {");
            for (const std::uint64_t digest : model_testing::BlockDigests(run))
                std::printf("0x%016" PRIX64 ", ", digest);
            std::printf("},\n");
        }
        return 0;
    }
    std::fprintf(stderr, "usage: model_samples samples|digests\n");
    return 2;
}
