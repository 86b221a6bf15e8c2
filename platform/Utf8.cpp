#include "platform/Utf8.h"

namespace platform {

char32_t DecodeUtf8(const std::string& text, std::size_t& position)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(position++);
    if (lead < 0x80)
        return lead;
    int length = 0;
    char32_t point = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 1;
        point = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 2;
        point = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 3;
        point = lead & 0x07;
    } else {
        return Replacement;
    }
    for (int i = 0; i < length; ++i) {
        if (position >= text.size() || (byte(position) & 0xC0) != 0x80)
            return Replacement;
        point = (point << 6) | (byte(position++) & 0x3F);
    }
    return point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF) ? Replacement : point;
}

void AppendUtf8(std::string& out, char32_t point)
{
    if (point < 0x80) {
        out.push_back(static_cast<char>(point));
    } else if (point < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (point >> 6)));
        out.push_back(static_cast<char>(0x80 | (point & 0x3F)));
    } else if (point < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (point >> 12)));
        out.push_back(static_cast<char>(0x80 | ((point >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (point & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (point >> 18)));
        out.push_back(static_cast<char>(0x80 | ((point >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((point >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (point & 0x3F)));
    }
}


} // namespace platform
