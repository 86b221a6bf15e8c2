#include "platform/qt/QtTextBackend.h"

#include "platform/qt/QtPixels.h"
#include "platform/qt/QtText.h"

#include <QColor>
#include <QPen>
#include <QTransform>

#include <cmath>

namespace platform::qt {

QFont ToQFont(const TextFont& font)
{
    QFont result(ToQString(font.name));
    result.setPixelSize(font.pixelSize);
    result.setBold(font.bold);
    result.setItalic(font.italic);
    result.setUnderline(font.underline);
    result.setStrikeOut(font.strikeOut);
    result.setStyleStrategy(QFont::NoAntialias);
    return result;
}

FontTextCache& QtTextBackend::Texts(const TextFont& font)
{
    if (lastTexts_ == nullptr || font != *lastFont_) {
        lastTexts_ = &caches_.For(ToQFont(font));
        lastFont_ = font;
    }
    return *lastTexts_;
}

TextExtent QtTextBackend::Measure(const TextFont& font, std::string_view utf8)
{
    FontTextCache& texts = Texts(font);
    return {texts.Width(utf8), texts.Ascent(), texts.Descent()};
}

void QtTextBackend::DrawRun(QPainter& painter, FontTextCache& texts, QPoint baseline, const std::string& text,
                            bool upright)
{
    const std::optional<QList<QGlyphRun>> glyphs = upright ? texts.Glyphs(text) : std::nullopt;
    if (!glyphs) {
        painter.drawText(baseline, ToQString(text));
        return;
    }
    for (const QGlyphRun& run : *glyphs)
        painter.drawGlyphRun(baseline, run);
}

void QtTextBackend::Draw(PixelBuffer& target, const PixelBox& clip, const TextFont& font, const TextPlacement& at,
                         std::string_view utf8, std::uint32_t rgb)
{
    QImage image = WrapPixels(target);
    if (image.isNull())
        return;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    // The clip in device pixels: QPainter scales an image of a higher ratio
    // by that ratio by itself, the opposite scale brings it back.
    const double ratio = target.Ratio();
    painter.setWorldTransform(QTransform::fromScale(1.0 / ratio, 1.0 / ratio));
    painter.setClipRect(QRect(clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top));
    painter.setWorldTransform(QTransform());
    FontTextCache& texts = Texts(font);
    painter.setFont(texts.Font());
    painter.setPen(QPen(QColor::fromRgb(0xFF000000u | rgb)));
    // Turning by a whole number of quarter turns must stay exact, so the
    // angle is brought into [0, 360) first.
    double turn = std::fmod(at.angle, 360.0);
    if (turn < 0)
        turn += 360.0;
    const bool upright = turn == 0.0;
    if (!upright) {
        painter.translate(at.x, at.y);
        painter.rotate(-turn);
    }
    const QPoint origin = upright ? QPoint(at.x, at.y) : QPoint();
    DrawRun(painter, texts, origin + QPoint(at.left, at.baseline), std::string(utf8), upright);
}

} // namespace platform::qt
