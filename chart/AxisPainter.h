#pragma once

#include "chart/AxisPanel.h"
#include "platform/Canvas.h"

#include <string>
#include <vector>

class TChartCanvas3D;

// How an axis writes its texts in one paint: the brush colour under them
// (the panel's) and whether the picture goes to a printer, which gets white
// texts in black.
struct AxisTextLook {
    TColor panelColor = clBtnFace;
    bool printing = false;
};

// What the lines across and along an axis meet in one paint: the chart
// rectangle the grid spans, the walls beside this axis and beside the left
// and bottom axes (which the bottom and left axis lines reach across), and
// the pixels of the lines of the shown axes that cross this one, which grid
// lines leave alone.
struct AxisLineSurroundings {
    TChartRect chartArea;
    int wall = 0;
    int leftWall = 0;
    int bottomWall = 0;
    std::vector<platform::PixelSpan> crossingAxisLines;
};

// One DrawAxis call through the canvas: the title, the labels, then the axis
// line, ticks and grid at the positions the labels recorded.
class AxisPainter {
public:
    AxisPainter(TCustomChartAxis& axis, TChartCanvas3D& canvas, const AxisTextLook& look);

    void DrawTitle();
    // Value labels one step apart, or at the values supply gives, unless it
    // leaves the labelling to the axis at its first call.
    void DrawValueLabels(double step, const TGetNextAxisLabelEvent& supply);
    // The point labels of the active series on the axis, each at its point's
    // value, as far as they keep LabelsSeparation from the last one drawn;
    // relabel may change each text.
    void DrawSeriesTextLabels(const TChartSeriesList& series, const TGetAxisLabelEvent& relabel);
    // Grid, minor grid, axis line, ticks, inner ticks and minor ticks.
    void DrawLineTicksAndGrid(const AxisLineSurroundings& around);

private:
    enum class Side { Bottom, Top, Left, Right };
    // A position along the axis where a tick goes, with the value it stands for.
    struct Tick {
        int pixel;
        double value;
    };
    // The series that label their points, and the indexes their visible
    // ranges span together (first > last when none is visible).
    struct LabelledSeries {
        std::vector<TChartSeries*> series;
        int first;
        int last;
    };

    static Side SideOf(const TCustomChartAxis& axis);

    void PlaceValueLabel(double value);
    void DrawLabel(int pixel, double value, const std::string& text);
    void PrepareText(TChartFont& font);

    LabelledSeries FindLabelledSeries(const TChartSeriesList& series) const;
    // The first non-empty label at index among the series; null without one.
    static TChartSeries* LabelAt(const std::vector<TChartSeries*>& series, int index, std::string& text);
    // The size of a series label along the axis, in the labels font: its
    // width when it runs along the axis (angle 0 or 180 on a horizontal axis,
    // 90 or 270 on a vertical one), else its lines' height, slanted labels
    // included.
    int LabelSizeAlongAxisSlantedAsLines(const std::string& text);

    // Writes the text's lines stacked away from the axis at (x, y), aligned
    // by the side of the axis and the angle.
    void DrawAxisText(int x, int y, const std::string& text, int angle);
    // The alignment of the text block at the anchor, which moves by half a
    // line where the block is centred on it across its lines.
    int AlignToAxis(int angle, int lineHeight, int& x, int& y) const;
    // Moves the anchor one line step before the first line, the step d being
    // negative when the lines run backwards (180 and 270 degrees).
    void MoveBeforeFirstLine(int angle, int lines, int d, int& x, int& y) const;
    void WriteLines(const std::vector<std::string>& lines, int angle, int d, int x, int y);

    // Where lines across the axis start: the axis line, beyond the wall on
    // the near sides.
    int TickBase(int wall) const;
    // A line across the axis at pixel p, from offset to offset + length
    // pixels away from the base (negative offsets point into the chart).
    void DrawAcross(int p, int base, int offset, int length);
    void DrawTicks(const std::vector<int>& positions, const TChartPen& pen, int base, int offset, int length);
    void DrawGrid(const std::vector<int>& positions, const TChartPen& pen, const AxisLineSurroundings& around);
    void DrawAxisLine(const AxisLineSurroundings& around);
    std::vector<int> GridPositions() const;
    std::vector<int> MinorTickPositions() const;

    TCustomChartAxis& axis_;
    TChartCanvas3D& canvas_;
    const AxisTextLook look_;
    const Side side_;
    std::vector<Tick> ticks_;
};
