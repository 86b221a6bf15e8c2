#pragma once

#include <string>

// Doubles written as decimal text with "." as the decimal point, whatever the
// C library's numeric locale is (a desktop with a Czech locale has ","), and
// with the C library alone, so that every platform writes the same text.
namespace platform {

// The value as printf's %.<precision>f ('f') or %.<precision>e ('e') writes
// it: correctly rounded, the exponent with a sign and at least two digits.
std::string FormatDecimal(double value, char conversion, int precision);

// The fewest significant digits that read back as the value (a finite
// double), in printf's %e form ("1.25e-07", "5e+00").
std::string ShortestScientific(double value);

// The same digits without an exponent: "0.000125", "1250000", "-2.5". Meant
// for magnitudes below 10^15; above, the digits past the shortest are zeros.
std::string ShortestFixed(double value);

} // namespace platform
