#include "platform/Colors.h"

#include "platform/SystemPalette.h"

namespace {

platform::SystemPalette& InstalledPalette()
{
    // The one palette of the process, as the desktop has one.
    static platform::SystemPalette palette;
    return palette;
}

std::uint32_t SystemRgb(TColor color)
{
    const platform::SystemPalette& palette = InstalledPalette();
    switch (color) {
    case clWindow:
        return palette.window;
    case clWindowText:
        return palette.windowText;
    case clHighlight:
        return palette.highlight;
    case clHighlightText:
        return palette.highlightText;
    case clBtnFace:
        return palette.buttonFace;
    case clBtnShadow:
        return palette.buttonShadow;
    case clBtnText:
        return palette.buttonText;
    case clBtnHighlight:
        return palette.buttonHighlight;
    case cl3DDkShadow:
        return palette.darkShadow;
    case cl3DLight:
        return palette.light3D;
    default:
        return palette.background;
    }
}

} // namespace

namespace platform {

const SystemPalette& CurrentSystemPalette()
{
    return InstalledPalette();
}

void SetSystemPalette(const SystemPalette& palette)
{
    InstalledPalette() = palette;
}

} // namespace platform

std::uint32_t ToRgb(TColor color)
{
    const std::uint32_t rgb = IsSystemColor(color) ? SystemRgb(color)
                                                   : ((color & 0xFFu) << 16) | (color & 0xFF00u) | ((color >> 16) & 0xFFu);
    return 0xFF000000u | (rgb & 0xFFFFFFu);
}

TColor PlainColor(TColor color)
{
    const std::uint32_t rgb = ToRgb(color);
    return RgbColor(static_cast<int>(rgb >> 16), static_cast<int>(rgb >> 8), static_cast<int>(rgb));
}
