#pragma once

#include <string>

namespace web {

// The error box's text for a failure's UTF-8 message: the message with "."
// appended when it is not empty and its last character sorts after "." (the
// last byte of a character beyond ASCII always does).
std::string ErrorBoxText(const std::string& message);

} // namespace web
