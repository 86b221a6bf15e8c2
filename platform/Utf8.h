#pragma once

#include <cstddef>
#include <string>

// UTF-8, the engine's text encoding (and the page's between JavaScript and
// the engine).
namespace platform {

// What stands for a malformed sequence.
inline constexpr char32_t Replacement = 0xFFFD;

// The code point at position, which moves past it; a malformed sequence
// gives Replacement and moves past its first byte and any continuation bytes read.
char32_t DecodeUtf8(const std::string& text, std::size_t& position);
// Appends the code point's bytes.
void AppendUtf8(std::string& out, char32_t point);

} // namespace platform
