#include "web/wasm/JsonNumber.h"

#include <cstdio>

namespace web {

void AppendJsonNumber(std::string& out, double value)
{
    char digits[32];
    const int length = std::snprintf(digits, sizeof digits, "%.17g", value);
    out.append(digits, static_cast<std::size_t>(length));
}

} // namespace web
