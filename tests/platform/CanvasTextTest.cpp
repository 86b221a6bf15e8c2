// Text on the canvas: font sizes, measuring, placement, alignment, background, rotation.
#include "platform/Canvas.h"
#include "platform/Fonts.h"

#include "tests/platform/CanvasSurface.h"
#include "tests/support/TestImages.h"

#include <QFontMetrics>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

using platform::Canvas;
using testing_support::countPixelsNot;
using testing_support::rgbAt;

constexpr unsigned kWhite = 0xFFFFFF;
constexpr unsigned kYellow = 0xFFFF00;
const std::string kText = "Kyvadlo 15";

// A white surface whose canvas starts with a clear brush: text without a box.
struct Surface : canvas_testing::Surface {
    explicit Surface(int width = 120, int height = 80)
        : canvas_testing::Surface(width, height)
    {
        canvas.Brush().SetStyle(bsClear);
    }
};

// The smallest rectangle holding every pixel not of the background.
QRect inkBounds(const QImage& image, unsigned background = kWhite)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (rgbAt(image, x, y) != background)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

TEST(CanvasFonts, PointSizesBecomePixelsAtTheFontsPixelsPerInch)
{
    TFontData font;
    EXPECT_EQ(platform::FontPixelSize(font), 11);
    font.size = 10;
    EXPECT_EQ(platform::FontPixelSize(font), 13);
    font.pixelsPerInch = 120;
    EXPECT_EQ(platform::FontPixelSize(font), 17);
    font.pixelHeight = -20;
    EXPECT_EQ(platform::FontPixelSize(font), 20);
    font = TFontData{};
    font.size = 0;
    EXPECT_EQ(platform::FontPixelSize(font), 1) << "never a font without height";

    EXPECT_EQ(platform::MulDiv(7, 3, 2), 11) << "halves away from zero";
    EXPECT_EQ(platform::MulDiv(-7, 3, 2), -11);
    EXPECT_EQ(platform::MulDiv(5, 1, -2), -3);
    EXPECT_EQ(platform::MulDiv(1, 1, 0), -1);
    EXPECT_EQ(platform::MulDiv(1 << 30, 8, 1), -1);
}
TEST(CanvasText, MeasuresAdvanceAndAscentPlusDescent)
{
    Canvas canvas;
    const QFontMetrics metrics(platform::qt::ToQFont(platform::TextFontOf(canvas.Font().Data())));
    EXPECT_EQ(canvas.TextHeight(kText), metrics.ascent() + metrics.descent());
    EXPECT_EQ(canvas.TextHeight(std::string()), canvas.TextHeight("W"));
    EXPECT_EQ(canvas.TextWidth(kText), metrics.horizontalAdvance(QString::fromStdString(kText)));
    EXPECT_EQ(canvas.TextWidth(std::string()), 0);
    const int small = canvas.TextWidth(kText);
    canvas.Font().SetSize(16);
    EXPECT_GT(canvas.TextWidth(kText), small) << "a new size is measured at once";
}

TEST(CanvasText, IsPlacedByItsTopLeftCornerInTheFontColour)
{
    Surface s;
    s.canvas.Font().SetColor(clRed);
    s.canvas.TextOut(20, 30, kText);
    const QRect ink = inkBounds(s.image);
    const QRect cell(20, 30, s.canvas.TextWidth(kText), s.canvas.TextHeight(kText));
    EXPECT_TRUE(cell.contains(ink)) << "ink outside the text cell";

    // The same glyphs as QPainter's text with its baseline at the ascent.
    QImage reference(120, 80, QImage::Format_RGB32);
    reference.fill(Qt::white);
    {
        QPainter painter(&reference);
        painter.setFont(platform::qt::ToQFont(platform::TextFontOf(s.canvas.Font().Data())));
        painter.setPen(QColor(Qt::red));
        painter.drawText(20, 30 + QFontMetrics(painter.font()).ascent(), QString::fromStdString(kText));
    }
    s.canvas.Unbind();
    EXPECT_EQ(s.image, reference);
}

