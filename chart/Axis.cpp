#include "chart/Axis.h"

#include "chart/AxisPanel.h"
#include "chart/ChartConst.h"
#include "chart/ChartExceptions.h"

#include <algorithm>

TCustomChartAxis::TCustomChartAxis(TCustomAxisPanel& owner)
    : owner_(owner)
    , axisPen_([this] { owner_.NotifySubObjectChanged(); })
    , title_(*this)
    , grid_([this] { owner_.NotifySubObjectChanged(); })
    , labelsFont_([this] { owner_.NotifySubObjectChanged(); })
    , axisValuesFormat_(ChartConst::DefaultValueFormat())
    , minorGrid_([this] { owner_.NotifySubObjectChanged(); })
    , minorTicks_([this] { owner_.NotifySubObjectChanged(); })
    , ticks_([this] { owner_.NotifySubObjectChanged(); })
    , ticksInner_([this] { owner_.NotifySubObjectChanged(); })
{
    owner_.RegisterAxis(*this);
}

TCustomChartAxis::~TCustomChartAxis() = default;

TChartDepthAxis::TChartDepthAxis(TCustomAxisPanel& owner)
    : TCustomChartAxis(owner)
{
    InitVisible(false);
}

void TCustomChartAxis::Place(bool horizontal, bool farSide, bool depth, int standardTitleAngle)
{
    isHorizontal_ = horizontal;
    isFarSide_ = farSide;
    isDepth_ = depth;
    standardTitleAngle_ = standardTitleAngle;
    title_.InitAngle(standardTitleAngle);
}

void TCustomChartAxis::InvalidateChart() const
{
    owner_.RequestRepaint();
}

void TCustomChartAxis::Assign(const TCustomChartAxis& source)
{
    automatic_ = source.automatic_;
    automaticMaximum_ = source.automaticMaximum_;
    automaticMinimum_ = source.automaticMinimum_;
    increment_ = source.increment_;
    maximum_ = source.maximum_;
    minimum_ = source.minimum_;
    logarithmic_ = source.logarithmic_;
    logarithmicBase_ = source.logarithmicBase_;
    axisPen_.Assign(source.axisPen_);
    title_.Assign(source.title_);
    titleSize_ = source.titleSize_;
    grid_.Assign(source.grid_);
    gridCentered_ = source.gridCentered_;
    labels_ = source.labels_;
    labelsAngle_ = source.labelsAngle_;
    labelsFont_.Assign(source.labelsFont_);
    labelsOnAxis_ = source.labelsOnAxis_;
    labelsSeparation_ = source.labelsSeparation_;
    labelsSize_ = source.labelsSize_;
    labelStyle_ = source.labelStyle_;
    axisValuesFormat_ = source.axisValuesFormat_;
    dateTimeFormat_ = source.dateTimeFormat_;
    exactDateTime_ = source.exactDateTime_;
    roundFirstLabel_ = source.roundFirstLabel_;
    labelsMultiLine_ = source.labelsMultiLine_;
    minorGrid_.Assign(source.minorGrid_);
    minorTickCount_ = source.minorTickCount_;
    minorTickLength_ = source.minorTickLength_;
    minorTicks_.Assign(source.minorTicks_);
    ticks_.Assign(source.ticks_);
    ticksInner_.Assign(source.ticksInner_);
    tickInnerLength_ = source.tickInnerLength_;
    tickLength_ = source.tickLength_;
    tickOnLabelsOnly_ = source.tickOnLabelsOnly_;
    inverted_ = source.inverted_;
    visible_ = source.visible_;
    startPosition_ = source.startPosition_;
    endPosition_ = source.endPosition_;
    positionPercent_ = source.positionPercent_;
    isHorizontal_ = source.isHorizontal_;
    isFarSide_ = source.isFarSide_;
    isDepth_ = source.isDepth_;
    InvalidateChart();
}

void TCustomChartAxis::SetAutomatic(bool value)
{
    owner_.StoreSetting(automatic_, value);
    if (!owner_.IsLoading()) {
        automaticMinimum_ = value;
        automaticMaximum_ = value;
    }
}

// The one-sided flags keep Automatic true exactly while both ends are
// automatic. Automatic is written directly: its setter would also overwrite
// the other one-sided flag.
void TCustomChartAxis::SetAutomaticMaximum(bool value)
{
    owner_.StoreSetting(automaticMaximum_, value);
    if (!value || automaticMinimum_)
        automatic_ = value;
}

void TCustomChartAxis::SetAutomaticMinimum(bool value)
{
    owner_.StoreSetting(automaticMinimum_, value);
    if (!value || automaticMaximum_)
        automatic_ = value;
}

// A value that does not compare (NaN) is refused like one on the wrong side:
// it would make every later mapping meaningless.
void TCustomChartAxis::SetMaximum(double value)
{
    if (!owner_.IsLoading() && !(value >= minimum_))
        throw AxisException(ChartConst::AxisMaximumTooSmall());
    owner_.StoreSetting(maximum_, value);
}

void TCustomChartAxis::SetMinimum(double value)
{
    if (!owner_.IsLoading() && !(value <= maximum_))
        throw AxisException(ChartConst::AxisMinimumTooLarge());
    owner_.StoreSetting(minimum_, value);
}

