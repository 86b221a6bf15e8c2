#include "chart/NumberFormat.h"

#include "platform/NumberConversion.h"

#include <QLocale>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

TNumberSeparators TNumberSeparators::FromSystemLocale()
{
    return FromLocale(QLocale::system());
}

TNumberSeparators TNumberSeparators::FromLocale(const QLocale& locale)
{
    const QString thousands = locale.groupSeparator();
    TNumberSeparators result;
    result.decimal = platform::DecimalSeparatorOf(locale);
    if (thousands.size() == 1)
        result.thousands = thousands.front();
    return result;
}

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
    char buffer[64];
    const auto converted = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
        std::chars_format::scientific, significant - 1);
    const std::string_view text(buffer, static_cast<std::size_t>(converted.ptr - buffer));
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
    QString text; // Text: the literal; Exponent: "E" or "e"
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
std::vector<QString> SplitSections(const QString& format)
{
    std::vector<QString> sections(1);
    QChar quote;
    for (const QChar c : format) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            quote = c;
        } else if (c == QLatin1Char(';')) {
            sections.emplace_back();
            continue;
        }
        sections.back() += c;
    }
    return sections;
}

void AppendText(Section& section, const QString& text)
{
    if (!section.tokens.empty() && section.tokens.back().kind == TokenKind::Text)
        section.tokens.back().text += text;
    else
        section.tokens.push_back({TokenKind::Text, text});
}

Section ParseSection(const QString& format)
{
    Section section;
    bool afterPoint = false;
    bool inExponent = false;
    int firstIntegerZero = -1;
    int lastDecimalZero = -1;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (inExponent) {
            if (c == QLatin1Char('0')) {
                ++section.exponentDigits;
                continue;
            }
            inExponent = false;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            const qsizetype close = format.indexOf(c, i + 1);
            const qsizetype end = close < 0 ? format.size() : close;
            AppendText(section, format.mid(i + 1, end - i - 1));
            i = end;
        } else if (c == QLatin1Char('0') || c == QLatin1Char('#')) {
            if (afterPoint) {
                if (c == QLatin1Char('0'))
                    lastDecimalZero = section.decimalPlaces;
                ++section.decimalPlaces;
                section.tokens.push_back({TokenKind::DecimalPlace, {}});
            } else {
                if (c == QLatin1Char('0') && firstIntegerZero < 0)
                    firstIntegerZero = section.integerPlaces;
                ++section.integerPlaces;
                section.tokens.push_back({TokenKind::IntegerPlace, {}});
            }
        } else if (c == QLatin1Char('.') && !afterPoint && !section.scientific) {
            afterPoint = true;
            section.tokens.push_back({TokenKind::DecimalPoint, {}});
        } else if (c == QLatin1Char(',')) {
            if (!afterPoint)
                section.grouping = true;
        } else if ((c == QLatin1Char('E') || c == QLatin1Char('e')) && !section.scientific
            && i + 1 < format.size() && (format[i + 1] == QLatin1Char('+') || format[i + 1] == QLatin1Char('-'))) {
            section.scientific = true;
            section.exponentPlus = format[i + 1] == QLatin1Char('+');
            section.tokens.push_back({TokenKind::Exponent, QString(c)});
            afterPoint = true; // digit places after the exponent are not integer places
            inExponent = true;
            ++i;
        } else {
            AppendText(section, QString(c));
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

QString Render(const Section& section, const Rounded& value, const TNumberSeparators& separators)
{
    std::string integer = value.mantissa.IntegerDigits();
    if (static_cast<int>(integer.size()) < section.minIntegerDigits)
        integer.insert(0, static_cast<std::size_t>(section.minIntegerDigits) - integer.size(), '0');
    std::string fraction;
    for (int k = 0; k < section.decimalPlaces; ++k)
        fraction.push_back(value.mantissa.DecimalDigit(k));
    while (static_cast<int>(fraction.size()) > section.minDecimals && fraction.back() == '0')
        fraction.pop_back();

    QString out;
    const int length = static_cast<int>(integer.size());
    // q counts integer places from the decimal point leftward, from 0.
    const auto writeDigit = [&](int q) {
        out += QLatin1Char(integer[static_cast<std::size_t>(length - 1 - q)]);
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
                out += QLatin1Char(fraction[decimalPlace]);
            ++decimalPlace;
            break;
        case TokenKind::Exponent: {
            out += token.text;
            if (value.exponent < 0)
                out += QLatin1Char('-');
            else if (section.exponentPlus)
                out += QLatin1Char('+');
            const QString digits = QString::number(std::abs(value.exponent));
            out += QString(std::max<qsizetype>(0, section.exponentDigits - digits.size()), QLatin1Char('0'));
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

QString FormatGeneral(double value, int precision, QChar decimalSeparator)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    const DecimalDigits d = Expand(std::fabs(value), std::clamp(precision, 1, 17));
    if (d.IsZero())
        return QStringLiteral("0");

    QString out = value < 0 ? QStringLiteral("-") : QString();
    const std::string& digits = d.digits;
    if (d.exponent > precision || d.exponent < -3) {
        out += QLatin1Char(digits[0]);
        if (digits.size() > 1)
            out += decimalSeparator + QString::fromLatin1(digits.substr(1));
        out += QLatin1Char('E') + QString::number(d.exponent - 1);
    } else if (d.exponent <= 0) {
        out += QLatin1Char('0') + QString(decimalSeparator) + QString(-d.exponent, QLatin1Char('0'))
            + QString::fromLatin1(digits);
    } else {
        out += QString::fromLatin1(d.IntegerDigits());
        if (static_cast<int>(digits.size()) > d.exponent)
            out += decimalSeparator + QString::fromLatin1(digits.substr(static_cast<std::size_t>(d.exponent)));
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

TNumberFormat::TNumberFormat(const QString& format)
    : text_(format)
{
    const std::vector<QString> texts = SplitSections(format);
    const auto parsed = [&texts](std::size_t index) -> std::optional<Section> {
        if (texts.size() <= index || texts[index].isEmpty())
            return std::nullopt;
        return ParseSection(texts[index]);
    };
    sections_ = std::make_shared<const Sections>(Sections{ParseSection(texts[0]), parsed(1), parsed(2)});
}

QString TNumberFormat::Write(double value, const TNumberSeparators& separators) const
{
    // A chart's time axis writes new values all the time: the kept texts are
    // few, and dropped when there are more.
    constexpr qsizetype mostKept = 256;
    if (!(separators == writtenWith_) || written_.size() >= mostKept) {
        written_.clear();
        writtenWith_ = separators;
    }
    const quint64 key = std::bit_cast<quint64>(value);
    if (const auto found = written_.constFind(key); found != written_.constEnd())
        return *found;
    QString text = Compose(value, separators);
    written_.insert(key, text);
    return text;
}

QString TNumberFormat::Compose(double value, const TNumberSeparators& separators) const
{
    if (text_.isEmpty() || !std::isfinite(value))
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

    const QString text = Render(*section, rounded, separators);
    return writeSign ? QLatin1Char('-') + text : text;
}

QString FormatNumber(const QString& format, double value, const TNumberSeparators& separators)
{
    return TNumberFormat(format).Write(value, separators);
}
