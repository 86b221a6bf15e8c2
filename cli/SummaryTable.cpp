#include "cli/SummaryTable.h"

#include "cli/NumberText.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace cli {

namespace {

constexpr std::size_t ColumnCount = 11;
using Row = std::array<std::string, ColumnCount>;

const Row header = {"run", "a [m]", "J [kg.m2]", "phi0 [deg]", "points", "amplitude [deg]", "T measured [s]",
                    "T small-angle [s]", "T exact [s]", "T deviation [%]", "E deviation [%]"};

std::string Significant(double value, int digits)
{
    std::array<char, 48> text{};
    // "#": trailing zeros stay, so every figure shows its digits (0.591960).
    std::snprintf(text.data(), text.size(), "%#.*g", digits, value);
    return text.data();
}

// "[k]", the mark of note k.
std::string NoteMark(std::size_t k)
{
    std::string mark(1, '[');
    mark += std::to_string(k);
    mark += ']';
    return mark;
}

// The reasons met so far; a reason keeps the number it was first given.
class Notes {
public:
    std::string Cell(const Measure& measure, double scale, int digits)
    {
        if (measure.value)
            return Significant(*measure.value * scale, digits);
        auto found = std::find(reasons_.begin(), reasons_.end(), measure.reason);
        if (found == reasons_.end())
            found = reasons_.insert(reasons_.end(), measure.reason);
        return "n/a " + NoteMark(static_cast<std::size_t>(found - reasons_.begin()) + 1);
    }

    std::string Text() const
    {
        std::string text;
        for (std::size_t i = 0; i < reasons_.size(); ++i) {
            text += NoteMark(i + 1);
            text += ' ';
            text += reasons_[i];
            text += '\n';
        }
        return text;
    }

private:
    std::vector<std::string> reasons_;
};

} // namespace

std::string FormatSummaryTable(const std::vector<RunSummary>& runs)
{
    Notes notes;
    std::vector<Row> rows{header};
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const RunSummary& run = runs[i];
        rows.push_back({std::to_string(i + 1), ShortestText(run.inputs.length), ShortestText(run.inputs.inertia),
                        ShortestText(run.inputs.angle), std::to_string(run.points), notes.Cell(run.amplitude, 1.0, 6),
                        notes.Cell(run.measuredPeriod, 1.0, 6), notes.Cell(run.smallAnglePeriod, 1.0, 6),
                        notes.Cell(run.exactPeriod, 1.0, 6), notes.Cell(run.periodDeviation, 100.0, 3),
                        notes.Cell(run.energyDeviation, 100.0, 3)});
    }
    std::array<std::size_t, ColumnCount> widths{};
    for (const Row& row : rows) {
        for (std::size_t c = 0; c < ColumnCount; ++c)
            widths[c] = std::max(widths[c], row[c].size());
    }
    std::string table;
    for (const Row& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < ColumnCount; ++c) {
            if (c > 0)
                line += "  ";
            line.append(widths[c] - row[c].size(), ' ');
            line += row[c];
        }
        table += line + "\n";
    }
    return table + notes.Text();
}

} // namespace cli
