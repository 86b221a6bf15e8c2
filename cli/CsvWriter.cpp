#include "cli/CsvWriter.h"

namespace cli {

void CsvWriter::BeginDocument()
{
    out_.Append("run,t_s,phi_deg,omega_rad_s,E_J\n");
}

void CsvWriter::BeginRun(int run, const RunInputs& /*inputs*/)
{
    run_ = run + 1;
}

void CsvWriter::AddSample(const Sample& sample)
{
    out_.AppendInteger(run_);
    out_.Append(',');
    out_.AppendNumber(sample.time);
    out_.Append(',');
    out_.AppendNumber(sample.degrees);
    out_.Append(',');
    out_.AppendNumber(sample.omega);
    out_.Append(',');
    out_.AppendNumber(sample.energy);
    out_.Append('\n');
}

} // namespace cli
