#pragma once

#include <string>

namespace description {

// The accessible name of the panel with the equations.
inline constexpr const char* EquationsName = "Rovnice";

// The five equations of one integration step, as the panel's picture shows
// them, in text.
std::string DescribeEquations();

} // namespace description
