#pragma once

#include "chart/AxisPens.h"
#include "chart/AxisTitle.h"
#include "chart/ChartPen.h"
#include "chart/ChartRect.h"
#include "chart/DeviceLinePlacement.h"
#include "chart/NumberFormat.h"

#include <optional>
#include <string>

class TCustomAxisPanel;

// What the labels of an axis show.
enum TAxisLabelStyle { talAuto, talNone, talValue, talMark, talText };

// One side of the plot: its value range, its pixel span and the mapping
// between values and pixels, with the settings that govern its labels,
// ticks, grid and title. The chart owns its axes; an axis lives exactly as
// long as its chart.
//
// Setters store a value and request a repaint of the chart only when it
// differs from the stored one; validating setters raise AxisException or
// ChartException before anything changes.
class TCustomChartAxis {
public:
    // Sets the defaults and appends the axis to the owner's axis list.
    explicit TCustomChartAxis(TCustomAxisPanel& owner);
    virtual ~TCustomChartAxis();
    TCustomChartAxis(const TCustomChartAxis&) = delete;
    TCustomChartAxis& operator=(const TCustomChartAxis&) = delete;

    // Copies every setting of another axis (pens, fonts and the title through
    // their own copies) and its placement.
    virtual void Assign(const TCustomChartAxis& source);

    TCustomAxisPanel& OwnerChart() const { return owner_; }

    // Range. Automatic ends follow the series at every paint.
    bool Automatic() const { return automatic_; }
    // Also sets both one-sided flags (unless the chart is being loaded).
    void SetAutomatic(bool value);
    bool AutomaticMaximum() const { return automaticMaximum_; }
    void SetAutomaticMaximum(bool value);
    bool AutomaticMinimum() const { return automaticMinimum_; }
    void SetAutomaticMinimum(bool value);
    double Maximum() const { return maximum_; }
    // Refuses a value below Minimum (AxisException), unless the chart is being loaded.
    void SetMaximum(double value);
    double Minimum() const { return minimum_; }
    // Refuses a value above Maximum (AxisException), unless the chart is being loaded.
    void SetMinimum(double value);
    double Increment() const { return increment_; }
    void SetIncrement(double value);
    bool Logarithmic() const { return logarithmic_; }
    void SetLogarithmic(bool value);
    int LogarithmicBase() const { return logarithmicBase_; }
    void SetLogarithmicBase(int value);

    // Line, ticks and grid.
    TChartAxisPen& Axis() { return axisPen_; }
    const TChartAxisPen& Axis() const { return axisPen_; }
    void SetAxis(const TChartPen& pen) { axisPen_.Assign(pen); }
    TDottedGrayPen& Grid() { return grid_; }
    const TDottedGrayPen& Grid() const { return grid_; }
    void SetGrid(const TChartPen& pen) { grid_.Assign(pen); }
    bool GridCentered() const { return gridCentered_; }
    void SetGridCentered(bool value);
    TChartHiddenPen& MinorGrid() { return minorGrid_; }
    const TChartHiddenPen& MinorGrid() const { return minorGrid_; }
    void SetMinorGrid(const TChartPen& pen) { minorGrid_.Assign(pen); }
    int MinorTickCount() const { return minorTickCount_; }
    void SetMinorTickCount(int value);
    int MinorTickLength() const { return minorTickLength_; }
    void SetMinorTickLength(int value);
    TDarkGrayPen& MinorTicks() { return minorTicks_; }
    const TDarkGrayPen& MinorTicks() const { return minorTicks_; }
    void SetMinorTicks(const TChartPen& pen) { minorTicks_.Assign(pen); }
    TDarkGrayPen& Ticks() { return ticks_; }
    const TDarkGrayPen& Ticks() const { return ticks_; }
    void SetTicks(const TChartPen& pen) { ticks_.Assign(pen); }
    TDarkGrayPen& TicksInner() { return ticksInner_; }
    const TDarkGrayPen& TicksInner() const { return ticksInner_; }
    void SetTicksInner(const TChartPen& pen) { ticksInner_.Assign(pen); }
    int TickInnerLength() const { return tickInnerLength_; }
    void SetTickInnerLength(int value);
    int TickLength() const { return tickLength_; }
    void SetTickLength(int value);
    bool TickOnLabelsOnly() const { return tickOnLabelsOnly_; }
    void SetTickOnLabelsOnly(bool value);

    // Title.
    TChartAxisTitle& Title() { return title_; }
    const TChartAxisTitle& Title() const { return title_; }
    void SetTitle(const TChartAxisTitle& title) { title_.Assign(title); }
    int TitleSize() const { return titleSize_; }
    void SetTitleSize(int value);

