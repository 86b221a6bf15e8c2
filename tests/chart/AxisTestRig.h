#pragma once

#include "chart/ChartSeries.h"
#include "chart/CustomChart.h"
#include "platform/Canvas.h"
#include "platform/qt/QtCanvasTarget.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <vector>

// A chart that draws into an image through its canvas, with the steps of a
// paint that concern the axes: the chart's own layout of the axes (ranges,
// the bands the shown axes claim, their pixels) and their drawing.
// Two-dimensional, like the program's chart.
class AxisRig {
public:
    explicit AxisRig(int width = 420, int height = 320)
        : image_(width, height, QImage::Format_RGB32)
    {
        image_.fill(Qt::white);
        platform::qt::BindImage(window_, &image_);
        chart.SetWindowCanvas(&window_);
        chart.SetView3D(false);
    }
    ~AxisRig() { chart.SetWindowCanvas(nullptr); }
    AxisRig(const AxisRig&) = delete;
    AxisRig& operator=(const AxisRig&) = delete;

    // A series with one point on the bottom and left axes, so that both
    // show value labels; the chart destroys it.
    TChartSeries& AddSeries(double x = 0, double y = 0)
    {
        auto* series = new TChartSeries();
        series->SetParentChart(&chart);
        series->AddPoint(x, y);
        return *series;
    }

    // The range the program gives an axis at a start.
    static void SetManualRange(TCustomChartAxis& axis, double minimum, double maximum)
    {
        axis.SetAutomatic(false);
        axis.SetRange(minimum, maximum);
    }

    // Lays the shown axes out on area and returns the chart rectangle they leave.
    TChartRect LayOut(const TChartRect& area)
    {
        chart.SetChartArea(area);
        chart.LayoutAxes();
        return chart.ChartArea();
    }

    // Lays out and draws the shown axes on a white picture.
    void Paint(const TChartRect& area = {40, 30, 380, 280})
    {
        LayOut(area);
        image_.fill(Qt::white);
        for (TCustomChartAxis* axis : chart.AxisList()) {
            if (chart.AxisIsShown(*axis))
                axis->DrawAxis(true);
        }
    }

    const QImage& Image() const { return image_; }
    QImage& Image() { return image_; }

    // The font height and text width of a font, as the canvas measures them.
    int FontHeight(TChartFont& font)
    {
        chart.SelectChartFont(font);
        return chart.Canvas().FontHeight();
    }
    int TextWidth(TChartFont& font, const std::string& text)
    {
        chart.SelectChartFont(font);
        return chart.Canvas().TextWidth(text);
    }

private:
    QImage image_;
    platform::Canvas window_;

public:
    TCustomChart chart;
};

// Pixel helpers for axis pictures.
namespace axis_pixels {

inline constexpr QRgb white = 0xFFFFFF;
inline constexpr QRgb black = 0x000000;
inline constexpr QRgb gray = 0x808080;

inline QRgb At(const QImage& image, int x, int y)
{
    return image.pixel(x, y) & 0xFFFFFF;
}

// The pixels of one colour in a rectangle, as an image of their own: set
// pixels black, others white, cut to their bounding box. Empty when there
// are none. Two texts drawn alike give equal ink.
struct Ink {
    QRect box;
    QImage mask;
    bool operator==(const Ink& other) const { return box.size() == other.box.size() && mask == other.mask; }
};

inline Ink InkOf(const QImage& image, const QRect& region, QRgb colour = black)
{
    Ink ink;
    const QRect area = region & image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (At(image, x, y) == colour)
                ink.box |= QRect(x, y, 1, 1);
        }
    }
    if (ink.box.isEmpty())
        return ink;
    ink.mask = QImage(ink.box.size(), QImage::Format_RGB32);
    for (int y = 0; y < ink.box.height(); ++y) {
        for (int x = 0; x < ink.box.width(); ++x)
            ink.mask.setPixel(x, y, At(image, ink.box.x() + x, ink.box.y() + y) == colour ? 0xFF000000 : 0xFFFFFFFF);
    }
    return ink;
}

// The ink of a text drawn alone in black with its top-left corner at (x, y),
// turned by angle degrees about that corner, on a picture of the given size.
inline Ink ReferenceInk(const TChartFont& font, const std::string& text, int x, int y, QSize size, int angle = 0)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    platform::Canvas canvas;
    platform::qt::BindImage(canvas, &picture);
    canvas.Font().Assign(font.Data());
    canvas.Font().SetColor(clBlack);
    canvas.Brush().SetStyle(bsClear);
    if (angle == 0)
        canvas.TextOut(x, y, text);
    else
        canvas.TextOutRotated(x, y, angle, text);
    canvas.Unbind();
    return InkOf(picture, picture.rect());
}

// The columns of row y that have the colour.
inline std::vector<int> RowPositions(const QImage& image, int y, QRgb colour)
{
    std::vector<int> positions;
    for (int x = 0; x < image.width(); ++x) {
        if (At(image, x, y) == colour)
            positions.push_back(x);
    }
    return positions;
}

} // namespace axis_pixels
