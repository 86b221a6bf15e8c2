// The canvas's text output and text measuring.
#include "platform/Canvas.h"

#include "platform/Fonts.h"

#include <cmath>

namespace platform {

const TextFont& Canvas::CurrentTextFont() const
{
    if (fontRevision_ != font_.Revision()) {
        textFont_ = TextFontOf(font_.Data());
        fontRevision_ = font_.Revision();
    }
    return textFont_;
}

int Canvas::TextWidth(const std::string& text) const
{
    return CurrentTextBackend().Measure(CurrentTextFont(), text).width;
}

int Canvas::TextHeight(const std::string&) const
{
    const TextExtent extent = CurrentTextBackend().Measure(CurrentTextFont(), {});
    return extent.ascent + extent.descent;
}

void Canvas::TextOut(int x, int y, const std::string& text)
{
    RealizeBrush();
    if (!target_)
        return;
    TextCell drawn = CellAt(x, y, text);
    drawn.deviceCell = DeviceBox(drawn.cell.left, drawn.cell.top, drawn.cell.right, drawn.cell.bottom);
    target_->DrawText(drawn);
}

void Canvas::TextOutRotated(int x, int y, double angle, const std::string& text)
{
    RealizeBrush();
    if (!target_)
        return;
    // Turning by a whole number of quarter turns must stay exact, so the angle
    // is brought into [0, 360) first: 450 degrees draws as 90.
    double turn = std::fmod(angle, 360.0);
    if (turn < 0)
        turn += 360.0;
    TextCell drawn = CellAt(0, 0, text);
    drawn.turned = true;
    drawn.anchor = Point(x, y);
    drawn.turn = turn;
    target_->DrawText(drawn);
}

TextCell Canvas::CellAt(int x, int y, const std::string& text) const
{
    const TextExtent extent = CurrentTextBackend().Measure(CurrentTextFont(), text);
    const int width = extent.width;
    const int height = extent.ascent + extent.descent;
    int left = x;
    switch (textAlignment_ & TextAlign::HorizontalMask) {
    case TextAlign::Center:
        left = x - width / 2;
        break;
    case TextAlign::Right:
        left = x - width;
        break;
    default:
        break;
    }
    const int top = (textAlignment_ & TextAlign::Bottom) != 0 ? y - height : y;
    TextCell drawn;
    drawn.font = &CurrentTextFont();
    drawn.text = &text;
    drawn.cell = {left, top, left + width, top + height};
    drawn.ascent = extent.ascent;
    drawn.color = Resolve(font_.Color());
    if (backgroundMode_ == bkOpaque)
        drawn.background = Resolve(backgroundColor_);
    return drawn;
}

} // namespace platform
