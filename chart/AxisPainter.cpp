// Painting one axis: title, labels, line, ticks and grid.
#include "chart/AxisPainter.h"

#include "chart/AxisLabelText.h"
#include "chart/AxisLabelValues.h"
#include "chart/AxisSide.h"
#include "chart/ChartCanvas.h"
#include "platform/Rounding.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// Positions the chart asks for through OnGetNextAxisLabel: indexes 0 .. 2000.
constexpr int lastAskedLabelIndex = 2000;
// How far a supplied label value may lie outside the range.
constexpr double suppliedValueSlack = 1e-7;
// Room reserved for the ticks of one axis; more labels make the list grow,
// so that every label keeps its tick and grid line.
constexpr std::size_t reservedTicks = 2000;

} // namespace

AxisPainter::AxisPainter(TCustomChartAxis& axis, TChartCanvas3D& canvas, const AxisTextLook& look)
    : axis_(axis)
    , canvas_(canvas)
    , look_(look)
    , side_(SideOf(axis))
{
    ticks_.reserve(reservedTicks);
}

AxisPainter::Side AxisPainter::SideOf(const TCustomChartAxis& axis)
{
    if (axis.IsHorizontal())
        return axis.IsFarSide() ? Side::Top : Side::Bottom;
    return axis.IsFarSide() ? Side::Right : Side::Left;
}

void AxisPainter::PrepareText(TChartFont& font)
{
    canvas_.SelectFont(font);
    canvas_.Brush().SetColor(look_.panelColor);
    canvas_.Brush().SetStyle(bsClear);
    if (look_.printing && canvas_.Font().Color() == clWhite)
        canvas_.Font().SetColor(clBlack);
}

void AxisPainter::DrawTitle()
{
    TChartAxisTitle& title = axis_.Title();
    PrepareText(title.Font());
    if (axis_.IsHorizontal())
        DrawAxisText(axis_.PixelCenter(), axis_.TitlePos(), title.Caption(), title.Angle());
    else
        DrawAxisText(axis_.TitlePos(), axis_.PixelCenter(), title.Caption(), title.Angle());
}

void AxisPainter::DrawValueLabels(double step, const TGetNextAxisLabelEvent& supply)
{
    // The chart may supply the label values; leaving the stop flag set at the
    // first call leaves the labelling to the axis.
    if (const auto supplier = supply) {
        double value = axis_.RangeMin();
        bool stop = true;
        supplier(axis_, 0, value, stop);
        if (!stop) {
            for (int index = 1;; ++index) {
                if (!(value >= axis_.RangeMin() - suppliedValueSlack && value <= axis_.RangeMax() + suppliedValueSlack))
                    return;
                PlaceValueLabel(value);
                if (index > lastAskedLabelIndex)
                    return;
                stop = true;
                supplier(axis_, index, value, stop);
                if (stop)
                    return;
            }
        }
    }
    const bool powers = axis_.Logarithmic() && axis_.Increment() == 0;
    const std::vector<double> values = powers
        ? LogarithmicLabelValues(axis_.RangeMin(), axis_.RangeMax(), axis_.LogarithmicBase())
        : LinearLabelValues(axis_.RangeMin(), axis_.RangeMax(), step, axis_.RoundFirstLabel());
    for (const double value : values)
        PlaceValueLabel(value);
}

void AxisPainter::PlaceValueLabel(double value)
{
    const int p = axis_.ValueToPixel(value);
    if (!axis_.LabelsOnAxis() && !(axis_.PixelStart() < p && p < axis_.PixelEnd()))
        return;
    if (!axis_.TickOnLabelsOnly())
        ticks_.push_back({p, value});
    if (axis_.Labels())
        DrawLabel(p, value, axis_.FormatAxisValue(value));
}

void AxisPainter::DrawLabel(int pixel, double value, const std::string& text)
{
    if (axis_.TickOnLabelsOnly())
        ticks_.push_back({pixel, value});
    PrepareText(axis_.LabelsFont());
    if (axis_.IsHorizontal())
        DrawAxisText(pixel, axis_.LabelsPos(), text, axis_.LabelsAngle());
    else
        DrawAxisText(axis_.LabelsPos(), pixel, text, axis_.LabelsAngle());
}

