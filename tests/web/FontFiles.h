#pragma once

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace font_files {

// The bytes of one of the Liberation font files the page ships.
inline std::vector<unsigned char> Liberation(const std::string& name)
{
    std::ifstream file("/usr/share/fonts/truetype/liberation2/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

} // namespace font_files
