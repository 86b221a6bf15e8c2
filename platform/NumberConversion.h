#pragma once

#include <string>
#include <string_view>

namespace platform {

// Converts the whole text of an edit field (UTF-8) to a double.
//
// Accepted: spaces (code 32 only) around the number; one optional sign; digits
// with at most one decimal separator, at least one of them present (a lone
// separator reads as 0); then optionally "e" or "E", an optional sign and
// exponent digits, which are read only while the exponent stays below 500, so
// that a digit after the one that reached 500 is left over and fails. The
// separator is one character, given as its UTF-8 bytes ("." or ",").
//
// Throws ConversionError ("'<text>' is not a valid floating point value", the
// text as typed) for any other text and for a value beyond the extended range
// (about 1.19e4932). A value within that range but beyond the double range
// throws FloatOverflow; a value too small for a double becomes denormal or 0.
// The result is the correctly rounded double of the decimal number.
double TextToDouble(const std::string& text, std::string_view decimalSeparator);

} // namespace platform
