#include "chart/NumberFormat.h"

#include "platform/DecimalText.h"
#include "platform/DoubleBits.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Significant digits a value is expanded to before a format rounds it, and
// the most integer digits a format writes out in full.
constexpr int expandedDigits = 18;
constexpr int generalDigits = 15;

// A non-negative value as decimal digits: 0.d1 d2 d3 ... × 10^exponent, the
// first digit not 0 and no trailing zeros. Zero has no digits.
struct DecimalDigits {
    std::string digits;
    int exponent = 0;

    bool IsZero() const { return digits.empty(); }

    void TrimTrailingZeros()
    {
        while (!digits.empty() && digits.back() == '0')
            digits.pop_back();
        if (digits.empty())
            exponent = 0;
    }

    // The digit of the place 10^-(k + 1).
    char DecimalDigit(int k) const
    {
        const long index = static_cast<long>(exponent) + k;
        return index >= 0 && index < static_cast<long>(digits.size()) ? digits[static_cast<std::size_t>(index)]
                                                                       : '0';
    }

    std::string IntegerDigits() const
    {
        if (exponent <= 0)
            return {};
        std::string result = digits.substr(0, static_cast<std::size_t>(exponent));
        result.append(static_cast<std::size_t>(exponent) - result.size(), '0');
        return result;
    }
};

// The finite, non-negative magnitude rounded to the given number of
// significant digits (1 .. 17 exact, 18 through the exact binary value).
DecimalDigits Expand(double magnitude, int significant)
{
    DecimalDigits result;
    if (magnitude == 0)
        return result;
    const std::string scientific = platform::FormatDecimal(magnitude, 'e', significant - 1);
    const std::string_view text(scientific);
    const std::size_t mark = text.find('e');
    for (const char c : text.substr(0, mark)) {
        if (c != '.')
            result.digits.push_back(c);
    }
    const char* exponentText = text.data() + mark + 1;
    if (*exponentText == '+')
        ++exponentText;
    int power = 0;
    std::from_chars(exponentText, text.data() + text.size(), power);
    result.exponent = power + 1;
    result.TrimTrailingZeros();
    return result;
}

// Keeps the digits down to the place 10^-decimals, rounding on the first
// dropped digit with halves away from zero.
void RoundAtDecimals(DecimalDigits& value, int decimals)
{
    if (value.IsZero())
        return;
    const long keep = static_cast<long>(value.exponent) + decimals;
    if (keep >= static_cast<long>(value.digits.size()))
        return;
    if (keep < 0) {
        value = {};
        return;
    }
    const bool up = value.digits[static_cast<std::size_t>(keep)] >= '5';
    value.digits.resize(static_cast<std::size_t>(keep));
    if (up) {
        long i = keep - 1;
        while (i >= 0 && value.digits[static_cast<std::size_t>(i)] == '9')
            value.digits[static_cast<std::size_t>(i--)] = '0';
        if (i >= 0) {
            ++value.digits[static_cast<std::size_t>(i)];
        } else {
            value.digits.insert(value.digits.begin(), '1');
            ++value.exponent;
        }
    }
    value.TrimTrailingZeros();
}

enum class TokenKind { IntegerPlace, DecimalPoint, DecimalPlace, Exponent, Text };

struct Token {
    TokenKind kind;
    std::string text; // Text: the literal; Exponent: "E" or "e"
};

// One section of a format string, parsed.
struct Section {
    std::vector<Token> tokens;
    int integerPlaces = 0;
    int minIntegerDigits = 0;
    int decimalPlaces = 0;
    int minDecimals = 0;
    bool grouping = false;
    bool scientific = false;
    bool exponentPlus = false;
    int exponentDigits = 0;
};

