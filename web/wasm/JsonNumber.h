#pragma once

#include <string>

namespace web {

// Appends the number with digits enough to give the same double back.
void AppendJsonNumber(std::string& out, double value);

} // namespace web
