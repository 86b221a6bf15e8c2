#pragma once

#include "chart/ChartPen.h"

#include <functional>
#include <utility>

// A chart object that owns one font, created as the chart's default font.
// Font changes are reported through the given callback.
class TChartFontObject {
public:
    explicit TChartFontObject(std::function<void()> onFontChange)
        : font_(std::move(onFontChange))
    {
    }
    virtual ~TChartFontObject() = default;
    TChartFontObject(const TChartFontObject&) = delete;
    TChartFontObject& operator=(const TChartFontObject&) = delete;

    TChartFont& Font() { return font_; }
    const TChartFont& Font() const { return font_; }
    // Copies the given font into the owned one.
    void SetFont(const TChartFont& font) { font_.Assign(font); }

private:
    TChartFont font_;
};
