#include "platform/Colors.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

QPalette currentPalette()
{
    if (QGuiApplication::instance() != nullptr)
        return QGuiApplication::palette();
    return QPalette();
}

QColor systemColor(TColor color)
{
    const QPalette palette = currentPalette();
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

QRgb toRgb(TColor color)
{
    if (isSystemColor(color))
        return systemColor(color).rgb();
    return qRgb(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}

QColor toQColor(TColor color)
{
    return QColor(toRgb(color));
}

TColor fromQColor(const QColor& color)
{
    return rgbColor(color.red(), color.green(), color.blue());
}
