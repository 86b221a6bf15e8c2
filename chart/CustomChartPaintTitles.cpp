// The title above the plot and the foot below it.
#include "chart/ChartCanvas.h"
#include "chart/CustomChart.h"

#include <algorithm>

void TCustomChart::DrawTitles()
{
    // The legend is never drawn, so the title and foot go first in any case.
    if (title_.Visible())
        DrawTitleBlock(title_, true);
    if (foot_.Visible())
        DrawTitleBlock(foot_, false);
}

namespace {

// Whether the title's frame is drawn.
bool FrameShown(const TChartTitle& title)
{
    const TChartPen& frame = title.Frame();
    return frame.Visible() && frame.Color() != clDefault;
}

// The canvas brush and background for the block. A solid brush colour with
// the title's own colour left at default becomes the title's colour, and this
// paint already fills with it.
void ApplyTitleFill(TChartTitle& title, TChartCanvas3D& canvas)
{
    const TChartBrush& brush = title.Brush();
    if (title.Color() == clDefault) {
        if (brush.Style() != bsSolid) {
            canvas.Brush().Assign(brush.Data());
            canvas.SetBackgroundMode(bkTransparent);
        } else if (brush.Color() == clDefault) {
            canvas.Brush().SetStyle(bsClear);
        } else {
            title.SetColor(brush.Color());
            canvas.Brush().Assign({brush.Color(), bsSolid});
        }
    } else if (brush.Style() != bsSolid) {
        canvas.Brush().Assign(brush.Data());
        canvas.SetBackgroundMode(bkOpaque);
        canvas.SetBackgroundColor(title.Color());
    } else {
        canvas.Brush().Assign({title.Color(), bsSolid});
    }
}

// The canvas pen for the block's frame, clear without a frame; returns the
// frame's width, 0 without a frame.
int ApplyTitleFrame(const TChartTitle& title, TChartCanvas3D& canvas)
{
    if (!FrameShown(title)) {
        canvas.Pen().SetStyle(psClear);
        return 0;
    }
    canvas.Pen().Assign(title.Frame().Data());
    return title.Frame().Width();
}

// Where the lines go: the chart rectangle's width inside the frame, as many
// line heights high as there are lines, against its top or bottom edge.
TChartRect TitleTextRect(const TChartRect& area, int lines, int lineHeight, int frameWidth, bool atTop)
{
    TChartRect text{area.left + frameWidth, 0, area.right - frameWidth, 0};
    if (atTop) {
        text.top = area.top + frameWidth;
        text.bottom = text.top + lines * lineHeight;
    } else {
        text.bottom = area.bottom - frameWidth;
        text.top = text.bottom - lines * lineHeight;
    }
    return text;
}

// The box narrowed to the widest line and a "W", kept at the side the title
// is aligned to (or at its centre).
TChartRect FitBoxToText(const TChartTitle& title, TChartRect box, const TChartCanvas3D& canvas, int wWidth)
{
    int widest = 0;
    for (const std::string& line : title.Text())
        widest = std::max(widest, canvas.TextWidth(line));
    const int b = widest + wWidth;
    switch (title.Alignment()) {
    case taLeftJustify:
        box.right = box.left + b;
        break;
    case taRightJustify:
        box.left = box.right - b;
        break;
    case taCenter: {
        const int centre = (box.left + box.right) / 2;
        box.left = centre - b / 2;
        box.right = centre + b / 2;
        break;
    }
    }
    return box;
}

// The edge of the block away from the chart rectangle's edge it stands on,
// frame included; without lines, a title gap short of the frame.
int TitleBlockEnd(const TChartRect& text, int lines, int frameWidth, bool atTop)
{
    if (atTop)
        return (lines > 0 ? text.bottom : text.top - TCustomChart::titleGap) + frameWidth;
    return (lines > 0 ? text.top : text.bottom + TCustomChart::titleGap) - frameWidth;
}

} // namespace

void TCustomChart::DrawTitleBlock(TChartTitle& title, bool atTop)
{
    TChartCanvas3D& canvas = Canvas();
    SelectChartFont(title.Font());
    const int lineHeight = canvas.FontHeight();
    ApplyTitleFill(title, canvas);
    const int frameWidth = ApplyTitleFrame(title, canvas);
    const int lines = static_cast<int>(title.Text().size());
    const TChartRect text = TitleTextRect(ChartArea(), lines, lineHeight, frameWidth, atTop);
    const int wWidth = canvas.TextWidth(std::string("W"));
    title.SetBlockRect(DrawTitleBox(title, text, frameWidth, wWidth));
    canvas.SetBackgroundMode(bkTransparent);
    DrawTitleLines(title, text, lineHeight, wWidth, atTop);
    MoveChartEdgePastTitle(TitleBlockEnd(text, lines, frameWidth, atTop), atTop);
}

TChartRect TCustomChart::DrawTitleBox(const TChartTitle& title, const TChartRect& text, int frameWidth, int wWidth)
{
    TChartCanvas3D& canvas = Canvas();
    TChartRect box{text.left - frameWidth, text.top - frameWidth, text.right + frameWidth, text.bottom + frameWidth};
    if (FrameShown(title) || canvas.Brush().Style() != bsClear) {
        if (title.AdjustFrame())
            box = FitBoxToText(title, box, canvas, wWidth);
        canvas.DrawRectangle(box);
    }
    return box;
}

void TCustomChart::DrawTitleLines(const TChartTitle& title, const TChartRect& text, int lineHeight, int wWidth,
    bool atTop)
{
    if (atTop) {
        int y = text.top;
        for (const std::string& line : title.Text()) {
            DrawTitleLine(title, line, text.left, text.right, y, wWidth);
            y += lineHeight;
        }
    } else {
        int y = text.bottom;
        for (auto line = title.Text().crbegin(); line != title.Text().crend(); ++line) {
            y -= lineHeight;
            DrawTitleLine(title, *line, text.left, text.right, y, wWidth);
        }
    }
}

void TCustomChart::MoveChartEdgePastTitle(int blockEnd, bool atTop)
{
    TChartRect shrunk = ChartArea();
    if (atTop)
        shrunk.top = blockEnd + titleGap;
    else
        shrunk.bottom = blockEnd - titleGap;
    SetChartArea(shrunk);
}

void TCustomChart::DrawTitleLine(const TChartTitle& title, const std::string& line, int left, int right, int y,
    int wWidth)
{
    TChartCanvas3D& canvas = Canvas();
    int x = 0;
    switch (title.Alignment()) {
    case taLeftJustify:
        x = left + wWidth / 2;
        break;
    case taRightJustify:
        x = right - canvas.TextWidth(line) - wWidth / 2;
        break;
    case taCenter:
        x = (left + right) / 2 - canvas.TextWidth(line) / 2;
        break;
    }
    canvas.DrawTextAt(x, y, line);
}
