#include "description/ChartDescription.h"

#include <gtest/gtest.h>

using namespace description;

namespace {

const NumberStyle comma{","};
const model::Measure none = model::Measure::NotAvailable("none");

} // namespace

TEST(ChartDescription, TellsTheAxesAndEveryRunWithItsColourInputsPointsAmplitudeAndPeriod)
{
    ChartView chart{{"t [s]", 0.0, 3.5}, {"fi [°]", -15.0, 15.0}, {}};
    EXPECT_EQ(DescribeChart(chart, comma),
              "Vodorovná osa „t [s]“ od 0 do 3,5, svislá osa „fi [°]“ od \u221215 do 15. Graf zatím neukazuje žádný běh.");
    chart.runs.push_back({0x0000FF, model::RunInputs{0.8, 0.05, 10.0}, 351, model::Measure::Of(9.5251),
                          model::Measure::Of(0.50704), false});
    chart.runs.push_back({0x008000, model::RunInputs{0.5, 0.05, 12.0}, 0, none, none, true});
    EXPECT_EQ(DescribeChart(chart, comma),
              "Vodorovná osa „t [s]“ od 0 do 3,5, svislá osa „fi [°]“ od \u221215 do 15. Graf ukazuje 2 běhy."
              " 1. běh, červená čára: a = 0,8\u00A0m, J = 0,05\u00A0kg·m², φ0 = 10°; 351 bodů, amplituda 9,53°,"
              " naměřená perioda 0,507\u00A0s."
              " 2. běh, zelená čára: a = 0,5\u00A0m, J = 0,05\u00A0kg·m², φ0 = 12°; běží, zatím žádný bod.");
}

TEST(ChartDescription, SaysWhatARunLacks)
{
    // A start that failed on its fields, a body that has not passed its rest
    // position twice the same way, a colour other than the runs' own.
    const ChartView chart{{"t [s]", 0.0, 3.0},
                          {"fi [°]", -15.0, 15.0},
                          {{0xFF0000, std::nullopt, 0, none, none, false},
                           {0x000000, model::RunInputs{1.0, 0.1, 30.0}, 4, model::Measure::Of(30.0), none, false},
                           {0x123456, model::RunInputs{1.0, 0.1, 30.0}, 1, model::Measure::Of(30.0), none, false}}};
    const std::string text = DescribeChart(chart, comma);
    EXPECT_NE(text.find("Graf ukazuje 3 běhy. 1. běh, modrá čára: vstupní hodnoty se nepodařilo načíst; žádný bod."
                        " 2. běh, černá čára: a = 1\u00A0m, J = 0,1\u00A0kg·m², φ0 = 30°; 4 body, amplituda 30°,"
                        " perioda nezměřena: kyvadlo neprošlo rovnovážnou polohou dvakrát stejným směrem."
                        " 3. běh, čára barvy #563412: "),
              std::string::npos)
        << text;
}
