#include "web/core/NumberField.h"

#include "platform/NumberConversion.h"

#include <QString>

namespace web {

double ReadNumber(const std::string& text, char16_t decimalSeparator)
{
    return platform::TextToDouble(QString::fromStdString(text), QChar(decimalSeparator));
}

} // namespace web
