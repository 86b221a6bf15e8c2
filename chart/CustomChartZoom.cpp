// Zooming the chart's side axes to a rectangle, and undoing it.
#include "chart/CustomChart.h"

#include <algorithm>
#include <utility>

namespace {

TAxisRangeMemo RangeOf(const TCustomChartAxis& axis)
{
    return {axis.Automatic(), axis.AutomaticMinimum(), axis.AutomaticMaximum(), axis.Minimum(), axis.Maximum()};
}

// A manual range is set first, because setting a range clears the automatic
// flags; the flags then come back as they were, one-sided ones included.
void RestoreRange(TCustomChartAxis& axis, const TAxisRangeMemo& memo)
{
    if (!memo.automatic)
        axis.SetRange(memo.minimum, memo.maximum);
    axis.SetAutomatic(memo.automatic);
    axis.SetAutomaticMinimum(memo.automaticMinimum);
    axis.SetAutomaticMaximum(memo.automaticMaximum);
}

} // namespace

void TCustomChart::ZoomToRectangle()
{
    if (zoomDrag_.x0 > zoomDrag_.x1)
        std::swap(zoomDrag_.x0, zoomDrag_.x1);
    if (zoomDrag_.y0 > zoomDrag_.y1)
        std::swap(zoomDrag_.y0, zoomDrag_.y1);
    const auto across = [this](const TCustomChartAxis& axis) -> TAxisZoomTarget {
        return {axis.PixelToValue(zoomDrag_.x0), axis.PixelToValue(zoomDrag_.x1)};
    };
    // Screen y grows downwards: the lower edge holds the smaller values.
    const auto upDown = [this](const TCustomChartAxis& axis) -> TAxisZoomTarget {
        return {axis.PixelToValue(zoomDrag_.y1), axis.PixelToValue(zoomDrag_.y0)};
    };
    ApplyZoom({.left = upDown(LeftAxis()),
        .right = upDown(RightAxis()),
        .top = across(TopAxis()),
        .bottom = across(BottomAxis())});
}

void TCustomChart::ApplyZoom(const TChartZoomTargets& targets)
{
    RememberAxisRanges();
    if (AnimatedZoom()) {
        for (int step = 1; step < AnimatedZoomSteps(); ++step) {
            ZoomStep(LeftAxis(), targets.left.minimum, targets.left.maximum);
            ZoomStep(RightAxis(), targets.right.minimum, targets.right.maximum);
            ZoomStep(TopAxis(), targets.top.minimum, targets.top.maximum);
            ZoomStep(BottomAxis(), targets.bottom.minimum, targets.bottom.maximum);
            Repaint();
        }
    }
    LeftAxis().SetRange(targets.left.minimum, targets.left.maximum);
    RightAxis().SetRange(targets.right.minimum, targets.right.maximum);
    TopAxis().SetRange(targets.top.minimum, targets.top.maximum);
    BottomAxis().SetRange(targets.bottom.minimum, targets.bottom.maximum);
    mouse_.zoomed = true;
    if (OnZoom)
        OnZoom(*this);
}

void TCustomChart::ZoomStep(TCustomChartAxis& axis, double targetMinimum, double targetMaximum)
{
    const double minimum = axis.Minimum();
    const double maximum = axis.Maximum();
    axis.SetRange(minimum + (targetMinimum - minimum) / zoomAnimationDivisor,
                  maximum - (maximum - targetMaximum) / zoomAnimationDivisor);
}

void TCustomChart::UndoZoom()
{
    RestoreAxisRanges();
    if (OnUndoZoom)
        OnUndoZoom(*this);
    RequestRepaint();
    mouse_.zoomed = false;
}

// Only the first zoom or scroll since the start or the last undo remembers;
// later ones keep the ranges it found for the undo.
void TCustomChart::RememberAxisRanges()
{
    if (!mouse_.rangesRestored)
        return;
    mouse_.rememberedRanges = {RangeOf(TopAxis()), RangeOf(BottomAxis()), RangeOf(LeftAxis()), RangeOf(RightAxis())};
    mouse_.rangesRestored = false;
}

// Restores the remembered ranges once; an undo with nothing remembered keeps the ranges.
void TCustomChart::RestoreAxisRanges()
{
    if (mouse_.rangesRestored)
        return;
    const TChartRangeMemo& memo = mouse_.rememberedRanges;
    RestoreRange(TopAxis(), memo.top);
    RestoreRange(BottomAxis(), memo.bottom);
    RestoreRange(LeftAxis(), memo.left);
    RestoreRange(RightAxis(), memo.right);
    mouse_.rangesRestored = true;
}
