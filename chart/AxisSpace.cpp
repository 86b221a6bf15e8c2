// The band an axis needs beside the chart rectangle for title, labels and ticks.
#include "chart/Axis.h"

#include "chart/AxisLabelText.h"
#include "chart/AxisPanel.h"
#include "chart/AxisSide.h"
#include "chart/ChartCanvas.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// Restores a chart's label handler when it goes out of scope.
class DetachedLabelHandler {
public:
    explicit DetachedLabelHandler(TCustomAxisPanel& chart)
        : chart_(chart)
        , saved_(std::exchange(chart.OnGetAxisLabel, nullptr))
    {
    }
    ~DetachedLabelHandler() { chart_.OnGetAxisLabel = std::move(saved_); }
    DetachedLabelHandler(const DetachedLabelHandler&) = delete;
    DetachedLabelHandler& operator=(const DetachedLabelHandler&) = delete;

private:
    TCustomAxisPanel& chart_;
    decltype(TCustomAxisPanel::OnGetAxisLabel) saved_;
};

// The width of the widest value label, measured without the chart's label
// handler, plus one blank: the labels of the range ends, or with rounded
// labels the whole multiples of the step next to them.
int MaxValueLabelWidth(const TCustomChartAxis& axis)
{
    TCustomAxisPanel& chart = axis.OwnerChart();
    const DetachedLabelHandler detached(chart);
    double low = axis.RangeMin();
    double high = axis.RangeMax();
    if ((axis.IsDateTimeAxis() && axis.ExactDateTime()) || axis.RoundFirstLabel()) {
        const double step = axis.ComputeLabelStep();
        low = std::trunc(low / step) * step;
        high = std::trunc(high / step) * step;
    }
    const TChartCanvas3D& canvas = chart.Canvas();
    const int highWidth = WidestLineWidth(canvas, axis.FormatAxisValue(high));
    const int lowWidth = WidestLineWidth(canvas, axis.FormatAxisValue(low));
    return std::max(highWidth, lowWidth) + canvas.TextWidth(std::string(" "));
}

// The thickness of the band of a text beside the axis: fixed when not 0;
// else one font height when the text runs along the axis, or the text's width
// when it stands across it. Without a text (the labels) the width is that of
// the widest label the axis shows.
int MeasureTextBand(const TCustomChartAxis& axis, TChartFont& font, int angle, int fixed, const std::string* text)
{
    if (fixed != 0)
        return fixed;
    TCustomAxisPanel& chart = axis.OwnerChart();
    chart.SelectChartFont(font);
    const bool alongAxis = axis.IsHorizontal() ? angle == 0 || angle == 180 : angle == 90 || angle == 270;
    if (alongAxis)
        return chart.Canvas().FontHeight();
    if (text != nullptr)
        return WidestLineWidth(chart.Canvas(), *text);
    switch (axis.ResolveLabelStyle()) {
    case talValue:
        return MaxValueLabelWidth(axis);
    case talMark:
    case talText:
        return chart.MaxPointLabelWidth();
    default:
        return 0;
    }
}

} // namespace

void TCustomChartAxis::ClaimAxisSpace(TChartRect& rect, bool measure)
{
    using namespace AxisSide;
    if (!measure) {
        axisLinePos_ = ShiftByPositionPercent(*this, AxisEdgeOf(*this, rect), rect);
        labelsPos_ = axisLinePos_ + Outward(*this) * TickBandSize(*this);
        const int labelsBand = labels_ ? MeasureTextBand(*this, labelsFont_, labelsAngle_, labelsSize_, nullptr) : 0;
        titlePos_ = labelsPos_ + Outward(*this) * labelsBand;
        return;
    }

    dateTimeMode_ = IsDateTimeAxis();
    // Outermost first: title, labels, ticks. A part that is not shown takes
    // no room, and its position is where it would begin, so that positions
    // never carry over from an earlier paint.
    if (isDepth_) {
        titlePos_ = rect.right;
    } else {
        if (!title_.Caption().empty())
            Shrink(*this, rect, MeasureTextBand(*this, title_.Font(), title_.Angle(), titleSize_, &title_.Caption()));
        titlePos_ = AxisEdgeOf(*this, rect);
    }
    if (labels_)
        Shrink(*this, rect, MeasureTextBand(*this, labelsFont_, labelsAngle_, labelsSize_, nullptr));
    labelsPos_ = AxisEdgeOf(*this, rect);
    const int ticks = TickBandSize(*this) + owner_.WallSizeForAxis(*this);
    if (ticks > 0)
        Shrink(*this, rect, ticks);
    titlePos_ = ShiftByPositionPercent(*this, titlePos_, rect);
    labelsPos_ = ShiftByPositionPercent(*this, labelsPos_, rect);
}
