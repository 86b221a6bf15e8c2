#include "chart/ChartPen.h"

#include "chart/ChartConst.h"

#include <utility>

namespace {

template <typename T>
bool Store(T& field, const T& value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

} // namespace

TChartPen::TChartPen(std::function<void()> onChange)
    : OnChange(std::move(onChange))
{
}

void TChartPen::Changed() const
{
    if (OnChange)
        OnChange();
}

void TChartPen::SetColor(TColor value)
{
    if (Store(data_.color, value))
        Changed();
}

void TChartPen::SetWidth(int value)
{
    if (Store(data_.width, value))
        Changed();
}

void TChartPen::SetStyle(TPenStyle value)
{
    if (Store(data_.style, value))
        Changed();
}

void TChartPen::SetMode(TPenMode value)
{
    if (Store(data_.mode, value))
        Changed();
}

void TChartPen::SetVisible(bool value)
{
    if (Store(visible_, value))
        Changed();
}

void TChartPen::SetSmallDots(bool value)
{
    if (Store(smallDots_, value))
        Changed();
}

void TChartPen::Assign(const TChartPen& source)
{
    data_ = source.data_;
    visible_ = source.visible_;
    smallDots_ = source.smallDots_;
    Changed();
}

TChartBrush::TChartBrush(std::function<void()> onChange)
    : OnChange(std::move(onChange))
{
}

void TChartBrush::Changed() const
{
    if (OnChange)
        OnChange();
}

void TChartBrush::SetColor(TColor value)
{
    if (Store(data_.color, value))
        Changed();
}

void TChartBrush::SetStyle(TBrushStyle value)
{
    if (Store(data_.style, value))
        Changed();
}

void TChartBrush::Assign(const TChartBrush& source)
{
    data_ = source.data_;
    Changed();
}

TChartFont::TChartFont()
{
    data_.name = ChartConst::DefaultFontName();
    data_.size = ChartConst::DefaultFontSize();
    data_.color = clBlack;
}

TChartFont::TChartFont(std::function<void()> onChange)
    : TChartFont()
{
    OnChange = std::move(onChange);
}

void TChartFont::Changed() const
{
    if (OnChange)
        OnChange();
}

void TChartFont::SetName(const std::string& value)
{
    if (Store(data_.name, value))
        Changed();
}

void TChartFont::SetSize(int value)
{
    if (Store(data_.size, value))
        Changed();
}

void TChartFont::SetColor(TColor value)
{
    if (Store(data_.color, value))
        Changed();
}

void TChartFont::SetStyles(unsigned value)
{
    if (Store(data_.styles, value))
        Changed();
}

void TChartFont::Assign(const TChartFont& source)
{
    data_ = source.data_;
    Changed();
}
