// The back wall, the series clipped inside it, and the zoom rubber band.
#include "chart/AxisPixelMaps.h"
#include "chart/ChartCanvas.h"
#include "chart/CustomChart.h"

#include <algorithm>
#include <optional>

void TCustomChart::PaintWalls()
{
    ApplyWallStyle(backWall_);
    const TChartRect& area = ChartArea();
    // The outline runs on the chart rectangle's own edge pixels, right column
    // and bottom row included.
    Canvas().DrawRectangle(area.left, area.top, area.right + 1, area.bottom + 1);
}

void TCustomChart::ApplyWallStyle(const TChartWall& wall)
{
    Canvas().ApplyVisiblePen(wall.Pen());
    if (wall.Color() == clDefault && wall.Brush().Style() == bsSolid)
        Canvas().Brush().SetStyle(bsClear);
    else
        ApplyFillStyle(wall.Color(), wall.Brush().Style(), wall.Brush().Color());
}

void TCustomChart::ApplyFillStyle(TColor color, TBrushStyle style, TColor backgroundColor)
{
    TChartCanvas3D& canvas = Canvas();
    // Hatching in the background's own colour would not show.
    if (style != bsSolid && color == backgroundColor)
        color = backgroundColor == clBlack ? clWhite : clBlack;
    canvas.Brush().Assign({color, style});
    if (style == bsSolid) {
        canvas.SetBackgroundMode(bkTransparent);
    } else {
        canvas.SetBackgroundMode(bkOpaque);
        canvas.SetBackgroundColor(PlainColor(backgroundColor));
    }
}

void TCustomChart::DrawOneSeries(TChartSeries& series, AxisPixelMaps& maps)
{
    series.ComputeVisibleRange();
    if (series.FirstVisibleIndex() == -1)
        return;
    series.DoBeforeDrawValues();
    // A drawing handler may change how the axes map; the maps follow it.
    if (series.BeforeDrawValues)
        maps.Renew();
    series.DrawValues({Canvas(), maps, IsPrinting(), ClipPoints() ? std::optional(SeriesClipRect()) : std::nullopt});
    series.DoAfterDrawValues();
    if (series.AfterDrawValues)
        maps.Renew();
}

TChartRect TCustomChart::SeriesClipRect() const
{
    const TChartRect& area = ChartArea();
    // Inside the wall's outline; the bottom edge of the clip is exclusive, so
    // the row just above the outline's bottom row stays clear. A chart
    // rectangle one row high turns the rows round; the canvas clips to them
    // in order.
    const int top = area.top + 1;
    const int bottom = area.bottom - 1;
    return {area.left + 1, std::min(top, bottom), area.right, std::max(top, bottom)};
}

void TCustomChart::ClipSeriesArea()
{
    Canvas().ClipRectangle(SeriesClipRect());
    clipped_ = true;
}

void TCustomChart::ReleaseClip()
{
    if (!clipped_)
        return;
    Canvas().RemoveClipping();
    clipped_ = false;
}

void TCustomChart::DrawZoomRectangle()
{
    TChartCanvas3D& canvas = Canvas();
    const TColor panel = PlainColor(Color());
    canvas.Pen().Assign({panel == clWhite ? clBlack : panel, 1, psSolid, pmNotXor});
    canvas.Brush().SetStyle(bsClear);
    canvas.DrawRectangle(zoomDrag_.x0, zoomDrag_.y0, zoomDrag_.x1, zoomDrag_.y1);
    // Outside a paint the band goes straight onto the window.
    if (canvas.Target() == WindowCanvas() && Host() != nullptr)
        Host()->FlushWindow();
}
