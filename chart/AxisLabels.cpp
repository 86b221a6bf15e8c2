// The label step, the texts of value labels and what an axis labels.
#include "chart/Axis.h"

#include "chart/AxisLabelText.h"
#include "chart/AxisLabelValues.h"
#include "chart/AxisPanel.h"
#include "chart/ChartCanvas.h"
#include "chart/NumberFormat.h"

#include <algorithm>

namespace {

// The size of one label text along the axis, for the label step: its lines'
// height when it stands across the axis (angle 90 or 270 on a horizontal
// axis, 0 or 180 on a vertical one), else its width, slanted labels included.
// The spacing of series text labels measures slanted labels by their lines
// instead (AxisPainter::LabelSizeAlongAxisSlantedAsLines).
int LabelSizeAlongAxisSlantedAsWidth(const TCustomChartAxis& axis, const TChartCanvas3D& canvas, const std::string& text)
{
    const int angle = axis.LabelsAngle();
    const bool upright = angle == 90 || angle == 270;
    const bool level = angle == 0 || angle == 180;
    const bool acrossLines = axis.IsHorizontal() ? upright : level;
    if (acrossLines)
        return canvas.FontHeight() * static_cast<int>(LabelLines(text).size());
    return WidestLineWidth(canvas, text);
}

// The larger of the sizes of the labels of both range ends.
int LabelExtent(const TCustomChartAxis& axis, const TChartCanvas3D& canvas)
{
    // In this order: a label handler sees the top of the range first.
    const int high = LabelSizeAlongAxisSlantedAsWidth(axis, canvas, axis.FormatAxisValue(axis.RangeMax()));
    const int low = LabelSizeAlongAxisSlantedAsWidth(axis, canvas, axis.FormatAxisValue(axis.RangeMin()));
    return std::max(high, low);
}

} // namespace

double TCustomChartAxis::ComputeLabelStep() const
{
    TLabelStepRequest request;
    request.labelSize = LabelExtent(*this, owner_.Canvas());
    request.pixelSize = pixelSize_;
    request.span = rangeSpan_;
    request.increment = increment_;
    request.separation = labelsSeparation_;
    return NiceLabelStep(request);
}

std::string TCustomChartAxis::FormatAxisValue(double value) const
{
    std::string text = axisValuesFormat_.Write(value, owner_.NumberSeparators());
    // A copy, so that a handler may replace itself while it runs.
    if (const auto handler = owner_.OnGetAxisLabel)
        handler(*this, nullptr, -1, text);
    if (labelsMultiLine_)
        std::replace(text.begin(), text.end(), ' ', labelLineBreak);
    return text;
}

TAxisLabelStyle TCustomChartAxis::ResolveLabelStyle() const
{
    if (labelStyle_ != talAuto)
        return labelStyle_;
    // The depth axis shows the series titles: no series here keeps depth
    // values of its own, and each lies at one depth.
    if (isDepth_)
        return talText;
    TAxisLabelStyle style = talNone;
    for (const TChartSeries* series : owner_.SeriesList()) {
        if (!series->Active() || !series->IsAssociatedWithAxis(*this))
            continue;
        // Point labels name the points along the axis of the ordered values.
        const bool yMandatory = &series->MandatoryValueList() == &series->YValues();
        if (isHorizontal_ == yMandatory && !series->PointLabel(0).empty())
            return talText;
        style = talValue;
    }
    return style;
}
