#pragma once

#include <string>

namespace cli {

// The shortest decimal form that reads back as the same double, "." as the
// separator ("0.8", "1e-07").
std::string ShortestText(double value);

} // namespace cli
