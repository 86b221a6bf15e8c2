// Painting one axis: where its line goes, then the painter's steps.
#include "chart/Axis.h"

#include "chart/AxisPainter.h"
#include "chart/AxisPanel.h"
#include "chart/AxisSide.h"

namespace {

// The coordinate across a shown axis where DrawAxis puts its line in this
// paint: the chart rectangle's edge (shifted by PositionPercent), beyond the
// wall on the near sides.
int AxisLineCoordinate(const TCustomChartAxis& axis, const TCustomAxisPanel& chart)
{
    const TChartRect& area = chart.ChartArea();
    const int line = AxisSide::ShiftByPositionPercent(axis, AxisSide::AxisEdgeOf(axis, area), area);
    return axis.IsFarSide() ? line : line + AxisSide::Outward(axis) * chart.WallSizeForAxis(axis);
}

// What the axis's lines meet: the chart rectangle, the walls, and the lines
// of the shown axes that cross it, drawn before or after it.
AxisLineSurroundings LineSurroundings(const TCustomChartAxis& axis, const TCustomAxisPanel& chart)
{
    AxisLineSurroundings around{chart.ChartArea(), chart.WallSizeForAxis(axis),
        chart.WallSizeForAxis(chart.LeftAxis()), chart.WallSizeForAxis(chart.BottomAxis()), {}};
    for (const TCustomChartAxis* other : chart.AxisList()) {
        if (other->IsDepth() || other->IsHorizontal() == axis.IsHorizontal() || !other->Axis().Visible()
            || !chart.AxisIsShown(*other))
            continue;
        around.crossingAxisLines.push_back(
            platform::LineCrossSection(AxisLineCoordinate(*other, chart), other->Axis().Width()));
    }
    return around;
}

} // namespace

void TCustomChartAxis::DrawAxis(bool placeLine)
{
    dateTimeMode_ = IsDateTimeAxis();
    owner_.SelectChartFont(labelsFont_);
    const double step = ComputeLabelStep();
    if (placeLine) {
        const TChartRect& area = owner_.ChartArea();
        axisLinePos_ = AxisSide::ShiftByPositionPercent(*this, AxisSide::AxisEdgeOf(*this, area), area);
    }

    AxisPainter painter(*this, owner_.Canvas(), {owner_.Color(), owner_.IsPrinting()});
    if (!title_.Caption().empty())
        painter.DrawTitle();
    if (rangeMax_ >= rangeMin_) {
        switch (ResolveLabelStyle()) {
        case talValue:
            painter.DrawValueLabels(step, owner_.OnGetNextAxisLabel);
            break;
        case talMark:
        case talText:
            // The depth axis would show the series titles there, in depth.
            if (!isDepth_)
                painter.DrawSeriesTextLabels(owner_.SeriesList(), owner_.OnGetAxisLabel);
            break;
        default:
            break;
        }
    }
    painter.DrawLineTicksAndGrid(LineSurroundings(*this, owner_));
}
