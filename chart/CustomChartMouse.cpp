// The chart's mouse handling: what a press hits, and the zoom and scroll
// drags that presses start, moves carry on and releases end.
#include "chart/ChartCanvas.h"
#include "chart/CustomChart.h"

#include <algorithm>
#include <cstdlib>

namespace {

// The series' visible range comes from the last paint; points removed since
// then leave it pointing past the end until the next paint.
bool VisibleRangeIsCurrent(const TChartSeries& series)
{
    return series.LastVisibleIndex() < series.PointCount();
}

} // namespace

TChartClickedPart TCustomChart::FindClickedPart(int x, int y) const
{
    // Later series lie on top of earlier ones.
    for (auto it = SeriesList().rbegin(); it != SeriesList().rend(); ++it) {
        TChartSeries* const series = *it;
        if (!series->Active() || !VisibleRangeIsCurrent(*series))
            continue;
        if (const int index = series->HitTest(x, y); index != -1)
            return {.Part = cpSeries, .ASeries = series, .PointIndex = index};
    }
    for (TCustomChartAxis* axis : AxisList())
        if (axis->IsPointOnAxis(x, y))
            return {.Part = cpAxis, .AAxis = axis};
    if (Title().Visible() && Title().BlockRect().Contains(x, y))
        return {.Part = cpTitle};
    if (Foot().Visible() && Foot().BlockRect().Contains(x, y))
        return {.Part = cpFoot};
    const bool anyActive = std::any_of(SeriesList().begin(), SeriesList().end(), [](const TChartSeries* s) { return s->Active(); });
    if (anyActive && ChartArea().Contains(x, y))
        return {.Part = cpChartRect};
    // The legend is never drawn, so it has no items to hit.
    return {};
}

bool TCustomChart::RaiseClick(const TChartMouseEvent& handler, TMouseButton button, TShiftState shift, int x, int y)
{
    if (!handler)
        return false;
    mouse_.clickConsumed = true;
    handler(*this, button, shift, x, y);
    return mouse_.clickConsumed;
}

void TCustomChart::HandleMouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseDown)
        OnMouseDown(*this, button, shift, x, y);
    // While a drag goes on, further presses are ignored.
    if (zoomDrag_.active || scrollDrag_.active)
        return;
    if (mouse_.clickConsumed) {
        mouse_.clickConsumed = false;
        return;
    }
    // A press is over when this returns, also when a handler throws.
    struct ClickEnd {
        bool& consumed;
        ~ClickEnd() { consumed = false; }
    } clickEnd{mouse_.clickConsumed};

    const TChartClickedPart part = FindClickedPart(x, y);
    bool handled = false;
    bool backgroundAsked = false;
    switch (part.Part) {
    case cpLegend:
        handled = RaiseClick(OnClickLegend, button, shift, x, y);
        break;
    case cpAxis:
        if (OnClickAxis) {
            mouse_.clickConsumed = true;
            OnClickAxis(*this, *part.AAxis, button, shift, x, y);
            handled = mouse_.clickConsumed;
        }
        if (!handled)
            handled = BeginZoomOrScroll(button, shift, x, y);
        break;
    case cpSeries:
        // The series themselves take no clicks; the chart's handler may.
        if (OnClickSeries) {
            mouse_.clickConsumed = true;
            OnClickSeries(*this, *part.ASeries, part.PointIndex, button, shift, x, y);
            handled = mouse_.clickConsumed;
        }
        if (!handled)
            handled = BeginZoomOrScroll(button, shift, x, y);
        break;
    case cpChartRect:
        handled = RaiseClick(OnClickBackground, button, shift, x, y);
        backgroundAsked = true;
        if (!handled)
            handled = BeginZoomOrScroll(button, shift, x, y);
        break;
    case cpTitle:
    case cpFoot:
    case cpNone:
        break;
    }
    // A press nothing took is a click on the background, told once.
    if (!handled && !backgroundAsked)
        RaiseClick(OnClickBackground, button, shift, x, y);
}

bool TCustomChart::BeginZoomOrScroll(TMouseButton button, TShiftState shift, int x, int y)
{
    bool started = false;
    if (AllowZoom() && button == zoomButton && AllKeysHeld(shift, zoomShiftKeys)) {
        ShowCursor(crDefault);
        zoomDrag_.Start(x, y);
        DrawZoomRectangle();
        started = true;
    }
    if (AllowPanning() != pmNone && button == scrollButton && AllKeysHeld(shift, scrollShiftKeys)) {
        ShowCursor(crDefault);
        scrollDrag_.Start(x, y);
        started = true;
    }
    return started;
}

