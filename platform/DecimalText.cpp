#include "platform/DecimalText.h"

#include <clocale>
#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace platform {

namespace {

// Replaces the locale's decimal point in text written by printf with ".".
std::string WithDecimalPoint(std::string text)
{
    const std::string_view point = std::localeconv()->decimal_point;
    if (point.empty() || point == ".")
        return text;
    const auto at = text.find(point);
    if (at == std::string::npos)
        return text;
    std::string written(text, 0, at);
    written += '.';
    written.append(text, at + point.size());
    return written;
}

std::string Printed(double value, char conversion, int precision)
{
    const char format[] = {'%', '.', '*', conversion, '\0'};
    char text[400];
    std::snprintf(text, sizeof text, format, precision, value);
    return text;
}

// The %e text one unit of its last digit up (step 1) or down (step -1) in
// magnitude, with the same number of digits; empty where that changes the
// number of digits or crosses zero.
std::string Neighbour(const std::string& text, int step)
{
    const std::size_t e = text.find('e');
    const std::size_t first = text.front() == '-' ? 1 : 0;
    std::string digits;
    for (std::size_t i = first; i < e; ++i) {
        if (text[i] >= '0' && text[i] <= '9')
            digits += text[i];
    }
    long exponent = std::strtol(text.c_str() + e + 1, nullptr, 10);
    std::uint64_t mantissa = std::stoull(digits);
    std::uint64_t lowest = 1;
    for (std::size_t i = 1; i < digits.size(); ++i)
        lowest *= 10;
    mantissa = step > 0 ? mantissa + 1 : mantissa - 1;
    if (mantissa == 10 * lowest) {
        mantissa = lowest;
        ++exponent;
    } else if (mantissa < lowest) {
        if (mantissa == 0 || digits.size() == 1)
            return {};
        mantissa = 10 * lowest - 1;
        --exponent;
    }
    const std::string newDigits = std::to_string(mantissa);
    std::string neighbour(text, 0, first);
    neighbour += newDigits.front();
    if (newDigits.size() > 1) {
        neighbour += std::localeconv()->decimal_point;
        neighbour.append(newDigits, 1);
    }
    char exponentText[16];
    std::snprintf(exponentText, sizeof exponentText, "e%+03ld", exponent);
    neighbour += exponentText;
    return neighbour;
}

} // namespace

std::string FormatDecimal(double value, char conversion, int precision)
{
    return WithDecimalPoint(Printed(value, conversion, precision));
}

std::string ShortestScientific(double value)
{
    // printf rounds correctly, so its text of a precision is the decimal of
    // that many digits nearest the value. When that one does not read back
    // (in the same locale) as the value, the one a unit of its last digit
    // away on the value's other side may, where the doubles on that side lie
    // farther apart (just above a power of two). The first precision with a
    // text that reads back has the fewest digits; 17 digits always do.
    for (int precision = 0; precision < 16; ++precision) {
        const std::string nearest = Printed(value, 'e', precision);
        if (std::strtod(nearest.c_str(), nullptr) == value)
            return WithDecimalPoint(nearest);
        for (const int step : {-1, 1}) {
            const std::string neighbour = Neighbour(nearest, step);
            if (!neighbour.empty() && std::strtod(neighbour.c_str(), nullptr) == value)
                return WithDecimalPoint(neighbour);
        }
    }
    return FormatDecimal(value, 'e', 16);
}

std::string ShortestFixed(double value)
{
    const std::string scientific = ShortestScientific(value);
    const std::size_t e = scientific.find('e');
    const bool negative = scientific.front() == '-';
    std::string digits;
    for (const char c : std::string_view(scientific).substr(negative ? 1 : 0, e - (negative ? 1 : 0))) {
        if (c != '.')
            digits += c;
    }
    // The digits stand for d.ddd x 10^exponent: the point goes exponent + 1
    // places after the first digit.
    const long point = std::strtol(scientific.c_str() + e + 1, nullptr, 10) + 1;
    std::string text;
    if (negative)
        text += '-';
    if (point <= 0) {
        text.append("0.");
        text.append(static_cast<std::size_t>(-point), '0');
        text.append(digits);
    } else if (static_cast<std::size_t>(point) >= digits.size()) {
        text.append(digits);
        text.append(static_cast<std::size_t>(point) - digits.size(), '0');
    } else {
        const auto whole = static_cast<std::size_t>(point);
        text.append(digits, 0, whole);
        text += '.';
        text.append(digits, whole);
    }
    return text;
}

} // namespace platform
