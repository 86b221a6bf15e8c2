#include "chart/FastLineSeries.h"

#include "chart/AxisPanel.h"
#include "chart/AxisPixelMapper.h"
#include "chart/AxisPixelMaps.h"
#include "chart/ChartCanvas.h"
#include "chart/LineCoverage.h"
#include "platform/RasterVectorUnit.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

// Whether p lies on the segment from a to b, with no tolerance: collinear and
// within the segment's box.
bool IsOnSegment(platform::Point a, platform::Point b, platform::Point p)
{
    const std::int64_t cross = static_cast<std::int64_t>(b.x - a.x) * (p.y - a.y)
        - static_cast<std::int64_t>(b.y - a.y) * (p.x - a.x);
    if (cross != 0)
        return false;
    const auto between = [](int v, int e1, int e2) { return e1 <= e2 ? e1 <= v && v <= e2 : e2 <= v && v <= e1; };
    return between(p.x, a.x, b.x) && between(p.y, a.y, b.y);
}

} // namespace

TFastLineSeries::TFastLineSeries(platform::ComponentOwner* owner)
    : TChartSeries(owner)
{
    linePen_.OnChange = [this] { LinePenChanged(); };
    // The point after the visible stretch is kept, so the segment leaving the
    // plot on the right is drawn.
    SetDrawsBetweenPoints(true);
}

void TFastLineSeries::SetSeriesColor(TColor value)
{
    TChartSeries::SetSeriesColor(value);
    linePen_.SetColor(value);
}

void TFastLineSeries::SetLinePen(const TChartPen& pen)
{
    linePen_.Assign(pen);
    SetSeriesColor(linePen_.Color());
}

void TFastLineSeries::LinePenChanged()
{
    // A colour given to the pen directly becomes the series colour too.
    if (linePen_.Color() != SeriesColor())
        SetSeriesColor(linePen_.Color());
    PenChanged();
}

void TFastLineSeries::PrepareLinePen()
{
    if (TCustomAxisPanel* chart = ParentChart())
        ApplyLinePen(chart->Canvas(), chart->IsPrinting());
}

void TFastLineSeries::ApplyLinePen(TChartCanvas3D& canvas, bool printing) const
{
    canvas.ApplyVisiblePen(linePen_);
    // A printer draws a styled one-pixel pen as a cosmetic one.
    if (printing && canvas.Pen().Style() != psSolid && canvas.Pen().Width() == 1)
        canvas.Pen().SetWidth(0);
    canvas.Brush().SetStyle(bsClear);
}

void TFastLineSeries::DrawAllPoints()
{
    TCustomAxisPanel* chart = ParentChart();
    if (chart == nullptr)
        return;
    const DeviceLinePlacement placement = DeviceLinePlacement::ForPen(chart->Canvas().Mapping(), linePen_.Width());
    const AxisPixelMapper toX(*GetHorizAxis(), true, placement);
    const AxisPixelMapper toY(*GetVertAxis(), false, placement);
    DrawLine({chart->Canvas(), toX, toY, chart->IsPrinting(), std::nullopt});
}

void TFastLineSeries::DrawValues(const SeriesPaint& paint)
{
    if (StripLine() == nullptr) {
        TChartSeries::DrawValues(paint);
        return;
    }
    DrawLine({paint.canvas, paint.maps.Of(*GetHorizAxis()), paint.maps.Of(*GetVertAxis()), paint.printing, paint.clip});
}

void TFastLineSeries::DrawLine(const LinePaint& paint)
{
    // A range left over from before points were removed is worked out anew.
    if (LastVisibleIndex() >= PointCount())
        ComputeVisibleRange();
    if (FirstVisibleIndex() < 0)
        return;
    TChartCanvas3D& canvas = paint.canvas;
    if (paint.clip)
        canvas.ClipRectangle(*paint.clip);
    ApplyLinePen(canvas, paint.printing);
    if (!stripPrepared_) {
        // The paint's mappers place one-pixel pens; a wider pen lies a little
        // differently at device resolution.
        const DeviceLinePlacement placement = DeviceLinePlacement::ForPen(canvas.Mapping(), linePen_.Width());
        if (placement == paint.toX.Placement() && placement == paint.toY.Placement()) {
            CollectStrip(paint.toX, paint.toY, nullptr);
        } else {
            CollectStrip(AxisPixelMapper(paint.toX.Axis(), paint.toX.Horizontal(), placement),
                         AxisPixelMapper(paint.toY.Axis(), paint.toY.Horizontal(), placement), nullptr);
        }
    }
    stripPrepared_ = false;
    DrawRuns(canvas);
    if (paint.clip)
        canvas.RemoveClipping();
}

bool TFastLineSeries::CanHideSegments() const
{
    return linePen_.Visible() && linePen_.Style() == psSolid && linePen_.Width() == 1
        && linePen_.Mode() == pmCopy && !linePen_.SmallDots();
}

void TFastLineSeries::PrepareStrip(TLineCoverage& coverage, const AxisPixelMapper& toX, const AxisPixelMapper& toY)
{
    if (ParentChart() == nullptr || FirstVisibleIndex() < 0)
        return;
    CollectStrip(toX, toY, &coverage);
    stripPrepared_ = true;
}

