#pragma once

#include "chart/ChartFontObject.h"
#include "chart/ChartPen.h"
#include "chart/ChartRect.h"

#include <string>
#include <vector>

class TCustomChartPanel;

// Where the lines of a title block sit between its left and right edges.
enum TAlignment { taLeftJustify, taRightJustify, taCenter };

// A block of text lines above (the title) or below (the foot) the plot. Its
// font is the chart font in blue. Every change asks the chart to repaint.
class TChartTitle : public TChartFontObject {
public:
    explicit TChartTitle(TCustomChartPanel& chart);

    // The lines, first line on top.
    const std::vector<std::string>& Text() const { return text_; }
    void SetText(const std::vector<std::string>& lines);
    void AddLine(const std::string& line);
    void ClearText();

    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    // With a frame or a fill, shrink the block to the widest line.
    bool AdjustFrame() const { return adjustFrame_; }
    void SetAdjustFrame(bool value);
    // The fill colour; clDefault leaves the choice to Brush.
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    TChartBrush& Brush() { return brush_; }
    const TChartBrush& Brush() const { return brush_; }
    void SetBrush(const TChartBrush& brush) { brush_.Assign(brush); }
    // Hidden unless made visible.
    TChartHiddenPen& Frame() { return frame_; }
    const TChartHiddenPen& Frame() const { return frame_; }
    void SetFrame(const TChartPen& pen) { frame_.Assign(pen); }

    // Copies text, settings, brush, frame and font.
    void Assign(const TChartTitle& source);

    // The block as drawn by the last paint (frame included); empty before.
    const TChartRect& BlockRect() const { return blockRect_; }
    void SetBlockRect(const TChartRect& rect) { blockRect_ = rect; }

private:
    TCustomChartPanel& chart_;
    std::vector<std::string> text_;
    bool visible_ = true;
    TAlignment alignment_ = taCenter;
    bool adjustFrame_ = true;
    TColor color_ = clDefault;
    TChartBrush brush_;
    TChartHiddenPen frame_;
    TChartRect blockRect_;
};