void TCustomChartAxis::SetIncrement(double value)
{
    if (!(value >= 0))
        throw AxisException(ChartConst::AxisIncrementNegative());
    owner_.StoreSetting(increment_, value);
}

void TCustomChartAxis::SetLogarithmic(bool value)
{
    if (value) {
        if (IsDateTimeAxis())
            throw AxisException(ChartConst::DateTimeAxisNotLogarithmic());
        ComputeRange();
        if (!(rangeMin_ >= 0) || !(rangeMax_ >= 0))
            throw AxisException(ChartConst::LogarithmicRangeNegative());
    }
    owner_.StoreSetting(logarithmic_, value);
}

void TCustomChartAxis::SetLogarithmicBase(int value)
{
    if (value < 2)
        throw AxisException(ChartConst::LogarithmicBaseTooSmall());
    owner_.StoreSetting(logarithmicBase_, value);
}

void TCustomChartAxis::SetGridCentered(bool value)
{
    owner_.StoreSetting(gridCentered_, value);
}

void TCustomChartAxis::SetMinorTickCount(int value)
{
    owner_.StoreSetting(minorTickCount_, value);
}

void TCustomChartAxis::SetMinorTickLength(int value)
{
    owner_.StoreSetting(minorTickLength_, value);
}

void TCustomChartAxis::SetTickInnerLength(int value)
{
    owner_.StoreSetting(tickInnerLength_, value);
}

void TCustomChartAxis::SetTickLength(int value)
{
    owner_.StoreSetting(tickLength_, value);
}

void TCustomChartAxis::SetTickOnLabelsOnly(bool value)
{
    owner_.StoreSetting(tickOnLabelsOnly_, value);
}

void TCustomChartAxis::SetTitleSize(int value)
{
    owner_.StoreSetting(titleSize_, value);
}

void TCustomChartAxis::SetLabels(bool value)
{
    owner_.StoreSetting(labels_, value);
}

void TCustomChartAxis::SetLabelsAngle(int value)
{
    if (value < 0 || value > 359)
        throw ChartException(ChartConst::Format(ChartConst::AngleOutOfRange(), {ChartConst::AxisLabelsWord()}));
    owner_.StoreSetting(labelsAngle_, value);
}

void TCustomChartAxis::SetLabelsOnAxis(bool value)
{
    owner_.StoreSetting(labelsOnAxis_, value);
}

void TCustomChartAxis::SetLabelsSeparation(int value)
{
    if (value < 0)
        throw AxisException(ChartConst::LabelsSeparationNegative());
    owner_.StoreSetting(labelsSeparation_, value);
}

void TCustomChartAxis::SetLabelsSize(int value)
{
    owner_.StoreSetting(labelsSize_, value);
}

void TCustomChartAxis::SetLabelStyle(TAxisLabelStyle value)
{
    if (labelStyle_ == value)
        return;
    labelStyle_ = value;
    owner_.Repaint();
}

void TCustomChartAxis::SetLabelsMultiLine(bool value)
{
    owner_.StoreSetting(labelsMultiLine_, value);
}

void TCustomChartAxis::SetAxisValuesFormat(const std::string& value)
{
    owner_.StoreSetting(axisValuesFormat_, TNumberFormat(value));
}

void TCustomChartAxis::SetDateTimeFormat(const std::string& value)
{
    owner_.StoreSetting(dateTimeFormat_, value);
}

void TCustomChartAxis::SetExactDateTime(bool value)
{
    owner_.StoreSetting(exactDateTime_, value);
}

void TCustomChartAxis::SetRoundFirstLabel(bool value)
{
    owner_.StoreSetting(roundFirstLabel_, value);
}

void TCustomChartAxis::SetInverted(bool value)
{
    owner_.StoreSetting(inverted_, value);
}

void TCustomChartAxis::SetVisible(bool value)
{
    owner_.StoreSetting(visible_, value);
}

void TCustomChartAxis::SetStartPosition(double value)
{
    owner_.StoreSetting(startPosition_, value);
}

void TCustomChartAxis::SetEndPosition(double value)
{
    owner_.StoreSetting(endPosition_, value);
}

void TCustomChartAxis::SetPositionPercent(double value)
{
    owner_.StoreSetting(positionPercent_, value);
}

bool TCustomChartAxis::IsDateTimeAxis() const
{
    for (const TChartSeries* series : owner_.SeriesList()) {
        if (series->Active() && series->IsAssociatedWithAxis(*this))
            return isHorizontal_ ? series->XValues().DateTime() : series->YValues().DateTime();
    }
    return false;
}

bool TCustomChartAxis::IsPointOnAxis(int x, int y) const
{
    if (!owner_.AxisIsShown(*this))
        return false;
    TChartRect band;
    const int alongLow = std::min(pixelStart_, pixelEnd_);
    const int alongHigh = std::max(pixelStart_, pixelEnd_);
    const int acrossLow = labelsPos_ < axisLinePos_ ? labelsPos_ : axisLinePos_ - 3;
    const int acrossHigh = labelsPos_ < axisLinePos_ ? axisLinePos_ + 3 : labelsPos_;
    if (isHorizontal_)
        band = {alongLow, acrossLow, alongHigh, acrossHigh};
    else
        band = {acrossLow, alongLow, acrossHigh, alongHigh};
    return band.Contains(x, y);
}
