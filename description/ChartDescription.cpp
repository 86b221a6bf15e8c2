#include "description/ChartDescription.h"

#include <array>
#include <cstdio>

namespace description {

namespace {

void AppendAxis(std::string& text, const AxisView& axis, const NumberStyle& style)
{
    // Axis values are told as precisely as the axis labels show them.
    constexpr int decimals = 3;
    text += "„";
    text += axis.title;
    text += "“ od ";
    text += Decimal(axis.minimum, decimals, style);
    text += " do ";
    text += Decimal(axis.maximum, decimals, style);
}

void AppendInputs(std::string& text, const std::optional<model::RunInputs>& inputs, const NumberStyle& style)
{
    if (!inputs) {
        text += "vstupní hodnoty se nepodařilo načíst";
        return;
    }
    text += "a = ";
    text += Shortest(inputs->length, style);
    text += NoBreakSpace;
    text += "m, J = ";
    text += Shortest(inputs->inertia, style);
    text += NoBreakSpace;
    text += "kg·m², φ0 = ";
    text += Shortest(inputs->angle, style);
    text += "°";
}

void AppendPoints(std::string& text, const RunView& run)
{
    if (run.running)
        text += "běží, zatím ";
    if (run.points == 0) {
        text += "žádný bod";
        return;
    }
    text += Whole(run.points);
    text += ' ';
    text += CountForm(run.points, "bod", "body", "bodů");
}

void AppendFigures(std::string& text, const RunView& run, const NumberStyle& style)
{
    if (run.points == 0)
        return;
    if (run.amplitude.value) {
        text += ", amplituda ";
        text += Decimal(*run.amplitude.value, 2, style);
        text += "°";
    }
    if (run.period.value) {
        text += ", naměřená perioda ";
        text += Decimal(*run.period.value, 3, style);
        text += NoBreakSpace;
        text += "s";
    } else {
        text += ", perioda nezměřena: kyvadlo neprošlo rovnovážnou polohou dvakrát stejným směrem";
    }
}

void AppendRun(std::string& text, std::size_t index, const RunView& run, const NumberStyle& style)
{
    text += ' ';
    text += std::to_string(index + 1);
    text += ". běh, ";
    text += LineName(run.colour);
    text += ": ";
    AppendInputs(text, run.inputs, style);
    text += "; ";
    AppendPoints(text, run);
    AppendFigures(text, run, style);
    text += '.';
}

} // namespace

std::string DescribeChart(const ChartView& chart, const NumberStyle& style)
{
    std::string text = "Vodorovná osa ";
    AppendAxis(text, chart.horizontal, style);
    text += ", svislá osa ";
    AppendAxis(text, chart.vertical, style);
    text += '.';
    const auto count = static_cast<std::int64_t>(chart.runs.size());
    if (count == 0) {
        text += " Graf zatím neukazuje žádný běh.";
        return text;
    }
    text += " Graf ukazuje ";
    text += Whole(count);
    text += ' ';
    text += CountForm(count, "běh", "běhy", "běhů");
    text += '.';
    for (std::size_t i = 0; i < chart.runs.size(); ++i)
        AppendRun(text, i, chart.runs[i], style);
    return text;
}

std::string LineName(std::uint32_t colour)
{
    switch (colour) {
    case 0x0000FF:
        return "červená čára";
    case 0x008000:
        return "zelená čára";
    case 0xFF0000:
        return "modrá čára";
    case 0x000000:
        return "černá čára";
    default: {
        // $00BBGGRR written the usual way round, as #RRGGBB.
        std::array<char, 8> hex{};
        std::snprintf(hex.data(), hex.size(), "#%02X%02X%02X", colour & 0xFFu, (colour >> 8) & 0xFFu,
                      (colour >> 16) & 0xFFu);
        std::string name = "čára barvy ";
        name += hex.data();
        return name;
    }
    }
}

} // namespace description
