#pragma once

#include <QString>

namespace platform {

// The text of the error box for an exception's message: the message with "."
// appended when it is not empty and its last character sorts after "." by code
// (so "abc" gets a full stop, while "abc.", "(5)" and "done!" are left alone).
QString ErrorBoxText(const QString& message);

// The application title, used as the error box caption: the executable's file
// name without its directory, cut at its first ".", with every character after
// the first in lower case ("/usr/bin/KYV.AD.LO" gives "Kyv").
QString ApplicationTitle(const QString& executablePath);

} // namespace platform
