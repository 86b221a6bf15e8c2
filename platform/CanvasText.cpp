// The canvas's text output and text measuring.
#include "platform/Canvas.h"

#include "platform/Fonts.h"

#include <cmath>

namespace platform {

int Canvas::TextWidth(const std::string& text) const
{
    return FontTexts().Width(text);
}

int Canvas::TextHeight(const std::string&) const
{
    return Metrics().ascent() + Metrics().descent();
}

void Canvas::TextOut(int x, int y, const std::string& text)
{
    RealizeBrush();
    QPainter* p = ClippedPainter();
    if (p == nullptr)
        return;
    if (mapping_.IsIdentity()) {
        TextCell(*p, x, y, text, true, true);
        return;
    }
    // The background box on device edges, as every fill; the text in the
    // target's logical coordinates, where QPainter draws it at the ratio
    // times its size.
    const QRect cell = TextCellRect(x, y, text);
    if (backgroundMode_ == bkOpaque && cell.width() > 0) {
        ApplyComposition(*p, QPainter::CompositionMode_SourceOver);
        ApplyBackground(*p, false);
        p->fillRect(DeviceBox(cell.left(), cell.top(), cell.left() + cell.width(), cell.top() + cell.height()),
                    QColor::fromRgb(Resolve(backgroundColor_)));
    }
    ApplyDeviceTransform(*p, false);
    TextCell(*p, x, y, text, false, true);
    ApplyDeviceTransform(*p, true);
}

void Canvas::TextOutRotated(int x, int y, double angle, const std::string& text)
{
    RealizeBrush();
    QPainter* p = ClippedPainter();
    if (p == nullptr)
        return;
    // Turning by a whole number of quarter turns must stay exact, so the angle
    // is brought into [0, 360) first: 450 degrees draws as 90.
    double turn = std::fmod(angle, 360.0);
    if (turn < 0)
        turn += 360.0;
    p->save();
    // In the target's logical coordinates, which QPainter scales by the ratio.
    if (!mapping_.IsIdentity())
        p->setWorldTransform(QTransform());
    p->translate(x, y);
    p->rotate(-turn);
    TextCell(*p, 0, 0, text, true, false);
    p->restore();
    ForgetPainterState();
}

QRect Canvas::TextCellRect(int x, int y, const std::string& text) const
{
    const QFontMetrics& m = Metrics();
    const int width = FontTexts().Width(text);
    const int height = m.ascent() + m.descent();
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
    return QRect(left, top, width, height);
}

void Canvas::TextCell(QPainter& p, int x, int y, const std::string& text, bool background, bool upright)
{
    const QFontMetrics& m = Metrics();
    const QRect cell = TextCellRect(x, y, text);
    const int left = cell.left();
    const int top = cell.top();
    ApplyComposition(p, QPainter::CompositionMode_SourceOver);
    ApplyBackground(p, false);
    if (background && backgroundMode_ == bkOpaque && cell.width() > 0) {
        ApplyPen(p, Qt::NoPen);
        ApplyBrush(p, QBrush(QColor::fromRgb(Resolve(backgroundColor_))));
        p.drawRect(cell);
    }
    ApplyFont(p);
    ApplyPen(p, QPen(QColor::fromRgb(Resolve(font_.Color()))));
    text_.DrawRun(p, FontTexts(), QPoint(left, top + m.ascent()), text, upright);
}

qt::FontTextCache& Canvas::FontTexts() const
{
    if (fontRevision_ != font_.Revision() || fontTexts_ == nullptr) {
        fontTexts_ = &text_.Texts(TextFontOf(font_.Data()));
        fontRevision_ = font_.Revision();
    }
    return *fontTexts_;
}

} // namespace platform