void TFastLineSeries::DrawRuns(TChartCanvas3D& canvas)
{
    canvas.DrawDeviceLineStrips(strip_.Points(), strip_.Ends());
    // The pen rests on the last point's logical pixel, as after drawing every segment.
    canvas.MovePenTo(lastPixelX_, lastPixelY_);
}

double TFastLineSeries::XValueAt(int index) const
{
    return TChartSeries::XValueAt(index);
}

double TFastLineSeries::YValueAt(int index) const
{
    return TChartSeries::YValueAt(index);
}

int TFastLineSeries::PointPixelX(int index) const
{
    return TChartSeries::PointPixelX(index);
}

int TFastLineSeries::PointPixelY(int index) const
{
    return TChartSeries::PointPixelY(index);
}

void TFastLineSeries::CollectStrip(const AxisPixelMapper& toX, const AxisPixelMapper& toY, TLineCoverage* coverage)
{
    const int first = FirstVisibleIndex();
    const int last = LastVisibleIndex();
    // The point before the first visible one starts the entering segment.
    const auto from = static_cast<std::size_t>(first > 0 ? first - 1 : first);
    const auto count = static_cast<std::size_t>(last) + 1 - from;
    platform::raster::ClearUpperVectorHalves();

    // PointPixelX and PointPixelY of every point, in bulk, a block at a time
    // so that the pixels stay in the cache until the strip takes them.
    const TChartValueList& xs = XValues();
    const TChartValueList& ys = YValues();
    const std::span<const double> xValues = xs.StoredValues().subspan(from, count);
    const std::span<const double> yValues = ys.StoredValues().subspan(from, count);
    constexpr std::size_t blockSize = 1024;
    std::array<int, blockSize> xPixels;
    std::array<int, blockSize> yPixels;
    for (std::size_t start = 0; start < count; start += blockSize) {
        const std::size_t size = std::min(blockSize, count - start);
        toX.MapAll(xValues.subspan(start, size), xs.Multiplier(), xPixels);
        toY.MapAll(yValues.subspan(start, size), ys.Multiplier(), yPixels);
        std::size_t i = 0;
        if (start == 0) {
            // The first point starts the line: it never compares with the
            // pixel left over from an earlier paint.
            strip_.Start(platform::Point(xPixels[0], yPixels[0]), CanHideSegments(), coverage);
            if (coverage == nullptr)
                strip_.Reserve(count);
            i = 1;
        }
        // After it, a point on the pixel drawn last is left out.
        strip_.AddAll(std::span<const int>(xPixels).subspan(i, size - i),
                      std::span<const int>(yPixels).subspan(i, size - i));
    }
    strip_.Finish();
    // The pen rests on the last point's logical pixel, whatever pixels the
    // strip is in.
    lastPixelX_ = toX.AxisPixel(xValues[count - 1] * xs.Multiplier());
    lastPixelY_ = toY.AxisPixel(yValues[count - 1] * ys.Multiplier());
}

void TFastLineSeries::DrawPoint(int index)
{
    TCustomAxisPanel* chart = ParentChart();
    if (chart == nullptr)
        return;
    TChartCanvas3D& canvas = chart->Canvas();
    const int x = PointPixelX(index);
    const int y = PointPixelY(index);
    if (index == FirstVisibleIndex()) {
        if (index > 0)
            canvas.DrawLine(PointPixelX(index - 1), PointPixelY(index - 1), x, y);
        else
            canvas.MovePenTo(x, y);
    } else {
        if (x == lastPixelX_ && y == lastPixelY_)
            return;
        canvas.DrawLineTo(x, y);
    }
    lastPixelX_ = x;
    lastPixelY_ = y;
}

void TFastLineSeries::NotifyPointAdded(TChartSeries& sender, int index)
{
    if (autoRepaint_) {
        TChartSeries::NotifyPointAdded(sender, index);
        return;
    }
    TCustomAxisPanel* chart = ParentChart();
    if (chart == nullptr)
        return;
    // Straight onto the window: a plain copy of the pen, no clipping, and the
    // kept picture stays as it is; the next paint draws all points again.
    TChartCanvas3D& canvas = chart->Canvas();
    canvas.Pen().Assign(linePen_.Data());
    const int previous = index > 0 ? index - 1 : 0;
    canvas.MovePenTo(PointPixelX(previous), PointPixelY(previous));
    DrawPoint(index);
    if (chart->Host() != nullptr)
        chart->Host()->FlushWindow();
}

int TFastLineSeries::HitTest(int x, int y) const
{
    const int first = FirstVisibleIndex();
    const int last = LastVisibleIndex();
    if (first < 0 || last < 0 || ParentChart() == nullptr)
        return -1;
    const platform::Point mouse(x, y);
    platform::Point previous;
    for (int i = first; i <= last; ++i) {
        const platform::Point pixel(PointPixelX(i), PointPixelY(i));
        if (pixel == mouse)
            return i;
        if (i > first && IsOnSegment(previous, pixel, mouse))
            return i - 1;
        previous = pixel;
    }
    return -1;
}
