// UTF-8 and UTF-16 for the page's stand-in of the engine's string type.
#include <QString>

#include "web/text/Utf8.h"

using web::AppendUtf8;
using web::DecodeUtf8;
using web::Replacement;

QString QString::fromStdString(const std::string& utf8)
{
    std::u16string units;
    for (std::size_t position = 0; position < utf8.size();) {
        const char32_t point = DecodeUtf8(utf8, position);
        if (point < 0x10000) {
            units.push_back(static_cast<char16_t>(point));
        } else {
            units.push_back(static_cast<char16_t>(0xD800 + ((point - 0x10000) >> 10)));
            units.push_back(static_cast<char16_t>(0xDC00 + ((point - 0x10000) & 0x3FF)));
        }
    }
    return QString(std::move(units));
}

std::string QString::toStdString() const
{
    std::string utf8;
    for (std::size_t i = 0; i < units_.size(); ++i) {
        char32_t point = units_[i];
        if (point >= 0xD800 && point < 0xDC00 && i + 1 < units_.size() && units_[i + 1] >= 0xDC00
            && units_[i + 1] < 0xE000) {
            point = 0x10000 + ((point - 0xD800) << 10) + (units_[++i] - 0xDC00);
        } else if (point >= 0xD800 && point < 0xE000) {
            point = Replacement;
        }
        AppendUtf8(utf8, point);
    }
    return utf8;
}

QString QString::arg(const QString& value) const
{
    std::u16string result = units_;
    if (const std::size_t at = result.find(u"%1"); at != std::u16string::npos)
        result.replace(at, 2, value.units_);
    return QString(std::move(result));
}

QString QString::arg(long long value) const
{
    return arg(fromStdString(std::to_string(value)));
}
