#include "chart/ChartWall.h"

#include "chart/ChartPanel.h"

#include <utility>

TChartWall::TChartWall(TCustomChartPanel& chart)
    : chart_(chart)
{
    const auto changed = [&chart] { chart.NotifySubObjectChanged(); };
    brush_.OnChange = changed;
    pen_.OnChange = changed;
}

void TChartWall::InitBrushStyle(TBrushStyle style)
{
    // Exchanged rather than moved: a moved-from std::function need not be
    // empty (libc++ keeps a small one), and the default is not a change.
    const std::function<void()> changed = std::exchange(brush_.OnChange, nullptr);
    brush_.SetStyle(style);
    brush_.OnChange = changed;
}

void TChartWall::SetColor(TColor value)
{
    chart_.StoreSetting(color_, value);
}

void TChartWall::SetSize(int value)
{
    chart_.StoreSetting(size_, value);
}

void TChartWall::SetDark3D(bool value)
{
    chart_.StoreSetting(dark3D_, value);
}

void TChartWall::Assign(const TChartWall& source)
{
    SetColor(source.color_);
    brush_.Assign(source.brush_);
    pen_.Assign(source.pen_);
    SetSize(source.size_);
    SetDark3D(source.dark3D_);
}