void TCustomChart::HandleMouseMove(TShiftState shift, int x, int y)
{
    if (OnMouseMove)
        OnMouseMove(*this, shift, x, y);
    if (zoomDrag_.active) {
        if (x == zoomDrag_.x1 && y == zoomDrag_.y1)
            return;
        // The band inverts: drawn again in the same place it is gone.
        DrawZoomRectangle();
        zoomDrag_.x1 = x;
        zoomDrag_.y1 = y;
        DrawZoomRectangle();
    } else if (scrollDrag_.active) {
        if (!ChartArea().Contains(x, y)) {
            scrollDrag_.active = false;
            return;
        }
        if (x == scrollDrag_.x1 && y == scrollDrag_.y1)
            return;
        RememberAxisRanges();
        const bool scrolledHorizontally = ScrollAxesByDrag(true, scrollDrag_.x1, x);
        const bool scrolledVertically = ScrollAxesByDrag(false, scrollDrag_.y1, y);
        scrollDrag_.x1 = x;
        scrollDrag_.y1 = y;
        if (scrolledHorizontally || scrolledVertically) {
            if (OnScroll)
                OnScroll(*this);
            RequestRepaint();
        }
    } else {
        ShowCursorAt(x, y);
    }
}

void TCustomChart::ShowCursorAt(int x, int y)
{
    TCursor wanted = Cursor();
    for (auto it = SeriesList().rbegin(); it != SeriesList().rend(); ++it) {
        TChartSeries* const series = *it;
        if (series->Active() && series->Cursor() != crDefault && VisibleRangeIsCurrent(*series)
            && series->HitTest(x, y) != -1) {
            wanted = series->Cursor();
            break;
        }
    }
    if (CurrentCursor() != wanted)
        ShowCursor(wanted);
}

void TCustomChart::HandleMouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseUp)
        OnMouseUp(*this, button, shift, x, y);
    if (zoomDrag_.active && button == zoomButton) {
        zoomDrag_.active = false;
        DrawZoomRectangle();
        Canvas().Pen().SetMode(pmCopy);
        zoomDrag_.x1 = x;
        zoomDrag_.y1 = y;
        // A paint during the drag drew the band into the kept picture too.
        const bool bandInPicture = mouse_.zoomBandInPicture;
        mouse_.zoomBandInPicture = false;
        const bool longEnough = std::abs(zoomDrag_.x1 - zoomDrag_.x0) > minimumZoomDrag
                                && std::abs(zoomDrag_.y1 - zoomDrag_.y0) > minimumZoomDrag;
        if (longEnough) {
            if (zoomDrag_.x1 > zoomDrag_.x0 && zoomDrag_.y1 > zoomDrag_.y0)
                ZoomToRectangle();
            else
                UndoZoom();
        }
        if (longEnough || bandInPicture)
            RequestRepaint();
    }
    scrollDrag_.active = false;
}

void TCustomChart::HandleWheelTurn(double eighths, TShiftState shift, int x, int y)
{
    constexpr double notch = 120.0;
    wheelRemainder_ += eighths;
    while (wheelRemainder_ >= notch || wheelRemainder_ <= -notch) {
        const bool towardsUser = wheelRemainder_ < 0;
        wheelRemainder_ += towardsUser ? notch : -notch;
        HandleMouseReportingFailure([&] { HandleMouseWheel(towardsUser, shift, x, y); });
    }
}

void TCustomChart::HandleMouseWheel(bool towardsUser, TShiftState shift, int x, int y)
{
    const TChartMouseMoveEvent& handler = towardsUser ? OnMouseWheelDown : OnMouseWheelUp;
    if (handler)
        handler(*this, shift, x, y);
    ScrollVerticalAxesByWheel(towardsUser);
}

void TCustomChart::HandleMouseLeave()
{
    scrollDrag_.active = false;
    if (CurrentCursor() != Cursor())
        ShowCursor(Cursor());
}

void TCustomChart::NoteZoomBandPainted()
{
    // Only a buffered paint keeps what it drew.
    mouse_.zoomBandInPicture = zoomDrag_.active && Canvas().UseOffscreenBuffer();
}
