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

void TCustomChart::DrawTitleBlock(TChartTitle& title, bool atTop)
{
    TChartCanvas3D& canvas = Canvas();
    SelectChartFont(title.Font());
    const int lineHeight = canvas.FontHeight();

    // Fill.
    const TChartBrush& brush = title.Brush();
    if (title.Color() == clDefault) {
        if (brush.Style() != bsSolid) {
            canvas.Brush().Assign(brush.Data());
            canvas.SetBackgroundMode(bkTransparent);
        } else if (brush.Color() == clDefault) {
            canvas.Brush().SetStyle(bsClear);
        } else {
            // A solid brush colour becomes the title's colour, and this paint
            // already fills with it.
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

    const TChartPen& frame = title.Frame();
    const bool frameShown = frame.Visible() && frame.Color() != clDefault;
    // The frame's width; 0 without a frame.
    const int fw = frameShown ? frame.Width() : 0;

    const TChartRect area = ChartArea();
    const int lines = static_cast<int>(title.Text().size());
    TChartRect block{area.left + fw, 0, area.right - fw, 0};
    if (atTop) {
        block.top = area.top + fw;
        block.bottom = block.top + lines * lineHeight;
    } else {
        block.bottom = area.bottom - fw;
        block.top = block.bottom - lines * lineHeight;
    }
    // The lines run between these edges, from this position on.
    const int textLeft = block.left;
    const int textRight = block.right;
    int y = atTop ? block.top : block.bottom;

    if (frameShown)
        canvas.Pen().Assign(frame.Data());
    else
        canvas.Pen().SetStyle(psClear);
    block = {block.left - fw, block.top - fw, block.right + fw, block.bottom + fw};

    const int wWidth = canvas.TextWidth(QStringLiteral("W"));
    if (frameShown || canvas.Brush().Style() != bsClear) {
        if (title.AdjustFrame()) {
            int widest = 0;
            for (const QString& line : title.Text())
                widest = std::max(widest, canvas.TextWidth(line));
            const int b = widest + wWidth;
            switch (title.Alignment()) {
            case taLeftJustify:
                block.right = block.left + b;
                break;
            case taRightJustify:
                block.left = block.right - b;
                break;
            case taCenter: {
                const int centre = (block.left + block.right) / 2;
                block.left = centre - b / 2;
                block.right = centre + b / 2;
                break;
            }
            }
        }
        canvas.DrawRectangle(block);
    }
    title.SetBlockRect(block);
    canvas.SetBackgroundMode(bkTransparent);

    int end;
    if (atTop) {
        for (const QString& line : title.Text()) {
            DrawTitleLine(title, line, textLeft, textRight, y, wWidth);
            y += lineHeight;
        }
        end = (lines > 0 ? y : area.top + fw - titleGap) + fw;
    } else {
        for (auto line = title.Text().crbegin(); line != title.Text().crend(); ++line) {
            y -= lineHeight;
            DrawTitleLine(title, *line, textLeft, textRight, y, wWidth);
        }
        end = (lines > 0 ? y : area.bottom - fw + titleGap) - fw;
    }

    TChartRect shrunk = ChartArea();
    if (atTop)
        shrunk.top = end + titleGap;
    else
        shrunk.bottom = end - titleGap;
    SetChartArea(shrunk);
}

void TCustomChart::DrawTitleLine(const TChartTitle& title, const QString& line, int left, int right, int y,
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
