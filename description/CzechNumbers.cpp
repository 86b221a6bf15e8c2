#include "description/CzechNumbers.h"

#include "platform/DecimalText.h"

#include <cmath>
#include <cstdlib>

namespace description {

namespace {

constexpr std::string_view MinusSign = "\u2212";
// From here on the digits of a double say nothing more; a mantissa and an
// exponent read better.
constexpr double LargestPlain = 1e15;
constexpr double SmallestPlainShortest = 1e-4;

// Groups the digits by three from the right once there are five or more.
std::string GroupDigits(std::string_view digits)
{
    if (digits.size() < 5)
        return std::string(digits);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += NoBreakSpace;
        grouped += digits[i];
    }
    return grouped;
}

// Writes a number that the C library wrote ("-12345.600", "1.50e+20") in the
// style: trailing zero decimals dropped, the sign, groups, separator and
// exponent as the style has them.
std::string Restyle(std::string_view plain, const NumberStyle& style)
{
    const bool negative = !plain.empty() && plain.front() == '-';
    if (negative)
        plain.remove_prefix(1);
    std::string_view exponent;
    if (const auto e = plain.find_first_of("eE"); e != std::string_view::npos) {
        exponent = plain.substr(e + 1);
        plain = plain.substr(0, e);
    }
    std::string_view whole = plain;
    std::string_view fraction;
    if (const auto dot = plain.find('.'); dot != std::string_view::npos) {
        whole = plain.substr(0, dot);
        fraction = plain.substr(dot + 1);
    }
    while (!fraction.empty() && fraction.back() == '0')
        fraction.remove_suffix(1);

    const bool zero = whole.find_first_not_of('0') == std::string_view::npos && fraction.empty();
    std::string text;
    if (negative && !zero)
        text += MinusSign;
    text += GroupDigits(whole);
    if (!fraction.empty()) {
        text += style.decimalSeparator;
        text += fraction;
    }
    if (!exponent.empty() && !zero) {
        const int power = std::atoi(std::string(exponent).c_str());
        text += 'E';
        if (power < 0)
            text += MinusSign;
        text += std::to_string(std::abs(power));
    }
    return text;
}

} // namespace

std::string Decimal(double value, int decimals, const NumberStyle& style)
{
    if (std::fabs(value) >= LargestPlain)
        return Restyle(platform::FormatDecimal(value, 'e', 5), style);
    return Restyle(platform::FormatDecimal(value, 'f', decimals), style);
}

std::string Shortest(double value, const NumberStyle& style)
{
    const double size = std::fabs(value);
    const bool plainForm = size == 0.0 || (size >= SmallestPlainShortest && size < LargestPlain);
    return Restyle(plainForm ? platform::ShortestFixed(value) : platform::ShortestScientific(value), style);
}

std::string Whole(std::int64_t value)
{
    return GroupDigits(std::to_string(value));
}

std::string_view CountForm(std::int64_t count, std::string_view one, std::string_view few, std::string_view many)
{
    if (count == 1)
        return one;
    if (count >= 2 && count <= 4)
        return few;
    return many;
}

} // namespace description
