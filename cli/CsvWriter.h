#pragma once

#include "cli/DataWriter.h"
#include "cli/OutputBuffer.h"

namespace cli {

// One table for all runs: a header row, then one row per sample,
//   run,t_s,phi_deg,omega_rad_s,E_J
// with the run counted from 1 and every double in its shortest round-trip
// form.
class CsvWriter final : public DataWriter {
public:
    explicit CsvWriter(OutputBuffer& out)
        : out_(out)
    {
    }

    void BeginDocument() override;
    void EndDocument() override {}
    void BeginRun(int run, const RunInputs& inputs) override;
    void AddSample(const Sample& sample) override;
    void EndRun(const RunEnd& /*end*/) override {}

private:
    OutputBuffer& out_;
    int run_ = 0;
};

} // namespace cli
