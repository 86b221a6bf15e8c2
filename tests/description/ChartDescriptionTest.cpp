#include "description/ChartDescription.h"

#include <gtest/gtest.h>

using namespace description;

namespace {

const NumberStyle comma{","};

ChartView StartAxes()
{
    return {{"t [s]", 0.0, 3.0}, {"fi [°]", -15.0, 15.0}, {}};
}

RunView EndedRun(std::uint32_t colour, model::RunInputs inputs, std::int64_t points, double amplitude, double period)
{
    return {colour, inputs, points, model::Measure::Of(amplitude), model::Measure::Of(period), false};
}

} // namespace

TEST(ChartDescription, TellsTheAxesAndThatThereIsNoRunYet)
{
    EXPECT_EQ(DescribeChart({{"t [s]", 0.0, 0.0}, {"fi [°]", 0.0, 0.0}, {}}, comma),
              "Vodorovná osa „t [s]“ od 0 do 0, svislá osa „fi [°]“ od 0 do 0. Graf zatím neukazuje žádný běh.");
}

TEST(ChartDescription, TellsEveryRunWithItsColourInputsPointsAmplitudeAndPeriod)
{
    ChartView chart = StartAxes();
    chart.horizontal.maximum = 3.5;
    chart.runs.push_back(EndedRun(0x0000FF, {0.8, 0.05, 10.0}, 351, 9.5251, 0.50704));
    chart.runs.push_back({0x008000, model::RunInputs{0.5, 0.05, 12.0}, 0, model::Measure::NotAvailable("none"),
                          model::Measure::NotAvailable("none"), true});
    EXPECT_EQ(DescribeChart(chart, comma),
              "Vodorovná osa „t [s]“ od 0 do 3,5, svislá osa „fi [°]“ od \u221215 do 15. Graf ukazuje 2 běhy."
              " 1. běh, červená čára: a = 0,8\u00A0m, J = 0,05\u00A0kg·m², φ0 = 10°; 351 bodů, amplituda 9,53°,"
              " naměřená perioda 0,507\u00A0s."
              " 2. běh, zelená čára: a = 0,5\u00A0m, J = 0,05\u00A0kg·m², φ0 = 12°; běží, zatím žádný bod.");
}

TEST(ChartDescription, SaysWhatARunLacks)
{
    ChartView chart = StartAxes();
    // A start that failed on its fields, a line that has not crossed zero
    // twice the same way, and a colour other than the runs' own.
    chart.runs.push_back({0xFF0000, std::nullopt, 0, model::Measure::NotAvailable("none"),
                          model::Measure::NotAvailable("none"), false});
    chart.runs.push_back({0x000000, model::RunInputs{1.0, 0.1, 1e-7}, 1, model::Measure::Of(1e-7),
                          model::Measure::NotAvailable("one crossing"), false});
    chart.runs.push_back(EndedRun(0x123456, {0.8, 0.05, 10.0}, 4, 1.0, 0.5));
    chart.runs.push_back(EndedRun(0x0000FF, {0.8, 0.05, 10.0}, 2, 1.0, 0.5));
    chart.runs.push_back(EndedRun(0x008000, {0.8, 0.05, 10.0}, 5, 1.0, 0.5));
    const std::string text = DescribeChart(chart, comma);
    EXPECT_NE(text.find("Graf ukazuje 5 běhů. 1. běh, modrá čára: vstupy se nepodařilo načíst; žádný bod."),
              std::string::npos)
        << text;
    EXPECT_NE(text.find(" 2. běh, černá čára: a = 1\u00A0m, J = 0,1\u00A0kg·m², φ0 = 1E\u22127°; 1 bod, amplituda 0°,"
                        " perioda nezměřena: čára neprošla nulou dvakrát stejným směrem."),
              std::string::npos)
        << text;
    EXPECT_NE(text.find(" 3. běh, čára barvy #563412: "), std::string::npos) << text;
    EXPECT_NE(text.find("; 4 body,"), std::string::npos) << text;
    EXPECT_NE(text.find("; 2 body,"), std::string::npos) << text;
    EXPECT_NE(text.find("; 5 bodů,"), std::string::npos) << text;
}
