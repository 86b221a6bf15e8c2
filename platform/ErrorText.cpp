#include "platform/ErrorText.h"

namespace platform {

std::string ErrorBoxText(const std::string& message)
{
    // The last byte of a character beyond ASCII is 0x80 or more.
    if (message.empty() || static_cast<unsigned char>(message.back()) <= '.')
        return message;
    return message + '.';
}

} // namespace platform
