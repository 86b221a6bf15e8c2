#pragma once

#include "cli/DataWriter.h"
#include "cli/OutputBuffer.h"

#include <string_view>

namespace cli {

class SummaryRecorder;

// One JSON document for all runs, written as the samples arrive:
//
//   {"columns":["t_s","phi_deg","omega_rad_s","E_J"],
//    "runs":[
//     {"run":1,"inputs":{"length_m":0.8,"inertia_kg_m2":0.05,"angle_deg":10},
//      "samples":[
//       [0,-9.53...,...,...],
//       ...],
//      "points":1001,
//      "summary":{...},            (with a summary recorder)
//      "error":"..."}              (when a model fault ended the run)
//    ]}
//
// Each sample is one array in the order of "columns", so that a run of any
// length streams through a small buffer. Numbers take their shortest
// round-trip form; JSON has no infinities and no NaN, so a value that is not
// finite is written as null.
class JsonWriter final : public DataWriter {
public:
    // summary: where the runs' summaries come from, or null for none. It
    // must see each run's end before this writer does.
    JsonWriter(OutputBuffer& out, const SummaryRecorder* summary);

    void BeginDocument() override;
    void EndDocument() override;
    void BeginRun(int run, const RunInputs& inputs) override;
    void AddSample(const Sample& sample) override;
    void EndRun(const RunEnd& end) override;

private:
    void WriteSummary();
    void WriteKey(std::string_view key);
    void WriteNumber(double value);
    void WriteString(std::string_view utf8);

    OutputBuffer& out_;
    const SummaryRecorder* summary_;
    bool firstSample_ = true;
};

} // namespace cli
