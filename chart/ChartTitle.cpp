#include "chart/ChartTitle.h"

#include "chart/ChartPanel.h"

TChartTitle::TChartTitle(TCustomChartPanel& chart)
    : TChartFontObject(nullptr)
    , chart_(chart)
{
    // Blue from the start: the colour is part of the default, not a change.
    Font().SetColor(clBlue);
    const auto changed = [&chart] { chart.NotifySubObjectChanged(); };
    Font().OnChange = changed;
    brush_.OnChange = changed;
    frame_.OnChange = changed;
}

void TChartTitle::SetText(const std::vector<std::string>& lines)
{
    if (text_ == lines)
        return;
    text_ = lines;
    chart_.NotifySubObjectChanged();
}

void TChartTitle::AddLine(const std::string& line)
{
    text_.push_back(line);
    chart_.NotifySubObjectChanged();
}

void TChartTitle::ClearText()
{
    if (text_.empty())
        return;
    text_.clear();
    chart_.NotifySubObjectChanged();
}

void TChartTitle::SetVisible(bool value)
{
    chart_.StoreSetting(visible_, value);
}

void TChartTitle::SetAlignment(TAlignment value)
{
    chart_.StoreSetting(alignment_, value);
}

void TChartTitle::SetAdjustFrame(bool value)
{
    chart_.StoreSetting(adjustFrame_, value);
}

void TChartTitle::SetColor(TColor value)
{
    chart_.StoreSetting(color_, value);
}

void TChartTitle::Assign(const TChartTitle& source)
{
    SetText(source.text_);
    SetVisible(source.visible_);
    SetAlignment(source.alignment_);
    SetAdjustFrame(source.adjustFrame_);
    SetColor(source.color_);
    brush_.Assign(source.brush_);
    frame_.Assign(source.frame_);
    SetFont(source.Font());
}
