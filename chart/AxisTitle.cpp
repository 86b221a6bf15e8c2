#include "chart/AxisTitle.h"

#include "chart/AxisPanel.h"
#include "chart/ChartConst.h"
#include "chart/ChartExceptions.h"

TChartAxisTitle::TChartAxisTitle(TCustomChartAxis& axis)
    : TChartFontObject([&axis] { axis.OwnerChart().NotifySubObjectChanged(); })
    , axis_(axis)
{
}

void TChartAxisTitle::SetCaption(const std::string& value)
{
    axis_.OwnerChart().StoreSetting(caption_, value);
}

void TChartAxisTitle::SetAngle(int value)
{
    if (angle_ == value)
        return;
    if (value < 0 || value > 359)
        throw ChartException(ChartConst::Format(ChartConst::AngleOutOfRange(), {ChartConst::AxisTitleWord()}));
    angle_ = value;
    axis_.OwnerChart().Repaint();
}

void TChartAxisTitle::Assign(const TChartAxisTitle& source)
{
    SetCaption(source.caption_);
    SetAngle(source.angle_);
    SetFont(source.Font());
}
