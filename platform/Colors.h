#pragma once

#include <cstdint>

// A colour as the program stores it: $00BBGGRR, red in the low byte.
// Values with the top byte 0xFF name a system colour that is resolved from the
// desktop's palette (platform/SystemPalette.h) when something is drawn with it.
using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;

// Reserved values of the chart component.
// As a point colour clDefault means "use the series colour"; as a series or
// sub-object colour it means "not chosen yet, use the built-in default".
inline constexpr TColor clDefault = 0x20000000;
// As a point colour clNone marks a null point.
inline constexpr TColor clNone = 0x1FFFFFFF;

// System colours, resolved through the desktop's palette.
inline constexpr TColor clSystemColor = 0xFF000000;
inline constexpr TColor clWindow = clSystemColor | 0x05;
inline constexpr TColor clWindowText = clSystemColor | 0x08;
inline constexpr TColor clHighlight = clSystemColor | 0x0D;
inline constexpr TColor clHighlightText = clSystemColor | 0x0E;
inline constexpr TColor clBtnFace = clSystemColor | 0x0F;
inline constexpr TColor clBtnShadow = clSystemColor | 0x10;
inline constexpr TColor clBtnText = clSystemColor | 0x12;
inline constexpr TColor clBtnHighlight = clSystemColor | 0x14;
// The inner ring of a three-dimensional edge: its darkest and its light side.
inline constexpr TColor cl3DDkShadow = clSystemColor | 0x15;
inline constexpr TColor cl3DLight = clSystemColor | 0x16;

constexpr bool IsSystemColor(TColor color)
{
    return (color & 0xFF000000u) == clSystemColor;
}

// Builds a TColor from its components.
constexpr TColor RgbColor(int red, int green, int blue)
{
    return static_cast<TColor>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

// The opaque colour a TColor stands for, 0xFFRRGGBB: system colours come
// from the current system palette, other values keep their three low bytes.
std::uint32_t ToRgb(TColor color);

// The plain colour a TColor stands for now: system colours resolved, the
// others as they are but for their top byte.
TColor PlainColor(TColor color);
