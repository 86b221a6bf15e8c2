// Painting one axis: title, labels, line, ticks and grid.
#include "chart/Axis.h"

#include "chart/AxisLabelText.h"
#include "chart/AxisLabelValues.h"
#include "chart/AxisPanel.h"
#include "chart/AxisSide.h"
#include "chart/ChartCanvas.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

namespace {

// Positions the chart asks for through OnGetNextAxisLabel: indexes 0 .. 2000.
constexpr int lastAskedLabelIndex = 2000;
// How far a supplied label value may lie outside the range.
constexpr double suppliedValueSlack = 1e-7;
// Room reserved for the ticks of one axis; more labels make the list grow,
// so that every label keeps its tick and grid line.
constexpr std::size_t reservedTicks = 2000;

enum class Side { Bottom, Top, Left, Right };

Side SideOf(const TCustomChartAxis& axis)
{
    if (axis.IsHorizontal())
        return axis.IsFarSide() ? Side::Top : Side::Bottom;
    return axis.IsFarSide() ? Side::Right : Side::Left;
}

int RoundToInt(double value)
{
    return static_cast<int>(std::clamp(std::nearbyint(value), double(INT_MIN), double(INT_MAX)));
}

// The coordinate across a shown axis where DrawAxis puts its line in this
// paint: the chart rectangle's edge (shifted by PositionPercent), beyond the
// wall on the near sides.
int AxisLineCoordinate(const TCustomChartAxis& axis, const TCustomAxisPanel& chart)
{
    const TChartRect& area = chart.ChartArea();
    const int line = AxisSide::ShiftByPositionPercent(axis, AxisSide::AxisEdgeOf(axis, area), area);
    return axis.IsFarSide() ? line : line + AxisSide::Outward(axis) * chart.WallSizeForAxis(axis);
}

// A position along the axis where a tick goes, with the value it stands for.
struct Tick {
    int pixel;
    double value;
};

// One DrawAxis call: the canvas state it sets and the ticks it records.
class AxisPainter {
public:
    explicit AxisPainter(TCustomChartAxis& axis)
        : axis_(axis)
        , chart_(axis.OwnerChart())
        , canvas_(chart_.Canvas())
        , side_(SideOf(axis))
    {
        ticks_.reserve(reservedTicks);
    }

    void DrawTitle();
    void DrawValueLabels(double step);
    void DrawSeriesTextLabels();
    void DrawLineTicksAndGrid();

private:
    void PlaceValueLabel(double value);
    void DrawLabel(int pixel, double value, const QString& text);
    void PrepareText(TChartFont& font);
    void DrawAxisText(int x, int y, const QString& text, int angle);
    // The size of a series label along the axis, in the labels font.
    int LabelSizeAlongAxis(const QString& text);

    // Where lines across the axis start: the axis line, beyond the wall on
    // the near sides.
    int TickBase() const;
    // A line across the axis at pixel p, from offset to offset + length
    // pixels away from the base (negative offsets point into the chart).
    void DrawAcross(int p, int offset, int length);
    void DrawTicks(const std::vector<int>& positions, const TChartPen& pen, int offset, int length);
    void DrawGrid(const std::vector<int>& positions, const TChartPen& pen);
    // Whether a grid line at p would lie on the line of a shown axis that
    // crosses this one, drawn before or after it.
    bool OnCrossingAxisLine(int p) const;
    void DrawAxisLine();
    std::vector<int> GridPositions() const;
    std::vector<int> MinorTickPositions() const;

