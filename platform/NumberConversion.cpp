#include "platform/NumberConversion.h"

#include "platform/Exceptions.h"
#include "platform/ExtendedRange.h"
#include "platform/FloatingPoint.h"

#include <cstdlib>
#include <optional>
#include <string>

namespace platform {

namespace {

// Exponent digits are read only while the exponent stays below this value.
constexpr int exponentReadLimit = 500;

// A decimal number as read from the text: (-1)^negative x digits x 10^exponent,
// with the digits free of leading zeros (empty for the value 0).
struct DecimalNumber {
    bool negative = false;
    std::string digits;
    long long exponent = 0;
};

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Reads a UTF-8 text from its start. Only ASCII characters and the separator
// are ever taken; any other byte stays unread and fails the conversion.
class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    bool AtEnd() const { return position_ == text_.size(); }
    bool PeekIsDigit() const { return !AtEnd() && IsDigit(text_[position_]); }
    char Take() { return text_[position_++]; }

    // Takes the characters when the text goes on with them.
    bool Skip(std::string_view characters)
    {
        if (characters.empty() || text_.substr(position_, characters.size()) != characters)
            return false;
        position_ += characters.size();
        return true;
    }

    void SkipSpaces()
    {
        while (Skip(" ")) {
        }
    }

private:
    std::string_view text_;
    std::size_t position_ = 0;
};

// Reads an optional "+" or "-"; true for "-".
bool ReadSign(Reader& reader)
{
    if (reader.Skip("-"))
        return true;
    reader.Skip("+");
    return false;
}

// The exponent after "e" or "E" (without the letter); 0 when no digit follows.
long long ReadExponent(Reader& reader)
{
    const bool negative = ReadSign(reader);
    int exponent = 0;
    while (exponent < exponentReadLimit && reader.PeekIsDigit())
        exponent = exponent * 10 + (reader.Take() - '0');
    return negative ? -exponent : exponent;
}

std::optional<DecimalNumber> ReadDecimal(std::string_view text, std::string_view separator)
{
    Reader reader(text);
    DecimalNumber number;
    reader.SkipSpaces();
    number.negative = ReadSign(reader);

    bool mantissaRead = false;
    long long fractionDigits = 0;
    const auto readDigits = [&](bool inFraction) {
        while (reader.PeekIsDigit()) {
            const char digit = reader.Take();
            mantissaRead = true;
            if (inFraction)
                ++fractionDigits;
            if (digit != '0' || !number.digits.empty())
                number.digits.push_back(digit);
        }
    };
    readDigits(false);
    if (reader.Skip(separator)) {
        mantissaRead = true;
        readDigits(true);
    }
    if (!mantissaRead)
        return std::nullopt;

    long long exponent = 0;
    if (reader.Skip("e") || reader.Skip("E"))
        exponent = ReadExponent(reader);
    reader.SkipSpaces();
    if (!reader.AtEnd())
        return std::nullopt;

    number.exponent = exponent - fractionDigits;
    return number;
}

// The number written so that the C library reads it without any locale-specific
// separator: sign, digits, "e", exponent.
std::string PlainNotation(const DecimalNumber& number)
{
    std::string plain;
    plain.reserve(number.digits.size() + 24);
    if (number.negative)
        plain.push_back('-');
    plain += number.digits;
    plain.push_back('e');
    plain += std::to_string(number.exponent);
    return plain;
}

} // namespace

double TextToDouble(const std::string& text, std::string_view decimalSeparator)
{
    const std::optional<DecimalNumber> number = ReadDecimal(text, decimalSeparator);
    if (!number || ExceedsExtendedRange(number->digits, number->exponent))
        throw ConversionError(text);
    if (number->digits.empty())
        return number->negative ? -0.0 : 0.0;
    // The C library's conversion is correctly rounded, including denormals.
    return CheckedDouble(std::strtod(PlainNotation(*number).c_str(), nullptr));
}

} // namespace platform
