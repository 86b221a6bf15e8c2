#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Numbers and counts written the way a careful Czech text writes them.
namespace description {

// A no-break space: between digit groups, and between a number and its unit.
inline constexpr std::string_view NoBreakSpace = "\u00A0";

// How numbers are written. The decimal separator is the one of the locale
// the window uses; the rest is Czech typography: the minus sign U+2212,
// digits grouped by three with a no-break space from 10 000 up, and values
// of 10^15 or more (or, for Shortest, below 10^-4) as a mantissa and a
// power of ten, "1,5E20", "2E−7", as the program's fields read them.
struct NumberStyle {
    std::string decimalSeparator = ".";
};

// A finite value rounded to at most `decimals` decimals, without trailing
// zeros; a value that rounds to zero is "0", never "−0".
std::string Decimal(double value, int decimals, const NumberStyle& style);

// The shortest text that reads back as the same double: an input shown the
// way it was typed ("0,8", not "0,800000000000000044").
std::string Shortest(double value, const NumberStyle& style);

// A count (0 or more) with its digits grouped: "351", "10 001".
std::string Whole(std::int64_t value);

// The form of a noun that goes with a count: one for 1, few for 2 to 4,
// many for 0 and 5 or more ("1 bod", "3 body", "5 bodů", "22 bodů").
std::string_view CountForm(std::int64_t count, std::string_view one, std::string_view few, std::string_view many);

} // namespace description