TEST(CanvasText, AlignmentFlagsMoveTheAnchorToTheNamedEdge)
{
    Surface left;
    left.canvas.TextOut(30, 20, kText);
    const int width = left.canvas.TextWidth(kText);
    const int height = left.canvas.TextHeight(kText);
    left.canvas.Unbind();

    const struct {
        int flags;
        int x;
        int y;
    } cases[] = {
        {TextAlign::Right, 30 + width, 20},
        {TextAlign::Center, 30 + width / 2, 20},
        {TextAlign::Left | TextAlign::Bottom, 30, 20 + height},
        {TextAlign::Right | TextAlign::Bottom, 30 + width, 20 + height},
    };
    for (const auto& c : cases) {
        Surface s;
        s.canvas.SetTextAlignment(c.flags);
        s.canvas.TextOut(c.x, c.y, kText);
        s.canvas.Unbind();
        EXPECT_EQ(s.image, left.image) << "flags " << c.flags;
    }
}

TEST(CanvasText, OpaqueBackgroundFillsTheCellAndTransparentLeavesIt)
{
    Surface opaque;
    opaque.canvas.SetBackgroundMode(bkOpaque);
    opaque.canvas.SetBackgroundColor(clYellow);
    opaque.canvas.TextOut(10, 10, kText);
    const int width = opaque.canvas.TextWidth(kText);
    const int height = opaque.canvas.TextHeight(kText);
    const int ink = countPixelsNot(opaque.image, kYellow, 10, 10, 10 + width, 10 + height);
    EXPECT_GT(ink, 0);
    EXPECT_EQ(countPixelsNot(opaque.image, 0x000000, 10, 10, 10 + width, 10 + height),
              width * height - ink);
    EXPECT_EQ(countPixelsNot(opaque.image, kWhite, 0, 0, 120, 80), width * height);

    Surface transparent;
    transparent.canvas.SetBackgroundMode(bkTransparent);
    transparent.canvas.SetBackgroundColor(clYellow);
    transparent.canvas.TextOut(10, 10, kText);
    EXPECT_EQ(countPixelsNot(transparent.image, kWhite, 0, 0, 120, 80), ink);
}

TEST(CanvasText, BrushAssignmentSetsTheBackgroundForTheNextOperation)
{
    Surface s;
    s.canvas.Brush().SetColor(clYellow);
    s.canvas.Brush().SetStyle(bsSolid);
    s.canvas.TextOut(5, 5, kText);
    EXPECT_EQ(s.canvas.BackgroundMode(), bkOpaque);
    EXPECT_EQ(s.canvas.BackgroundColor(), clYellow);
    EXPECT_EQ(rgbAt(s.image, 5, 5), kYellow) << "a solid brush gives an opaque background";

    s.canvas.Brush().SetStyle(bsClear);
    s.canvas.TextOut(5, 40, kText);
    EXPECT_EQ(s.canvas.BackgroundMode(), bkTransparent);
    EXPECT_EQ(rgbAt(s.image, 5, 40), kWhite) << "a clear brush gives text without a box";

    s.canvas.Brush().SetStyle(bsClear);
    s.canvas.SetBackgroundMode(bkOpaque);
    s.canvas.TextOut(5, 60, kText);
    EXPECT_EQ(rgbAt(s.image, 5, 60), kYellow) << "an explicit mode set after the brush wins";
}

TEST(CanvasText, RotatedTextRunsUpwardsAndTurnsAreTakenModulo360)
{
    Surface quarter(80, 120);
    quarter.canvas.TextOutRotated(30, 100, 90, kText);
    const int width = quarter.canvas.TextWidth(kText);
    const int height = quarter.canvas.TextHeight(kText);
    quarter.canvas.Unbind();
    const QRect ink = inkBounds(quarter.image);
    EXPECT_TRUE(QRect(30, 100 - width, height, width + 1).contains(ink));
    EXPECT_GT(ink.height(), width / 2) << "the text runs along y";

    for (const double angle : {450.0, -270.0, 810.0}) {
        Surface again(80, 120);
        again.canvas.TextOutRotated(30, 100, angle, kText);
        again.canvas.Unbind();
        EXPECT_EQ(again.image, quarter.image) << angle;
    }

    Surface level(120, 80);
    level.canvas.TextOutRotated(10, 20, 0, kText);
    Surface plain(120, 80);
    plain.canvas.TextOut(10, 20, kText);
    level.canvas.Unbind();
    plain.canvas.Unbind();
    EXPECT_EQ(level.image, plain.image);
}

