#include "chart/CustomChart.h"

#include "chart/AxisPixelMaps.h"
#include "chart/ChartCanvas.h"
#include "chart/FastLineSeries.h"
#include "platform/Fonts.h"

TCustomChart::TCustomChart()
    : title_(*this)
    , foot_(*this)
    , backWall_(*this)
    , leftWall_(*this)
    , legend_(*this)
    , bottomWall_(*this)
{
    // The back wall only outlines the chart rectangle; the panel shows through.
    backWall_.InitBrushStyle(bsClear);
    leftWall_.InitColor(0x80FFFF);
    bottomWall_.InitColor(clWhite);
}

// The series still attached are destroyed by the axis level, after the
// titles and walls are gone: it cuts the window off first, so nothing reaches
// this level's parts from then on.
TCustomChart::~TCustomChart() = default;

void TCustomChart::SetBackColor(TColor value)
{
    backWall_.SetColor(value);
    if (Host() != nullptr && !IsLoading())
        backWall_.Brush().SetStyle(bsSolid);
}

void TCustomChart::SetBevelOuter(TBevelCut value)
{
    StoreSetting(bevelOuter_, value);
}

void TCustomChart::SetBevelInner(TBevelCut value)
{
    StoreSetting(bevelInner_, value);
}

void TCustomChart::SetBevelWidth(int value)
{
    StoreSetting(bevelWidth_, value);
}

void TCustomChart::SetBorderWidth(int value)
{
    StoreSetting(borderWidth_, value);
}

bool TCustomChart::Monochrome() const
{
    return Canvas().Monochrome();
}

void TCustomChart::SetMonochrome(bool value)
{
    if (Canvas().Monochrome() == value)
        return;
    Canvas().SetMonochrome(value);
    RequestRepaint();
}

void TCustomChart::HandlePaint()
{
    if (Canvas().RedrawFromBuffer())
        return;
    RenderToCanvas(WindowCanvas(), {0, 0, ClientWidth(), ClientHeight()});
}

void TCustomChart::HandlePaintReportingFailure()
{
    try {
        HandlePaint();
    } catch (const std::exception& error) {
        if (OnPaintError)
            OnPaintError(error);
    }
}

void TCustomChart::HandleMouseReportingFailure(const std::function<void()>& action)
{
    try {
        action();
    } catch (const std::exception& error) {
        if (OnMouseError)
            OnMouseError(error);
    }
}

void TCustomChart::RenderToCanvas(platform::Canvas* target, const TChartRect& rect)
{
    // A window without pixels has nothing to show.
    if (rect.Width() <= 0 || rect.Height() <= 0)
        return;
    TChartCanvas3D& canvas = Canvas();
    SetDrawBounds(canvas.BeginDrawing(target, rect));
    try {
        const TChartRect& bounds = DrawBounds();
        const int w = bounds.Width();
        const int h = bounds.Height();
        SetChartArea({bounds.left + borderWidth_ + platform::MulDiv(MarginLeft(), w, 100),
            bounds.top + borderWidth_ + platform::MulDiv(MarginTop(), h, 100),
            bounds.right - borderWidth_ - platform::MulDiv(MarginRight(), w, 100),
            bounds.bottom - borderWidth_ - platform::MulDiv(MarginBottom(), h, 100)});
        RenderChart(bounds);
    } catch (...) {
        // A failed paint leaves the kept picture stale and the window canvas
        // as the target, so drawing outside a paint still reaches the window.
        clipped_ = false;
        canvas.RemoveClipping();
        canvas.SetTarget(WindowCanvas());
        throw;
    }
    canvas.EndDrawing(target, WindowCanvas(), rect);
}

void TCustomChart::RenderChart(const TChartRect& bounds)
{
    PaintPanel(bounds);
    // Handlers may detach series while the picture is drawn: walk a copy and
    // skip those that left.
    const std::vector<TChartSeries*> series(SeriesList().begin(), SeriesList().end());
    const auto stillAttached = [this](TChartSeries* s) { return SeriesList().Contains(s); };
    for (TChartSeries* s : series)
        if (stillAttached(s) && s->Active())
            s->BeforeChartPaint();
    DrawTitles();
    LayoutAxes();
    ApplySeriesInsets();
    PaintWalls();
    if (AxisVisible() && axesBehindSeries)
        DrawAxes();
    if (OnBeforeDrawSeries)
        OnBeforeDrawSeries(*this);
    // The axes have this paint's ranges and pixels from here on.
    AxisPixelMaps maps(*this);
    const std::vector<TFastLineSeries*> prepared = HideCoveredSegments(series, maps);
    const auto discardPrepared = [&prepared] {
        for (TFastLineSeries* line : prepared)
            line->DiscardPreparedStrip();
    };
    try {
        for (TChartSeries* s : series)
            if (stillAttached(s) && s->Active())
                DrawOneSeries(*s, maps);
    } catch (...) {
        discardPrepared();
        throw;
    }
    discardPrepared();
    if (AxisVisible() && !axesBehindSeries)
        DrawAxes();
    NoteZoomBandPainted();
    if (zoomDrag_.active)
        DrawZoomRectangle();
    Canvas().ResetCanvasState();
    if (OnAfterDraw)
        OnAfterDraw(*this);
}

void TCustomChart::DrawAxes()
{
    if (OnBeforeDrawAxes)
        OnBeforeDrawAxes(*this);
    for (TCustomChartAxis* axis : AxisList())
        if (AxisIsShown(*axis))
            axis->DrawAxis(true);
}