int AxisPainter::LabelSizeAlongAxisSlantedAsLines(const std::string& text)
{
    canvas_.SelectFont(axis_.LabelsFont());
    const int angle = axis_.LabelsAngle();
    const bool alongAxis = axis_.IsHorizontal() ? angle == 0 || angle == 180 : angle == 90 || angle == 270;
    if (alongAxis)
        return WidestLineWidth(canvas_, text);
    return canvas_.FontHeight() * static_cast<int>(LabelLines(text).size());
}

AxisPainter::LabelledSeries AxisPainter::FindLabelledSeries(const TChartSeriesList& series) const
{
    // The active series on the axis that label their points. Their visible
    // ranges are taken now, for the range and pixels of this paint.
    LabelledSeries found{{}, INT_MAX, -1};
    for (TChartSeries* s : series) {
        if (!s->Active() || !s->IsAssociatedWithAxis(axis_))
            continue;
        bool hasLabel = false;
        for (int i = 0; i < s->PointCount() && !hasLabel; ++i)
            hasLabel = !s->PointLabel(i).empty();
        if (!hasLabel)
            continue;
        found.series.push_back(s);
        s->ComputeVisibleRange();
        if (s->FirstVisibleIndex() >= 0) {
            found.first = std::min(found.first, s->FirstVisibleIndex());
            found.last = std::max(found.last, s->LastVisibleIndex());
        }
    }
    return found;
}

TChartSeries* AxisPainter::LabelAt(const std::vector<TChartSeries*>& series, int index, std::string& text)
{
    for (TChartSeries* s : series) {
        if (index < s->PointCount()) {
            text = s->PointLabel(index);
            if (!text.empty())
                return s;
        }
    }
    return nullptr;
}

void AxisPainter::DrawSeriesTextLabels(const TChartSeriesList& series, const TGetAxisLabelEvent& relabel)
{
    const LabelledSeries labelled = FindLabelledSeries(series);
    bool drawnBefore = false;
    long long previous = 0;
    long long previousHalf = 0;
    const int separation = axis_.LabelsSeparation();
    for (int index = labelled.first; index <= labelled.last; ++index) {
        std::string text;
        TChartSeries* const source = LabelAt(labelled.series, index, text);
        if (source == nullptr)
            continue;
        if (const auto handler = relabel)
            handler(axis_, source, index, text);
        const double value = axis_.IsHorizontal() ? source->XValueAt(index) : source->YValueAt(index);
        if (!(value >= axis_.RangeMin() && value <= axis_.RangeMax()))
            continue;
        const int p = axis_.ValueToPixel(value);
        if (!axis_.TickOnLabelsOnly())
            ticks_.push_back({p, value});
        if (!axis_.Labels())
            continue;
        const long long size = LabelSizeAlongAxisSlantedAsLines(text);
        long long half = size / 2;
        if (separation != 0 && drawnBefore) {
            half = (size + static_cast<long long>(std::trunc(size * 0.02 * separation))) / 2;
            const bool clears = p < previous ? p + half <= previous - previousHalf : p - half >= previous + previousHalf;
            if (!clears)
                continue;
        }
        DrawLabel(p, value, text);
        drawnBefore = true;
        previous = p;
        previousHalf = half;
    }
}

// A label under the bottom axis hangs centred below its anchor, one left of
// the left axis ends at its anchor, centred on it vertically, and a title
// turned by 90 degrees beside the left axis has the bottom of its text box at
// its anchor.
void AxisPainter::DrawAxisText(int x, int y, const std::string& text, int angle)
{
    const int height = canvas_.FontHeight();
    const std::vector<std::string> lines = LabelLines(text);
    canvas_.SetTextAlignment(AlignToAxis(angle, height, x, y));
    // The block of lines: step d from line to line.
    const int d = angle == 180 || angle == 270 ? -height : height;
    MoveBeforeFirstLine(angle, static_cast<int>(lines.size()), d, x, y);
    WriteLines(lines, angle, d, x, y);
    canvas_.SetTextAlignment(TextAlign::Left | TextAlign::Top);
}

