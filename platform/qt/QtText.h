#pragma once

#include <QString>

#include <string>
#include <string_view>

class QLocale;

// The engine's UTF-8 texts and Qt's strings, converted where the two meet.
namespace platform::qt {

inline QString ToQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string ToUtf8(const QString& text)
{
    return text.toStdString();
}

// The decimal separator of a locale as one character in UTF-8; "." when the
// locale gives none or more than one UTF-16 unit.
std::string DecimalSeparatorOf(const QLocale& locale);

// The application title, used as the error box caption: the executable's file
// name without its directory, cut at its first ".", with every character after
// the first in lower case ("/usr/bin/KYV.AD.LO" gives "Kyv").
QString ApplicationTitle(const QString& executablePath);

} // namespace platform::qt