// The sections of a format string, split at ';' outside quotes.
std::vector<std::string> SplitSections(const std::string& format)
{
    std::vector<std::string> sections(1);
    char quote = 0;
    for (const char c : format) {
        if (quote != 0) {
            if (c == quote)
                quote = 0;
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else if (c == ';') {
            sections.emplace_back();
            continue;
        }
        sections.back() += c;
    }
    return sections;
}

void AppendText(Section& section, std::string_view text)
{
    if (!section.tokens.empty() && section.tokens.back().kind == TokenKind::Text)
        section.tokens.back().text += text;
    else
        section.tokens.push_back({TokenKind::Text, std::string(text)});
}

Section ParseSection(std::string_view format)
{
    Section section;
    bool afterPoint = false;
    bool inExponent = false;
    int firstIntegerZero = -1;
    int lastDecimalZero = -1;
    // Every character the language names is ASCII; the bytes of any other
    // character are written as they stand.
    for (std::size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        if (inExponent) {
            if (c == '0') {
                ++section.exponentDigits;
                continue;
            }
            inExponent = false;
        }
        if (c == '\'' || c == '"') {
            const std::size_t close = format.find(c, i + 1);
            const std::size_t end = close == std::string_view::npos ? format.size() : close;
            AppendText(section, format.substr(i + 1, end - i - 1));
            i = end;
        } else if (c == '0' || c == '#') {
            if (afterPoint) {
                if (c == '0')
                    lastDecimalZero = section.decimalPlaces;
                ++section.decimalPlaces;
                section.tokens.push_back({TokenKind::DecimalPlace, {}});
            } else {
                if (c == '0' && firstIntegerZero < 0)
                    firstIntegerZero = section.integerPlaces;
                ++section.integerPlaces;
                section.tokens.push_back({TokenKind::IntegerPlace, {}});
            }
        } else if (c == '.' && !afterPoint && !section.scientific) {
            afterPoint = true;
            section.tokens.push_back({TokenKind::DecimalPoint, {}});
        } else if (c == ',') {
            if (!afterPoint)
                section.grouping = true;
        } else if ((c == 'E' || c == 'e') && !section.scientific && i + 1 < format.size()
                   && (format[i + 1] == '+' || format[i + 1] == '-')) {
            section.scientific = true;
            section.exponentPlus = format[i + 1] == '+';
            section.tokens.push_back({TokenKind::Exponent, std::string(1, c)});
            afterPoint = true; // digit places after the exponent are not integer places
            inExponent = true;
            ++i;
        } else {
            AppendText(section, std::string_view(&format[i], 1));
        }
    }
    section.minIntegerDigits = firstIntegerZero < 0 ? 0 : section.integerPlaces - firstIntegerZero;
    section.minDecimals = lastDecimalZero + 1;
    return section;
}

// The magnitude rounded as the section writes it; for a scientific section
// also the exponent it shows, the mantissa keeping one integer digit.
struct Rounded {
    DecimalDigits mantissa;
    int exponent = 0;
};

Rounded RoundFor(const Section& section, const DecimalDigits& expanded)
{
    Rounded result{expanded, 0};
    if (section.scientific && !expanded.IsZero()) {
        RoundAtDecimals(result.mantissa, 1 + section.decimalPlaces - result.mantissa.exponent);
        result.exponent = result.mantissa.exponent - 1;
        result.mantissa.exponent = 1;
    } else {
        RoundAtDecimals(result.mantissa, section.decimalPlaces);
    }
    return result;
}

std::string Render(const Section& section, const Rounded& value, const TNumberSeparators& separators)
{
    std::string integer = value.mantissa.IntegerDigits();
    if (static_cast<int>(integer.size()) < section.minIntegerDigits)
        integer.insert(0, static_cast<std::size_t>(section.minIntegerDigits) - integer.size(), '0');
    std::string fraction;
    for (int k = 0; k < section.decimalPlaces; ++k)
        fraction.push_back(value.mantissa.DecimalDigit(k));
    while (static_cast<int>(fraction.size()) > section.minDecimals && fraction.back() == '0')
        fraction.pop_back();

    std::string out;
    const int length = static_cast<int>(integer.size());
    // q counts integer places from the decimal point leftward, from 0.
    const auto writeDigit = [&](int q) {
        out += integer[static_cast<std::size_t>(length - 1 - q)];
        if (section.grouping && q > 0 && q % 3 == 0)
            out += separators.thousands;
    };
    // The first integer place takes every digit the places to its right leave.
    const auto writeDigitsDownTo = [&](int q) {
        for (int i = length - 1; i >= q; --i)
            writeDigit(i);
    };

    int integerPlace = 0;
    std::size_t decimalPlace = 0;
    for (const Token& token : section.tokens) {
        switch (token.kind) {
        case TokenKind::IntegerPlace: {
            const int q = section.integerPlaces - 1 - integerPlace;
            if (integerPlace == 0)
                writeDigitsDownTo(q);
            else if (q < length)
                writeDigit(q);
            ++integerPlace;
            break;
        }
        case TokenKind::DecimalPoint:
            if (section.integerPlaces == 0)
                writeDigitsDownTo(0);
            if (!fraction.empty())
                out += separators.decimal;
            break;
        case TokenKind::DecimalPlace:
            if (decimalPlace < fraction.size())
                out += fraction[decimalPlace];
            ++decimalPlace;
            break;
        case TokenKind::Exponent: {
            out += token.text;
            if (value.exponent < 0)
                out += '-';
            else if (section.exponentPlus)
                out += '+';
            const std::string digits = std::to_string(std::abs(value.exponent));
            out.append(static_cast<std::size_t>(std::max(0, section.exponentDigits - static_cast<int>(digits.size()))),
                       '0');
            out += digits;
            break;
        }
        case TokenKind::Text:
            out += token.text;
            break;
        }
    }
    return out;
}

} // namespace