int AxisPainter::AlignToAxis(int angle, int lineHeight, int& x, int& y) const
{
    using namespace TextAlign;
    const int half = lineHeight / 2;
    const bool bottom = side_ == Side::Bottom;
    const bool left = side_ == Side::Left;
    const bool horizontal = axis_.IsHorizontal();
    switch (angle) {
    case 0:
        if (horizontal)
            return bottom ? Center | Top : Center | Bottom;
        y -= half;
        return left ? Right | Top : Left | Top;
    case 90:
        if (!horizontal)
            return left ? Center | Bottom : Center | Top;
        x -= half;
        return bottom ? Right | Top : Left | Top;
    case 180:
        if (horizontal)
            return bottom ? Center | Bottom : Center | Top;
        y += half;
        return left ? Left | Top : Right | Top;
    case 270:
        if (!horizontal)
            return left ? Center | Top : Center | Bottom;
        x += half;
        return bottom ? Left | Top : Right | Top;
    default:
        return Left | Top;
    }
}

void AxisPainter::MoveBeforeFirstLine(int angle, int lines, int d, int& x, int& y) const
{
    const bool bottom = side_ == Side::Bottom;
    const bool left = side_ == Side::Left;
    const int block = platform::RoundHalfEven(double(lines) * d);
    const int centred = platform::RoundHalfEven(d * 0.5 * (lines + 1));
    if (axis_.IsHorizontal()) {
        if (angle == 0)
            y -= bottom ? d : block;
        else if (angle == 180)
            y -= bottom ? block : d;
        else if (angle == 90 || angle == 270)
            x -= centred;
    } else {
        if (angle == 0 || angle == 180)
            y -= centred;
        else if (angle == 90)
            x -= left ? block : d;
        else if (angle == 270)
            x -= left ? d : block;
    }
}

void AxisPainter::WriteLines(const std::vector<std::string>& lines, int angle, int d, int x, int y)
{
    for (const std::string& line : lines) {
        if (angle == 0) {
            y += d;
            canvas_.DrawTextAt(x, y, line);
            continue;
        }
        if (angle == 180)
            y += d;
        else if (angle == 90 || angle == 270)
            x += d;
        canvas_.DrawRotatedText(x, y, angle, line);
    }
}

int AxisPainter::TickBase(int wall) const
{
    const int line = axis_.AxisLinePos();
    if (axis_.IsFarSide())
        return line;
    return line + AxisSide::Outward(axis_) * wall;
}

void AxisPainter::DrawAcross(int p, int base, int offset, int length)
{
    const int outward = AxisSide::Outward(axis_);
    const int from = base + outward * offset;
    const int to = from + outward * length;
    if (axis_.IsHorizontal())
        canvas_.DrawVerticalLine(p, from, to);
    else
        canvas_.DrawHorizontalLine(from, to, p);
}

void AxisPainter::DrawTicks(const std::vector<int>& positions, const TChartPen& pen, int base, int offset, int length)
{
    canvas_.ApplyVisiblePen(pen);
    for (const int p : positions)
        DrawAcross(p, base, offset, length);
}

void AxisPainter::DrawAxisLine(const AxisLineSurroundings& around)
{
    canvas_.ApplyVisiblePen(axis_.Axis());
    const int line = axis_.AxisLinePos();
    switch (side_) {
    case Side::Bottom:
        canvas_.DrawHorizontalLine(axis_.PixelStart() - around.leftWall, axis_.PixelEnd(), line + around.wall);
        break;
    case Side::Top:
        canvas_.DrawHorizontalLine(axis_.PixelStart(), axis_.PixelEnd(), line);
        break;
    case Side::Left:
        canvas_.DrawVerticalLine(line - around.wall, axis_.PixelStart(), axis_.PixelEnd() + around.bottomWall);
        break;
    case Side::Right:
        canvas_.DrawVerticalLine(line, axis_.PixelStart(), axis_.PixelEnd());
        break;
    }
}