TEST(CanvasText, RotatedTextKeepsAlignmentAndOpaqueCellInItsOwnDirection)
{
    Surface s(80, 120);
    s.canvas.SetBackgroundMode(bkOpaque);
    s.canvas.SetBackgroundColor(clYellow);
    s.canvas.SetTextAlignment(TextAlign::Center | TextAlign::Bottom);
    s.canvas.TextOutRotated(40, 60, 90, kText);
    const int width = s.canvas.TextWidth(kText);
    const int height = s.canvas.TextHeight(kText);
    s.canvas.Unbind();
    // Centred on y = 60 with the cell's bottom edge on x = 40, that is, left of it.
    const QRect cell = inkBounds(s.image);
    EXPECT_EQ(cell.right(), 39);
    EXPECT_EQ(cell.left(), 40 - height);
    EXPECT_EQ(cell.height(), width);
    EXPECT_LE(std::abs(cell.center().y() - 60), 1);
}

// Upright text comes from glyphs the canvas shaped at the text's first use,
// drawn again and again: the pixels are those QPainter::drawText gives the
// text at its place, at every device pixel ratio, in every face and size,
// with characters from other fonts and with the controls drawText alone
// handles. Each text is written twice, the second time from the cache.
TEST(CanvasText, TextFromItsShapedGlyphsHasThePixelsOfDrawText)
{
    const std::vector<std::string> texts = {"0",           "-14", "1,234.567", "fi [°]", "t [s]",
                                            "Graf",        "délka a [m]", "ŘŠŤŮŽ ěščřžýáíé", "Ω≈∑ 中文",
                                            "a\tb",        " W ", ""};
    struct Face {
        const char* name;
        int pixels;
        unsigned styles;
    };
    const Face faces[] = {{"Arial", 11, 0},
                          {"Times New Roman", 13, static_cast<unsigned>(TFontStyle::Italic)},
                          {"Arial", 17, static_cast<unsigned>(TFontStyle::Bold)},
                          {"Arial", 11, static_cast<unsigned>(TFontStyle::Underline)}};
    for (const double ratio : {1.0, 1.25, 1.5, 1.75, 2.0, 2.5}) {
        for (const Face& face : faces) {
            SCOPED_TRACE(QStringLiteral("%1 %2 px at %3").arg(QLatin1String(face.name)).arg(face.pixels).arg(ratio).toStdString());
            canvas_testing::Surface drawn(160, 40 * static_cast<int>(texts.size()), kWhite, ratio);
            QImage expected = drawn.image.copy();
            drawn.canvas.Brush().SetStyle(bsClear);
            drawn.canvas.Font().SetName(face.name);
            drawn.canvas.Font().SetPixelHeight(face.pixels);
            drawn.canvas.Font().SetStyles(face.styles);
            drawn.canvas.Font().SetColor(clNavy);
            QPainter painter(&expected);
            painter.setRenderHint(QPainter::TextAntialiasing, false);
            const QFont font = platform::qt::ToQFont(platform::TextFontOf(drawn.canvas.Font().Data()));
            painter.setFont(font);
            painter.setPen(QColor::fromRgb(ToRgb(clNavy)));
            const int ascent = QFontMetrics(font).ascent();
            for (int i = 0; i < static_cast<int>(texts.size()); ++i) {
                for (const QPoint at : {QPoint(3, 40 * i + 1), QPoint(7, 40 * i + 19)}) {
                    drawn.canvas.TextOut(at.x(), at.y(), texts[i]);
                    painter.drawText(at.x(), at.y() + ascent, QString::fromStdString(texts[i]));
                }
            }
            painter.end();
            drawn.canvas.Unbind();
            EXPECT_EQ(drawn.image, expected.convertToFormat(QImage::Format_RGB32));
        }
    }
}

} // namespace
