#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>

// The decimal and thousands separators numbers are written with, each one
// character in UTF-8. The program takes them from the user's locale (the
// platform gives them to the chart); a format string names them as '.' and ','.
struct TNumberSeparators {
    std::string decimal = ".";
    std::string thousands = ",";

    friend bool operator==(const TNumberSeparators&, const TNumberSeparators&) = default;
};

// Writes a value with a number format string.
//
// The format language: '0' is a digit that is always written, '#' a digit
// written only when it is significant, '.' the place of the decimal separator
// (the digit places after it are the decimals), ',' among the integer digit
// places asks for thousands separators, "E+0" / "E-0" (or 'e') a decimal
// exponent with at least as many digits as zeros follow (with "E+" a '+' for
// positive exponents). Text in single or double quotes and every other
// character are written as they stand. Up to three sections separated by ';'
// serve positive values, negative values (written without a sign of their
// own) and values that round to zero.
//
// The value is expanded to 18 significant digits and then rounded at the last
// decimal place of the format, halves away from zero. Trailing zero decimals
// beyond the '0' places are dropped, and the decimal separator with them when
// no decimal is left. A value that rounds to zero carries no sign. Values of
// more than 18 integer digits, infinities, NaN and an empty format are
// written in the general format with 15 significant digits.
std::string FormatNumber(const std::string& format, double value, const TNumberSeparators& separators);

// A number format string read once, for writing many values with it:
// Write gives what FormatNumber gives with the same string. The texts of
// the values written last are kept, so that the same labels, written in
// every paint, are written once.
class TNumberFormat {
public:
    explicit TNumberFormat(const std::string& format = {});

    const std::string& Text() const { return text_; }
    std::string Write(double value, const TNumberSeparators& separators) const;

    friend bool operator==(const TNumberFormat& a, const TNumberFormat& b) { return a.text_ == b.text_; }

private:
    struct Sections;

    std::string Compose(double value, const TNumberSeparators& separators) const;

    std::string text_;
    // Shared by copies; never changed once read.
    std::shared_ptr<const Sections> sections_;
    // Texts written with these separators, by the bits of their value.
    mutable TNumberSeparators writtenWith_;
    mutable std::unordered_map<std::uint64_t, std::string> written_;
};

// The general format: up to `precision` significant digits without trailing
// zeros, in plain notation while the decimal exponent lies between -4 and
// `precision`, else as mantissa and exponent ("1.5E20", "2E-7"). Infinities
// are "INF" and "-INF", NaN is "NAN".
std::string FormatGeneral(double value, int precision, const std::string& decimalSeparator);