std::string FormatGeneral(double value, int precision, const std::string& decimalSeparator)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value > 0 ? "INF" : "-INF";
    const DecimalDigits d = Expand(std::fabs(value), std::clamp(precision, 1, 17));
    if (d.IsZero())
        return "0";

    std::string out = value < 0 ? "-" : "";
    const std::string& digits = d.digits;
    if (d.exponent > precision || d.exponent < -3) {
        out += digits[0];
        if (digits.size() > 1)
            out += decimalSeparator + digits.substr(1);
        out += 'E' + std::to_string(d.exponent - 1);
    } else if (d.exponent <= 0) {
        out += '0' + decimalSeparator + std::string(static_cast<std::size_t>(-d.exponent), '0') + digits;
    } else {
        out += d.IntegerDigits();
        if (static_cast<int>(digits.size()) > d.exponent)
            out += decimalSeparator + digits.substr(static_cast<std::size_t>(d.exponent));
    }
    return out;
}

// The sections of a format string: the one for every value, and those that
// replace it for negative values and for values that round to zero, when
// the string gives them (an empty section gives none).
struct TNumberFormat::Sections {
    Section positive;
    std::optional<Section> negative;
    std::optional<Section> zero;
};

TNumberFormat::TNumberFormat(const std::string& format)
    : text_(format)
{
    const std::vector<std::string> texts = SplitSections(format);
    const auto parsed = [&texts](std::size_t index) -> std::optional<Section> {
        if (texts.size() <= index || texts[index].empty())
            return std::nullopt;
        return ParseSection(texts[index]);
    };
    sections_ = std::make_shared<const Sections>(Sections{ParseSection(texts[0]), parsed(1), parsed(2)});
}

std::string TNumberFormat::Write(double value, const TNumberSeparators& separators) const
{
    // A chart's time axis writes new values all the time: the kept texts are
    // few, and dropped when there are more.
    constexpr std::size_t mostKept = 256;
    if (!(separators == writtenWith_) || written_.size() >= mostKept) {
        written_.clear();
        writtenWith_ = separators;
    }
    const std::uint64_t key = platform::DoubleBits(value);
    if (const auto found = written_.find(key); found != written_.end())
        return found->second;
    return written_.emplace(key, Compose(value, separators)).first->second;
}

std::string TNumberFormat::Compose(double value, const TNumberSeparators& separators) const
{
    if (text_.empty() || !std::isfinite(value))
        return FormatGeneral(value, generalDigits, separators.decimal);

    const DecimalDigits expanded = Expand(std::fabs(value), expandedDigits);
    const Section* section = &sections_->positive;
    if (!section->scientific && expanded.exponent > expandedDigits)
        return FormatGeneral(value, generalDigits, separators.decimal);
    Rounded rounded = RoundFor(*section, expanded);
    bool writeSign = value < 0 && !rounded.mantissa.IsZero();

    // The zero and negative sections, when given, replace the first one.
    const auto useSection = [&](const std::optional<Section>& replacement) {
        if (!replacement)
            return;
        section = &*replacement;
        rounded = RoundFor(*section, expanded);
        writeSign = false;
    };
    if (rounded.mantissa.IsZero())
        useSection(sections_->zero);
    else if (value < 0)
        useSection(sections_->negative);

    const std::string text = Render(*section, rounded, separators);
    return writeSign ? '-' + text : text;
}

std::string FormatNumber(const std::string& format, double value, const TNumberSeparators& separators)
{
    return TNumberFormat(format).Write(value, separators);
}