void AxisPainter::DrawGrid(const std::vector<int>& positions, const TChartPen& pen, const AxisLineSurroundings& around)
{
    // Dotted lines whose gaps leave the picture underneath as it is.
    canvas_.Brush().SetStyle(bsClear);
    canvas_.SetBackgroundMode(bkTransparent);
    canvas_.ApplyVisiblePen(pen);
    if (canvas_.Pen().Color() == clDefault)
        canvas_.Pen().SetColor(clGray);
    const TChartRect& area = around.chartArea;
    const auto onCrossingAxisLine = [&around](int p) {
        return std::any_of(around.crossingAxisLines.begin(), around.crossingAxisLines.end(),
            [p](const platform::PixelSpan& line) { return line.first <= p && p <= line.last; });
    };
    for (const int p : positions) {
        // Dots over an axis line would break it up; the label and the tick
        // still mark the value.
        if (onCrossingAxisLine(p))
            continue;
        if (axis_.IsHorizontal())
            canvas_.DrawVerticalLine(p, area.top, area.bottom);
        else
            canvas_.DrawHorizontalLine(area.left, area.right, p);
    }
    canvas_.SetBackgroundMode(bkOpaque);
}

std::vector<int> AxisPainter::GridPositions() const
{
    std::vector<int> positions;
    positions.reserve(ticks_.size());
    if (axis_.GridCentered()) {
        for (std::size_t i = 1; i < ticks_.size(); ++i)
            positions.push_back(platform::RoundHalfEven((double(ticks_[i].pixel) + ticks_[i - 1].pixel) * 0.5));
    } else {
        for (const Tick& tick : ticks_)
            positions.push_back(tick.pixel);
    }
    return positions;
}

std::vector<int> AxisPainter::MinorTickPositions() const
{
    std::vector<int> positions;
    // More minor ticks than the axis has pixels could not be told apart.
    const int count = std::min(axis_.MinorTickCount(), std::max(0, axis_.PixelSize()));
    if (count < 1 || ticks_.empty())
        return positions;
    const auto keep = [&](long long q) {
        if (axis_.PixelStart() < q && q < axis_.PixelEnd())
            positions.push_back(static_cast<int>(q));
    };
    const std::size_t k = ticks_.size();

    if (axis_.Logarithmic()) {
        const double base = axis_.LogarithmicBase();
        for (const Tick& tick : ticks_) {
            const double gap = (base * tick.value - tick.value) / (count + 1);
            for (int j = 1; j <= count; ++j) {
                const double value = tick.value + j * gap;
                if (value > axis_.RangeMax())
                    break;
                keep(axis_.ValueToPixel(value));
            }
        }
        return positions;
    }

    // Beyond the outer ticks, at the spacing of the first two.
    if (k > 1) {
        const double gap = (double(ticks_[1].pixel) - ticks_[0].pixel) / (count + 1);
        for (int j = 1; j <= count; ++j) {
            const long long offset = platform::RoundHalfEven(j * gap);
            keep(ticks_[0].pixel - offset);
            keep(ticks_[k - 1].pixel + offset);
        }
    }
    // Between neighbours.
    for (std::size_t i = 1; i < k; ++i) {
        const double gap = (double(ticks_[i].pixel) - ticks_[i - 1].pixel) / (count + 1);
        for (int j = 1; j <= count; ++j)
            keep(ticks_[i].pixel - static_cast<long long>(platform::RoundHalfEven(j * gap)));
    }
    return positions;
}

void AxisPainter::DrawLineTicksAndGrid(const AxisLineSurroundings& around)
{
    std::vector<int> tickPixels;
    tickPixels.reserve(ticks_.size());
    for (const Tick& tick : ticks_)
        tickPixels.push_back(tick.pixel);
    const bool minorTicks = axis_.MinorTicks().Visible() && !ticks_.empty();
    const std::vector<int> minor = minorTicks ? MinorTickPositions() : std::vector<int>();
    const int base = TickBase(around.wall);

    // The grid first, so that the axis line covers the ends of grid lines
    // that reach into it; the ticks last, so that each shows whole.
    if (axis_.Grid().Visible())
        DrawGrid(GridPositions(), axis_.Grid(), around);
    if (minorTicks && axis_.MinorGrid().Visible())
        DrawGrid(minor, axis_.MinorGrid(), around);
    if (axis_.Axis().Visible())
        DrawAxisLine(around);
    if (axis_.Ticks().Visible())
        DrawTicks(tickPixels, axis_.Ticks(), base, 1, axis_.TickLength());
    if (axis_.TicksInner().Visible())
        DrawTicks(tickPixels, axis_.TicksInner(), base, -1, -axis_.TickInnerLength());
    if (minorTicks)
        DrawTicks(minor, axis_.MinorTicks(), base, 1, axis_.MinorTickLength());
}
