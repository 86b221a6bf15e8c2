#pragma once

#include <string>

namespace platform {

// The text of the error box for an exception's message (UTF-8): the message
// with "." appended when it is not empty and its last character sorts after
// "." by code (so "abc" gets a full stop, while "abc.", "(5)" and "done!" are
// left alone; a last character beyond ASCII always sorts after it).
std::string ErrorBoxText(const std::string& message);

} // namespace platform
