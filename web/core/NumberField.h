#pragma once

#include <string>

namespace web {

// The number in a field's UTF-8 text, read by the desktop's conversion with
// the given decimal separator. Throws what that conversion throws: the
// conversion error with the text as typed, or the overflow of a double.
double ReadNumber(const std::string& text, char16_t decimalSeparator);

} // namespace web
