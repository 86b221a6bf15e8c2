#pragma once

#include "cli/RunSummary.h"

#include <string>
#include <vector>

namespace cli {

// The summaries as a text table, one row per run, columns aligned:
//
//   run  a [m]  J [kg.m2]  phi0 [deg]  points  amplitude [deg]  T measured [s]
//   T small-angle [s]  T exact [s]  T deviation [%]  E deviation [%]
//
// Inputs in their shortest round-trip form, measured and theoretical values
// to 6 significant digits, deviations in percent to 3, trailing zeros kept.
// A figure that is not available reads "n/a [k]", and note k below the table
// gives the reason.
std::string FormatSummaryTable(const std::vector<RunSummary>& runs);

} // namespace cli
