#include "embedded/qt/PictureRenderer.h"

#include <QPainter>
#include <QString>

#include <algorithm>

namespace {

constexpr long long kHundredthsMmPerInch = 2540;

QString GlyphText(char32_t character)
{
    return QString::fromUcs4(&character, 1);
}

} // namespace

long long RoundedMulDiv(long long value, long long numerator, long long denominator)
{
    const long long product = value * numerator;
    long long quotient = product / denominator;
    long long remainder = product % denominator;
    if (remainder < 0) {
        // Floor division, so the remainder lies in [0, denominator).
        --quotient;
        remainder += denominator;
    }
    const long long twice = 2 * remainder;
    if (twice > denominator || (twice == denominator && quotient % 2 != 0))
        ++quotient;
    return quotient;
}

QSize PictureSizeInPixels(PictureSize extent, int pixelsPerInchX, int pixelsPerInchY)
{
    return QSize(static_cast<int>(RoundedMulDiv(extent.width, pixelsPerInchX, kHundredthsMmPerInch)),
                 static_cast<int>(RoundedMulDiv(extent.height, pixelsPerInchY, kHundredthsMmPerInch)));
}

PictureMapping::PictureMapping(QSize window, QRect target)
    : window_(window)
    , target_(target)
{
}

bool PictureMapping::IsValid() const
{
    return window_.width() > 0 && window_.height() > 0 && !target_.isEmpty();
}

int PictureMapping::X(int logicalX) const
{
    return target_.left()
        + static_cast<int>(RoundedMulDiv(logicalX, target_.width(), window_.width()));
}

int PictureMapping::Y(int logicalY) const
{
    return target_.top()
        + static_cast<int>(RoundedMulDiv(logicalY, target_.height(), window_.height()));
}

int PictureMapping::Height(int logicalHeight) const
{
    return static_cast<int>(RoundedMulDiv(logicalHeight, target_.height(), window_.height()));
}

QFont PictureFont(GlyphSlant slant, int pixelSize)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif, QFont::NoAntialias);
    font.setPixelSize(std::max(1, pixelSize));
    font.setWeight(QFont::Normal);
    font.setItalic(slant == GlyphSlant::Italic);
    return font;
}

void DrawVectorPicture(QPainter& painter, const VectorPicture& picture, const QRect& target)
{
    const PictureMapping mapping(QSize(picture.window.width, picture.window.height), target);
    if (!mapping.IsValid())
        return;

    painter.save();
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setPen(Qt::black);
    for (const PictureGlyph& glyph : picture.glyphs) {
        painter.setFont(PictureFont(glyph.slant, mapping.Height(glyph.emHeight)));
        painter.drawText(QPoint(mapping.X(glyph.x), mapping.Y(glyph.baseline)),
                         GlyphText(glyph.character));
    }
    for (const PictureRule& rule : picture.rules) {
        // A pen thinner than a pixel still draws one pixel.
        const int width = std::max(1, mapping.Height(rule.penWidth));
        const int left = mapping.X(std::min(rule.x0, rule.x1));
        const int right = mapping.X(std::max(rule.x0, rule.x1));
        const int top = mapping.Y(rule.y) - width / 2;
        painter.fillRect(QRect(left, top, right - left, width), Qt::black);
    }
    painter.restore();
}
