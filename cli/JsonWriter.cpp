#include "cli/JsonWriter.h"

#include "cli/RunSummary.h"
#include "platform/ErrorText.h"

#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace cli {

JsonWriter::JsonWriter(OutputBuffer& out, const SummaryRecorder* summary)
    : out_(out)
    , summary_(summary)
{
}

void JsonWriter::BeginDocument()
{
    out_.Append("{\"columns\":[\"t_s\",\"phi_deg\",\"omega_rad_s\",\"E_J\"],\n\"runs\":[");
}

void JsonWriter::EndDocument()
{
    out_.Append("\n]}\n");
}

void JsonWriter::BeginRun(int run, const RunInputs& inputs)
{
    if (run > 0)
        out_.Append(',');
    out_.Append("\n{\"run\":");
    out_.AppendInteger(run + 1);
    out_.Append(",\"inputs\":{\"length_m\":");
    WriteNumber(inputs.length);
    out_.Append(",\"inertia_kg_m2\":");
    WriteNumber(inputs.inertia);
    out_.Append(",\"angle_deg\":");
    WriteNumber(inputs.angle);
    out_.Append("},\n\"samples\":[");
    firstSample_ = true;
}

void JsonWriter::AddSample(const Sample& sample)
{
    out_.Append(firstSample_ ? "\n[" : ",\n[");
    firstSample_ = false;
    WriteNumber(sample.time);
    out_.Append(',');
    WriteNumber(sample.degrees);
    out_.Append(',');
    WriteNumber(sample.omega);
    out_.Append(',');
    WriteNumber(sample.energy);
    out_.Append(']');
}

void JsonWriter::EndRun(const RunEnd& end)
{
    out_.Append("],\n\"points\":");
    out_.AppendInteger(end.points);
    if (summary_ != nullptr)
        WriteSummary();
    if (end.fault) {
        out_.Append(",\n\"error\":");
        WriteString(platform::ErrorBoxText(*end.fault));
    }
    out_.Append('}');
}

void JsonWriter::WriteSummary()
{
    const RunSummary& summary = summary_->Runs().back();
    const std::pair<std::string_view, const Measure*> measures[] = {
        {"amplitude_deg", &summary.amplitude},
        {"measured_period_s", &summary.measuredPeriod},
        {"small_angle_period_s", &summary.smallAnglePeriod},
        {"exact_period_s", &summary.exactPeriod},
        {"period_deviation", &summary.periodDeviation},
        {"energy_deviation", &summary.energyDeviation},
    };
    out_.Append(",\n\"summary\":{\"points\":");
    out_.AppendInteger(summary.points);
    out_.Append(",\"crossings\":");
    out_.AppendInteger(summary.crossings);
    out_.Append(",\"start_energy_J\":");
    WriteNumber(summary.startEnergy);
    std::vector<std::pair<std::string_view, const std::string*>> reasons;
    for (const auto& [key, measure] : measures) {
        out_.Append(',');
        WriteKey(key);
        if (measure->value) {
            WriteNumber(*measure->value);
        } else {
            out_.Append("null");
            reasons.emplace_back(key, &measure->reason);
        }
    }
    if (!reasons.empty()) {
        out_.Append(",\"not_available\":{");
        for (std::size_t i = 0; i < reasons.size(); ++i) {
            if (i > 0)
                out_.Append(',');
            WriteKey(reasons[i].first);
            WriteString(*reasons[i].second);
        }
        out_.Append('}');
    }
    out_.Append('}');
}

void JsonWriter::WriteKey(std::string_view key)
{
    WriteString(key);
    out_.Append(':');
}

void JsonWriter::WriteNumber(double value)
{
    if (std::isfinite(value))
        out_.AppendNumber(value);
    else
        out_.Append("null");
}

// Quotes, backslashes and control characters are escaped; everything else,
// UTF-8 included, stands as it is.
void JsonWriter::WriteString(std::string_view utf8)
{
    static constexpr char hexDigits[] = "0123456789abcdef";
    out_.Append('"');
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out_.Append('\\');
            out_.Append(c);
        } else if (byte < 0x20) {
            out_.Append("\\u00");
            out_.Append(hexDigits[byte >> 4]);
            out_.Append(hexDigits[byte & 0xF]);
        } else {
            out_.Append(c);
        }
    }
    out_.Append('"');
}

} // namespace cli
