#include "web/core/NumberField.h"

#include "platform/NumberConversion.h"
#include "platform/Utf8.h"

namespace web {

double ReadNumber(const std::string& text, char16_t decimalSeparator)
{
    std::string separator;
    platform::AppendUtf8(separator, decimalSeparator);
    return platform::TextToDouble(text, separator);
}

} // namespace web
