#include "platform/NumberConversion.h"

#include "platform/Exceptions.h"
#include "platform/ExtendedRange.h"
#include "platform/FloatingPoint.h"

#include <QLocale>

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

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

class Reader {
public:
    explicit Reader(const QString& text) : text_(text) {}

    bool atEnd() const { return position_ == text_.size(); }
    bool peekIs(char16_t c) const { return !atEnd() && text_.at(position_) == c; }
    bool peekIsDigit() const { return !atEnd() && IsDigit(text_.at(position_)); }
    QChar take() { return text_.at(position_++); }

    bool skip(char16_t c)
    {
        if (!peekIs(c))
            return false;
        ++position_;
        return true;
    }

    void skipSpaces()
    {
        while (skip(u' ')) {
        }
    }

private:
    const QString& text_;
    qsizetype position_ = 0;
};

// Reads an optional "+" or "-"; true for "-".
bool ReadSign(Reader& reader)
{
    if (reader.skip(u'-'))
        return true;
    reader.skip(u'+');
    return false;
}

// The exponent after "e" or "E" (without the letter); 0 when no digit follows.
long long ReadExponent(Reader& reader)
{
    const bool negative = ReadSign(reader);
    int exponent = 0;
    while (exponent < exponentReadLimit && reader.peekIsDigit())
        exponent = exponent * 10 + (reader.take().unicode() - u'0');
    return negative ? -exponent : exponent;
}

std::optional<DecimalNumber> ReadDecimal(const QString& text, QChar separator)
{
    Reader reader(text);
    DecimalNumber number;
    reader.skipSpaces();
    number.negative = ReadSign(reader);

    bool mantissaRead = false;
    long long fractionDigits = 0;
    const auto readDigits = [&](bool inFraction) {
        while (reader.peekIsDigit()) {
            const char digit = static_cast<char>(reader.take().unicode());
            mantissaRead = true;
            if (inFraction)
                ++fractionDigits;
            if (digit != '0' || !number.digits.empty())
                number.digits.push_back(digit);
        }
    };
    readDigits(false);
    if (reader.skip(separator.unicode())) {
        mantissaRead = true;
        readDigits(true);
    }
    if (!mantissaRead)
        return std::nullopt;

    long long exponent = 0;
    if (reader.skip(u'e') || reader.skip(u'E'))
        exponent = ReadExponent(reader);
    reader.skipSpaces();
    if (!reader.atEnd())
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

QChar DecimalSeparatorOf(const QLocale& locale)
{
    const QString separator = locale.decimalPoint();
    return separator.size() == 1 ? separator.front() : QChar(u'.');
}

double TextToDouble(const QString& text, QChar decimalSeparator)
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