    // Labels.
    bool Labels() const { return labels_; }
    void SetLabels(bool value);
    int LabelsAngle() const { return labelsAngle_; }
    // 0 .. 359, else ChartException.
    void SetLabelsAngle(int value);
    TChartFont& LabelsFont() { return labelsFont_; }
    const TChartFont& LabelsFont() const { return labelsFont_; }
    void SetLabelsFont(const TChartFont& font) { labelsFont_.Assign(font); }
    bool LabelsOnAxis() const { return labelsOnAxis_; }
    void SetLabelsOnAxis(bool value);
    int LabelsSeparation() const { return labelsSeparation_; }
    // 0 or more, else AxisException.
    void SetLabelsSeparation(int value);
    int LabelsSize() const { return labelsSize_; }
    void SetLabelsSize(int value);
    TAxisLabelStyle LabelStyle() const { return labelStyle_; }
    void SetLabelStyle(TAxisLabelStyle value);
    bool LabelsMultiLine() const { return labelsMultiLine_; }
    void SetLabelsMultiLine(bool value);
    const std::string& AxisValuesFormat() const { return axisValuesFormat_.Text(); }
    void SetAxisValuesFormat(const std::string& value);
    const std::string& DateTimeFormat() const { return dateTimeFormat_; }
    void SetDateTimeFormat(const std::string& value);
    bool ExactDateTime() const { return exactDateTime_; }
    void SetExactDateTime(bool value);
    bool RoundFirstLabel() const { return roundFirstLabel_; }
    void SetRoundFirstLabel(bool value);

    // Position.
    bool Inverted() const { return inverted_; }
    void SetInverted(bool value);
    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    double StartPosition() const { return startPosition_; }
    void SetStartPosition(double value);
    double EndPosition() const { return endPosition_; }
    void SetEndPosition(double value);
    double PositionPercent() const { return positionPercent_; }
    void SetPositionPercent(double value);

    // Placement, set once by the chart.
    bool IsHorizontal() const { return isHorizontal_; }
    bool IsFarSide() const { return isFarSide_; }
    bool IsDepth() const { return isDepth_; }
    int StandardTitleAngle() const { return standardTitleAngle_; }

    // The range and pixels of the last paint.
    double RangeMin() const { return rangeMin_; }
    double RangeMax() const { return rangeMax_; }
    double RangeSpan() const { return rangeSpan_; }
    int PixelStart() const { return pixelStart_; }
    int PixelEnd() const { return pixelEnd_; }
    int PixelSize() const { return pixelSize_; }
    int PixelCenter() const { return pixelCenter_; }

    // Positions across the axis (y of a horizontal axis, x of a vertical one)
    // of the line, the labels and the title, written by the axis layout.
    int AxisLinePos() const { return axisLinePos_; }
    void SetAxisLinePos(int value) { axisLinePos_ = value; }
    int LabelsPos() const { return labelsPos_; }
    void SetLabelsPos(int value) { labelsPos_ = value; }
    int TitlePos() const { return titlePos_; }
    void SetTitlePos(int value) { titlePos_ = value; }
    bool DateTimeMode() const { return dateTimeMode_; }
    void SetDateTimeMode(bool value) { dateTimeMode_ = value; }

    // Takes the range of this paint: automatic ends from the series, the
    // others from Minimum and Maximum.
    void ComputeRange();
    // The ends ComputeRange takes now, without taking them.
    double NextRangeMin() const;
    double NextRangeMax() const;
    // Takes the pixel span from the chart rectangle, StartPosition and EndPosition.
    void ComputePixelPositions();
    // Widens the range so that the data keeps the given pixels (left, top,
    // right, bottom) away from the axis ends; Minimum and Maximum stay.
    void RefitRangeToInset(const TChartRect& insets);

    // Value to pixel on this axis; values whose offset does not fit an
    // integer, and every value of a zero span, go to PixelCenter.
    int ValueToPixel(double value) const;
    int ValueToPixelX(double value) const;
    int ValueToPixelY(double value) const;
    // The device position of the line a pen placed so draws through the
    // value's exact place on the axis (see DeviceLinePlacement), from the
    // same offset in extended precision; with an identity placement of a
    // one-pixel pen ValueToPixelX (ValueToPixelY) itself. Values that go to
    // PixelCenter go to the line through that pixel.
    int DeviceValueToPixelX(double value, const DeviceLinePlacement& placement) const;
    int DeviceValueToPixelY(double value, const DeviceLinePlacement& placement) const;
    // Pixel to value; 0 while the axis has no pixels.
    double PixelToValue(int pixel) const;

    // A manual range from the lower to the higher of a and b, at least 1e-10 wide.
    void SetRange(double a, double b);
    // Moves the manual range by offset; with checkLimits only towards data
    // that lies beyond the range.
    void ScrollRange(double offset, bool checkLimits);

