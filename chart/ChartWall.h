#pragma once

#include "chart/ChartPen.h"

class TCustomChartPanel;

// A wall of the plot: the back wall outlines (and may fill) the chart
// rectangle; the left and bottom walls matter only in 3D view. Pen and brush
// changes reach the chart through NotifySubObjectChanged, the other setters
// request a repaint when the value changes.
class TChartWall {
public:
    explicit TChartWall(TCustomChartPanel& chart);
    TChartWall(const TChartWall&) = delete;
    TChartWall& operator=(const TChartWall&) = delete;

    // clDefault: no colour of its own, the brush decides.
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    TChartBrush& Brush() { return brush_; }
    const TChartBrush& Brush() const { return brush_; }
    void SetBrush(const TChartBrush& brush) { brush_.Assign(brush); }
    // Black, solid, one pixel, visible.
    TChartPen& Pen() { return pen_; }
    const TChartPen& Pen() const { return pen_; }
    void SetPen(const TChartPen& pen) { pen_.Assign(pen); }
    // Thickness in 3D view.
    int Size() const { return size_; }
    void SetSize(int value);
    bool Dark3D() const { return dark3D_; }
    void SetDark3D(bool value);

    // Copies colour, brush, pen, size and Dark3D.
    void Assign(const TChartWall& source);

    // The starting colour and brush style, set while the chart makes its
    // walls; no repaint.
    void InitColor(TColor value) { color_ = value; }
    void InitBrushStyle(TBrushStyle style);

private:
    TCustomChartPanel& chart_;
    TColor color_ = clDefault;
    TChartBrush brush_;
    TChartPen pen_;
    int size_ = 0;
    bool dark3D_ = true;
};
