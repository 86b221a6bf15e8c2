#include "cli/NumberText.h"

#include <array>
#include <charconv>

namespace cli {

std::string ShortestText(double value)
{
    std::array<char, 32> text{};
    const auto result = std::to_chars(text.data(), text.data() + text.size(), value);
    return std::string(text.data(), result.ptr);
}

} // namespace cli