    // Labels and drawing. Text is measured in the chart canvas's current font.
    // The value distance between neighbouring value labels: the smallest step
    // on the 1-2-5 ladder (starting from Increment when set) at which the
    // labels of RangeMin and RangeMax, widened by LabelsSeparation, fit the
    // axis length; at least 1e-12.
    double ComputeLabelStep() const;
    // The text of a value label: AxisValuesFormat with the chart's number
    // separators, then the chart's OnGetAxisLabel handler, then the blanks
    // turned into line breaks when LabelsMultiLine is set. Date-time axes are
    // labelled with numbers as well.
    std::string FormatAxisValue(double value) const;
    // What the labels show: LabelStyle, or for talAuto what the active series
    // on the axis offer (point labels, else values; nothing without series).
    TAxisLabelStyle ResolveLabelStyle() const;
    // Layout: takes the band that title, labels and ticks need from the side
    // of rect where the axis stands and sets TitlePos and LabelsPos; with
    // measure False leaves rect alone and places line, labels and title
    // outward from its edge.
    void ClaimAxisSpace(TChartRect& rect, bool measure);
    // Paints the axis through the chart canvas: title, labels, axis line,
    // ticks, grid, inner ticks, minor ticks and minor grid. placeLine first
    // puts the line on the chart rectangle's edge.
    void DrawAxis(bool placeLine);

    // Whether the first active series on this axis has date-time values.
    bool IsDateTimeAxis() const;
    // Whether the point lies on the drawn axis: along its pixel span, across
    // from the labels to the line.
    bool IsPointOnAxis(int x, int y) const;

protected:
    // Asks the chart to repaint.
    void InvalidateChart() const;
    // Sets Visible while the axis is being made, without a repaint request.
    void InitVisible(bool value) { visible_ = value; }

private:
    friend class TCustomAxisPanel;
    // The chart places each of its axes once, after construction.
    void Place(bool horizontal, bool farSide, bool depth, int standardTitleAngle);

    double SeriesMinimum() const;
    double SeriesMaximum() const;
    // RangeSpan, or for ends so far apart that their difference overflows a
    // double (-1e308 .. 1e308) the difference in extended precision.
    platform::Extended MappedSpan() const;
    int MapValue(double value, bool fromEnd) const;
    // The value's offset in pixels from the axis start, as MapValue rounds
    // it; none for a value that goes to PixelCenter whatever it is.
    std::optional<double> ValueOffset(double value) const;
    int MapOffset(double offset, bool fromEnd) const;
    int DeviceMapValue(double value, bool fromEnd, const DeviceLinePlacement& placement) const;
    int DepthValueToPixel(double value) const;

    TCustomAxisPanel& owner_;
    bool automatic_ = true;
    bool automaticMaximum_ = true;
    bool automaticMinimum_ = true;
    double increment_ = 0;
    double maximum_ = 0;
    double minimum_ = 0;
    bool logarithmic_ = false;
    int logarithmicBase_ = 10;
    TChartAxisPen axisPen_;
    int axisLinePos_ = 0;
    TChartAxisTitle title_;
    int titleSize_ = 0;
    int titlePos_ = 0;
    TDottedGrayPen grid_;
    bool gridCentered_ = false;
    bool labels_ = true;
    int labelsAngle_ = 0;
    TChartFont labelsFont_;
    bool labelsOnAxis_ = true;
    int labelsSeparation_ = 10;
    int labelsSize_ = 0;
    TAxisLabelStyle labelStyle_ = talAuto;
    int labelsPos_ = 0;
    TNumberFormat axisValuesFormat_;
    std::string dateTimeFormat_;
    bool exactDateTime_ = true;
    bool roundFirstLabel_ = true;
    bool labelsMultiLine_ = false;
    TChartHiddenPen minorGrid_;
    int minorTickCount_ = 3;
    int minorTickLength_ = 2;
    TDarkGrayPen minorTicks_;
    TDarkGrayPen ticks_;
    TDarkGrayPen ticksInner_;
    int tickInnerLength_ = 0;
    int tickLength_ = 4;
    bool tickOnLabelsOnly_ = true;
    bool inverted_ = false;
    bool isHorizontal_ = false;
    bool isFarSide_ = false;
    bool visible_ = true;
    double startPosition_ = 0;
    double endPosition_ = 100;
    double positionPercent_ = 0;
    double rangeMax_ = 0;
    double rangeMin_ = 0;
    double rangeSpan_ = 0;
    bool dateTimeMode_ = false;
    int pixelCenter_ = 0;
    int standardTitleAngle_ = 0;
    int pixelStart_ = 0;
    int pixelEnd_ = 0;
    int pixelSize_ = 0;
    bool isDepth_ = false;
};

// The four side axes of the chart.
class TChartAxis : public TCustomChartAxis {
public:
    using TCustomChartAxis::TCustomChartAxis;
};

// The depth axis: hidden by default, shown only in 3D view.
class TChartDepthAxis : public TCustomChartAxis {
public:
    explicit TChartDepthAxis(TCustomAxisPanel& owner);
};
