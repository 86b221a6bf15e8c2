// The control's own surface: background fill and the bevelled border.
#include "chart/ChartCanvas.h"
#include "chart/CustomChart.h"

void TCustomChart::PaintPanel(const TChartRect& rect)
{
    FillBackground(rect);
    DrawPanelBevels(rect);
}

void TCustomChart::FillBackground(const TChartRect& rect)
{
    TChartCanvas3D& canvas = Canvas();
    canvas.Brush().Assign({Color(), bsSolid});
    canvas.FillRectangle(rect);
}

namespace {

// The top-left and bottom-right colours of a bevel.
struct BevelColors {
    TColor top;
    TColor bottom;
};

BevelColors ColorsOf(TBevelCut cut, TColor panelColor)
{
    switch (cut) {
    case bvRaised:
        return {clBtnHighlight, clBtnShadow};
    case bvLowered:
        return {clBtnShadow, clBtnHighlight};
    case bvNone:
    case bvSpace:
        break;
    }
    // A spacing bevel is a band in the panel's colour.
    return {panelColor, panelColor};
}

} // namespace

void TCustomChart::DrawPanelBevels(const TChartRect& rect)
{
    TChartCanvas3D& canvas = Canvas();
    TChartRect r = rect;
    canvas.Pen().SetStyle(psSolid);
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetMode(pmCopy);
    canvas.Brush().SetStyle(bsClear);
    if (BevelOuter() != bvNone) {
        const BevelColors colors = ColorsOf(BevelOuter(), Color());
        DrawBevelFrame(r, colors.top, colors.bottom, BevelWidth());
    }
    DrawBevelFrame(r, Color(), Color(), BorderWidth());
    if (BevelInner() != bvNone) {
        const BevelColors colors = ColorsOf(BevelInner(), Color());
        DrawBevelFrame(r, colors.top, colors.bottom, BevelWidth());
    }
}

void TCustomChart::DrawBevelFrame(TChartRect& r, TColor topColor, TColor bottomColor, int width)
{
    TChartCanvas3D& canvas = Canvas();
    canvas.Pen().SetWidth(1);
    --r.right;
    --r.bottom;
    for (int i = 0; i < width; ++i) {
        // Two open polylines: left and top edges, then right and bottom edges;
        // neither sets its last point.
        canvas.Pen().SetColor(topColor);
        canvas.MovePenTo(r.left, r.bottom);
        canvas.DrawLineTo(r.left, r.top);
        canvas.DrawLineTo(r.right, r.top);
        canvas.Pen().SetColor(bottomColor);
        canvas.DrawLineTo(r.right, r.bottom);
        canvas.DrawLineTo(r.left - 1, r.bottom);
        ++r.left;
        ++r.top;
        --r.right;
        --r.bottom;
    }
    ++r.right;
    ++r.bottom;
}
