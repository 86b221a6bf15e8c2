#pragma once

#include "chart/ChartPen.h"
#include "chart/ChartSeries.h"
#include "chart/LinePaint.h"
#include "chart/LineStripBuilder.h"

class AxisPixelMapper;
class TChartCanvas3D;

// The series every run plots: a polyline through its points in X order,
// drawn with one pen, without point symbols, point colours or fill. A point
// whose pixel equals that of the point drawn just before it is skipped, so
// thousands of points on few pixels cost only as many segments as there are
// distinct pixels.
//
// LinePen and SeriesColor are kept equal: setting either colour sets the other.
class TFastLineSeries : public TChartSeries {
public:
    explicit TFastLineSeries(platform::ComponentOwner* owner = nullptr);

    // True: a new point only asks the chart to repaint. False: the new
    // segment is drawn at once onto the chart's window, without a repaint.
    bool AutoRepaint() const { return autoRepaint_; }
    void SetAutoRepaint(bool value) { autoRepaint_ = value; }

    // The pen of the whole line: black, solid, one pixel, copy mode at first.
    TChartPen& LinePen() { return linePen_; }
    const TChartPen& LinePen() const { return linePen_; }
    // Copies the pen; the series colour follows its colour.
    void SetLinePen(const TChartPen& pen);
    // The line colour follows.
    void SetSeriesColor(TColor value) override;

    // Makes the chart canvas ready to draw the line: LinePen as the canvas
    // pen (an invisible one draws nothing), no brush.
    void PrepareLinePen();
    // The visible points as strips of segments through the canvas's fast
    // line path: the same pixels as DrawPoint for every visible point. The
    // chart's paint hands the canvas, the mappers of this paint, the printer
    // flag and the clip; the line is clipped to the clip while it is drawn.
    // On a target with a device pixel ratio above 1 the strips are worked
    // out and drawn at device resolution (the mappers' placement, made anew
    // here for a pen wider than one pixel): the segments between the device
    // positions of the points, which DrawPoint's logical lines only
    // approximate.
    void DrawLine(const LinePaint& paint);
    // DrawLine on the chart's canvas, unclipped, with mappers of the
    // series' axes made for this call.
    void DrawAllPoints() override;
    // In a paint: DrawLine with the paint's maps of the series' axes, unless
    // StripLine says that the series draws its own way.
    void DrawValues(const SeriesPaint& paint) override;
    TFastLineSeries* StripLine() override { return this; }
    // One point of the line: the segment from the point drawn before (or,
    // for the first visible point, from the point before it), unless the
    // pixel repeats the last one drawn.
    void DrawPoint(int index) final;
    void NotifyPointAdded(TChartSeries& sender, int index) override;
    // The values and pixels of a point are the base class's; a paint
    // computes them in bulk with the same results. Final, so that no
    // derived series can change them behind the bulk computation's back.
    double XValueAt(int index) const final;
    double YValueAt(int index) const final;
    int PointPixelX(int index) const final;
    int PointPixelY(int index) const final;

    // The first visible point on the mouse pixel, or the point that starts
    // the segment through it; -1 when none.
    int HitTest(int x, int y) const override;

    // A paint may work out the segments before it draws any series, from the
    // series drawn last to the first, to leave out those that later drawing
    // covers: PrepareStrip (after ComputeVisibleRange) collects the segments
    // of the visible points, leaves out those whose pixels coverage already
    // holds and adds the pixels of the others to it; the next DrawAllPoints
    // draws what was kept. That keeps the picture only when LinePen draws
    // plain one-pixel lines (CanHideSegments), which drawn again over their
    // own colour change nothing.
    bool CanHideSegments() const;
    void PrepareStrip(TLineCoverage& coverage, const AxisPixelMapper& toX, const AxisPixelMapper& toY);
    // Forgets a prepared strip that was not drawn.
    void DiscardPreparedStrip() { stripPrepared_ = false; }

    // The pixel of the point drawn last; it decides which points repeat.
    int LastPixelX() const { return lastPixelX_; }
    int LastPixelY() const { return lastPixelY_; }

private:
    void LinePenChanged();
    void ApplyLinePen(TChartCanvas3D& canvas, bool printing) const;
    // The pixels of the visible points with the repeats left out, starting
    // with the point before the first visible one when there is one, as
    // strips to draw; a plain pen's segments up and down one column merged,
    // and with coverage, without the covered segments.
    void CollectStrip(const AxisPixelMapper& toX, const AxisPixelMapper& toY, TLineCoverage* coverage);
    void DrawRuns(TChartCanvas3D& canvas);

    TChartPen linePen_;
    bool autoRepaint_ = true;
    int lastPixelX_ = 0;
    int lastPixelY_ = 0;
    // The strips to draw.
    TLineStripBuilder strip_;
    bool stripPrepared_ = false;
};