    TCustomChartAxis& axis_;
    TCustomAxisPanel& chart_;
    TChartCanvas3D& canvas_;
    const Side side_;
    std::vector<Tick> ticks_;
};

void AxisPainter::PrepareText(TChartFont& font)
{
    chart_.SelectChartFont(font);
    canvas_.Brush().SetColor(chart_.Color());
    canvas_.Brush().SetStyle(bsClear);
    if (chart_.IsPrinting() && canvas_.Font().Color() == clWhite)
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

void AxisPainter::DrawValueLabels(double step)
{
    // The chart may supply the label values; leaving the stop flag set at the
    // first call leaves the labelling to the axis.
    if (const auto supply = chart_.OnGetNextAxisLabel) {
        double value = axis_.RangeMin();
        bool stop = true;
        supply(axis_, 0, value, stop);
        if (!stop) {
            for (int index = 1;; ++index) {
                if (!(value >= axis_.RangeMin() - suppliedValueSlack && value <= axis_.RangeMax() + suppliedValueSlack))
                    return;
                PlaceValueLabel(value);
                if (index > lastAskedLabelIndex)
                    return;
                stop = true;
                supply(axis_, index, value, stop);
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

void AxisPainter::DrawLabel(int pixel, double value, const QString& text)
{
    if (axis_.TickOnLabelsOnly())
        ticks_.push_back({pixel, value});
    PrepareText(axis_.LabelsFont());
    if (axis_.IsHorizontal())
        DrawAxisText(pixel, axis_.LabelsPos(), text, axis_.LabelsAngle());
    else
        DrawAxisText(axis_.LabelsPos(), pixel, text, axis_.LabelsAngle());
}

int AxisPainter::LabelSizeAlongAxis(const QString& text)
{
    chart_.SelectChartFont(axis_.LabelsFont());
    const int angle = axis_.LabelsAngle();
    const bool alongAxis = axis_.IsHorizontal() ? angle == 0 || angle == 180 : angle == 90 || angle == 270;
    if (alongAxis)
        return WidestLineWidth(canvas_, text);
    return canvas_.FontHeight() * static_cast<int>(LabelLines(text).size());
}

void AxisPainter::DrawSeriesTextLabels()
{
    // The active series on the axis that label their points. Their visible
    // ranges are taken now, for the range and pixels of this paint.
    std::vector<TChartSeries*> labelled;
    int first = INT_MAX;
    int last = -1;
    for (TChartSeries* series : chart_.SeriesList()) {
        if (!series->Active() || !series->IsAssociatedWithAxis(axis_))
            continue;
        bool hasLabel = false;
        for (int i = 0; i < series->PointCount() && !hasLabel; ++i)
            hasLabel = !series->PointLabel(i).isEmpty();
        if (!hasLabel)
            continue;
        labelled.push_back(series);
        series->ComputeVisibleRange();
        if (series->FirstVisibleIndex() >= 0) {
            first = std::min(first, series->FirstVisibleIndex());
            last = std::max(last, series->LastVisibleIndex());
        }
    }

    bool drawnBefore = false;
    long long previous = 0;
    long long previousHalf = 0;
    const int separation = axis_.LabelsSeparation();
    for (int index = first; index <= last; ++index) {
        TChartSeries* source = nullptr;
        QString text;
        for (TChartSeries* series : labelled) {
            if (index < series->PointCount()) {
                text = series->PointLabel(index);
                if (!text.isEmpty()) {
                    source = series;
                    break;
                }
            }
        }
        if (source == nullptr)
            continue;
        if (const auto handler = chart_.OnGetAxisLabel)
            handler(axis_, source, index, text);
        const double value = axis_.IsHorizontal() ? source->XValueAt(index) : source->YValueAt(index);
        if (!(value >= axis_.RangeMin() && value <= axis_.RangeMax()))
            continue;
        const int p = axis_.ValueToPixel(value);
        if (!axis_.TickOnLabelsOnly())
            ticks_.push_back({p, value});
        if (!axis_.Labels())
            continue;
        const long long size = LabelSizeAlongAxis(text);
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

// Writes the text's lines stacked away from the axis at (x, y), aligned by
// the side of the axis and the angle: a label under the bottom axis hangs
// centred below its anchor, one left of the left axis ends at its anchor,
// centred on it vertically, and a title turned by 90 degrees beside the
// left axis has the bottom of its text box at its anchor.
void AxisPainter::DrawAxisText(int x, int y, const QString& text, int angle)
{
    using namespace TextAlign;
    const int height = canvas_.FontHeight();
    const int half = height / 2;
    const QStringList lines = LabelLines(text);
    const int n = static_cast<int>(lines.size());
    const bool bottom = side_ == Side::Bottom;
    const bool left = side_ == Side::Left;
    const bool horizontal = axis_.IsHorizontal();

    int flags = Left | Top;
    switch (angle) {
    case 0:
        if (horizontal) {
            flags = bottom ? Center | Top : Center | Bottom;
        } else {
            flags = left ? Right | Top : Left | Top;
            y -= half;
        }
        break;
    case 90:
        if (horizontal) {
            flags = bottom ? Right | Top : Left | Top;
            x -= half;
        } else {
            flags = left ? Center | Bottom : Center | Top;
        }
        break;
    case 180:
        if (horizontal) {
            flags = bottom ? Center | Bottom : Center | Top;
        } else {
            flags = left ? Left | Top : Right | Top;
            y += half;
        }
        break;
    case 270:
        if (horizontal) {
            flags = bottom ? Left | Top : Right | Top;
            x += half;
        } else {
            flags = left ? Center | Top : Center | Bottom;
        }
        break;
    default:
        break;
    }
    canvas_.SetTextAlignment(flags);

    // The block of lines: step d from line to line, the first line one step
    // before the anchor so that the loop below lands on it.
    const int d = angle == 180 || angle == 270 ? -height : height;
    const int block = RoundToInt(double(n) * d);
    const int centred = RoundToInt(d * 0.5 * (n + 1));
    if (horizontal) {
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

    for (const QString& line : lines) {
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
    canvas_.SetTextAlignment(Left | Top);
}

int AxisPainter::TickBase() const
{
    const int line = axis_.AxisLinePos();
    if (axis_.IsFarSide())
        return line;
    return line + AxisSide::Outward(axis_) * chart_.WallSizeForAxis(axis_);
}

void AxisPainter::DrawAcross(int p, int offset, int length)
{
    const int outward = AxisSide::Outward(axis_);
    const int from = TickBase() + outward * offset;
    const int to = from + outward * length;
    if (axis_.IsHorizontal())
        canvas_.DrawVerticalLine(p, from, to);
    else
        canvas_.DrawHorizontalLine(from, to, p);
}

void AxisPainter::DrawTicks(const std::vector<int>& positions, const TChartPen& pen, int offset, int length)
{
    canvas_.ApplyVisiblePen(pen);
    for (const int p : positions)
        DrawAcross(p, offset, length);
}

void AxisPainter::DrawAxisLine()
{
    canvas_.ApplyVisiblePen(axis_.Axis());
    const int line = axis_.AxisLinePos();
    const int wall = chart_.WallSizeForAxis(axis_);
    switch (side_) {
    case Side::Bottom:
        canvas_.DrawHorizontalLine(axis_.PixelStart() - chart_.WallSizeForAxis(chart_.LeftAxis()), axis_.PixelEnd(),
                                   line + wall);
        break;
    case Side::Top:
        canvas_.DrawHorizontalLine(axis_.PixelStart(), axis_.PixelEnd(), line);
        break;
    case Side::Left:
        canvas_.DrawVerticalLine(line - wall, axis_.PixelStart(),
                                 axis_.PixelEnd() + chart_.WallSizeForAxis(chart_.BottomAxis()));
        break;
    case Side::Right:
        canvas_.DrawVerticalLine(line, axis_.PixelStart(), axis_.PixelEnd());
        break;
    }
}

void AxisPainter::DrawGrid(const std::vector<int>& positions, const TChartPen& pen)
{
    // Dotted lines whose gaps leave the picture underneath as it is.
    canvas_.Brush().SetStyle(bsClear);
    canvas_.SetBackgroundMode(bkTransparent);
    canvas_.ApplyVisiblePen(pen);
    if (canvas_.Pen().Color() == clDefault)
        canvas_.Pen().SetColor(clGray);
    const TChartRect& area = chart_.ChartArea();
    for (const int p : positions) {
        // Dots over an axis line would break it up; the label and the tick
        // still mark the value.
        if (OnCrossingAxisLine(p))
            continue;
        if (axis_.IsHorizontal())
            canvas_.DrawVerticalLine(p, area.top, area.bottom);
        else
            canvas_.DrawHorizontalLine(area.left, area.right, p);
    }
    canvas_.SetBackgroundMode(bkOpaque);
}

bool AxisPainter::OnCrossingAxisLine(int p) const
{
    for (const TCustomChartAxis* other : chart_.AxisList()) {
        if (other->IsDepth() || other->IsHorizontal() == axis_.IsHorizontal() || !other->Axis().Visible()
            || !chart_.AxisIsShown(*other))
            continue;
        const platform::PixelSpan line =
            platform::LineCrossSection(AxisLineCoordinate(*other, chart_), other->Axis().Width());
        if (line.first <= p && p <= line.last)
            return true;
    }
    return false;
}

std::vector<int> AxisPainter::GridPositions() const
{
    std::vector<int> positions;
    positions.reserve(ticks_.size());
    if (axis_.GridCentered()) {
        for (std::size_t i = 1; i < ticks_.size(); ++i)
            positions.push_back(RoundToInt((double(ticks_[i].pixel) + ticks_[i - 1].pixel) * 0.5));
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
            const long long offset = RoundToInt(j * gap);
            keep(ticks_[0].pixel - offset);
            keep(ticks_[k - 1].pixel + offset);
        }
    }
    // Between neighbours.
    for (std::size_t i = 1; i < k; ++i) {
        const double gap = (double(ticks_[i].pixel) - ticks_[i - 1].pixel) / (count + 1);
        for (int j = 1; j <= count; ++j)
            keep(ticks_[i].pixel - static_cast<long long>(RoundToInt(j * gap)));
    }
    return positions;
}

void AxisPainter::DrawLineTicksAndGrid()
{
    std::vector<int> tickPixels;
    tickPixels.reserve(ticks_.size());
    for (const Tick& tick : ticks_)
        tickPixels.push_back(tick.pixel);
    const bool minorTicks = axis_.MinorTicks().Visible() && !ticks_.empty();
    const std::vector<int> minor = minorTicks ? MinorTickPositions() : std::vector<int>();

    // The grid first, so that the axis line covers the ends of grid lines
    // that reach into it; the ticks last, so that each shows whole.
    if (axis_.Grid().Visible())
        DrawGrid(GridPositions(), axis_.Grid());
    if (minorTicks && axis_.MinorGrid().Visible())
        DrawGrid(minor, axis_.MinorGrid());
    if (axis_.Axis().Visible())
        DrawAxisLine();
    if (axis_.Ticks().Visible())
        DrawTicks(tickPixels, axis_.Ticks(), 1, axis_.TickLength());
    if (axis_.TicksInner().Visible())
        DrawTicks(tickPixels, axis_.TicksInner(), -1, -axis_.TickInnerLength());
    if (minorTicks)
        DrawTicks(minor, axis_.MinorTicks(), 1, axis_.MinorTickLength());
}

} // namespace

void TCustomChartAxis::DrawAxis(bool placeLine)
{
    dateTimeMode_ = IsDateTimeAxis();
    owner_.SelectChartFont(labelsFont_);
    const double step = ComputeLabelStep();
    if (placeLine) {
        const TChartRect& area = owner_.ChartArea();
        axisLinePos_ = AxisSide::ShiftByPositionPercent(*this, AxisSide::AxisEdgeOf(*this, area), area);
    }

    AxisPainter painter(*this);
    if (!title_.Caption().isEmpty())
        painter.DrawTitle();
    if (rangeMax_ >= rangeMin_) {
        switch (ResolveLabelStyle()) {
        case talValue:
            painter.DrawValueLabels(step);
            break;
        case talMark:
        case talText:
            // The depth axis would show the series titles there, in depth.
            if (!isDepth_)
                painter.DrawSeriesTextLabels();
            break;
        default:
            break;
        }
    }
    painter.DrawLineTicksAndGrid();
}
