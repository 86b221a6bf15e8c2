#include "platform/Colors.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

QPalette CurrentPalette()
{
    if (QGuiApplication::instance() != nullptr)
        return QGuiApplication::palette();
    return QPalette();
}

QColor SystemColor(TColor color)
{
    const QPalette palette = CurrentPalette();
    switch (color) {
    case clWindow:
        return palette.color(QPalette::Active, QPalette::Base);
    case clWindowText:
        return palette.color(QPalette::Active, QPalette::WindowText);
    case clHighlight:
        return palette.color(QPalette::Active, QPalette::Highlight);
    case clHighlightText:
        return palette.color(QPalette::Active, QPalette::HighlightedText);
    case clBtnFace:
        return palette.color(QPalette::Active, QPalette::Button);
    case clBtnShadow:
        return palette.color(QPalette::Active, QPalette::Dark);
    case clBtnText:
        return palette.color(QPalette::Active, QPalette::ButtonText);
    case clBtnHighlight:
        return palette.color(QPalette::Active, QPalette::Light);
    case cl3DDkShadow:
        return palette.color(QPalette::Active, QPalette::Shadow);
    case cl3DLight:
        return palette.color(QPalette::Active, QPalette::Midlight);
    default:
        return palette.color(QPalette::Active, QPalette::Window);
    }
}

} // namespace

QRgb ToRgb(TColor color)
{
    if (IsSystemColor(color))
        return SystemColor(color).rgb();
    return qRgb(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}

QColor ToQColor(TColor color)
{
    return QColor(ToRgb(color));
}

TColor FromQColor(const QColor& color)
{
    return RgbColor(color.red(), color.green(), color.blue());
}
