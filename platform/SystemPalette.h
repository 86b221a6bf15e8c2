#pragma once

#include <cstdint>

namespace platform {

// The desktop's colours that the system colours (clBtnFace, clHighlight and
// the rest in Colors.h) stand for, each 0xRRGGBB. The platform hands them to
// the engine at start and again whenever the desktop's palette changes
// (platform/qt/QtColors.h); until then a light grey theme stands in.
struct SystemPalette {
    std::uint32_t window = 0xFFFFFF;
    std::uint32_t windowText = 0x000000;
    std::uint32_t highlight = 0x308CC6;
    std::uint32_t highlightText = 0xFFFFFF;
    std::uint32_t buttonFace = 0xEFEFEF;
    std::uint32_t buttonShadow = 0x9F9F9F;
    std::uint32_t buttonText = 0x000000;
    std::uint32_t buttonHighlight = 0xFFFFFF;
    std::uint32_t darkShadow = 0x767676;
    std::uint32_t light3D = 0xCACACA;
    // Any other system colour: the face of windows.
    std::uint32_t background = 0xEFEFEF;
};

// The palette the system colours are resolved with now.
const SystemPalette& CurrentSystemPalette();
void SetSystemPalette(const SystemPalette& palette);

} // namespace platform
