#pragma once

#include "chart/ChartHost.h"
#include "chart/PointLabels.h"
#include "chart/SeriesMarks.h"
#include "chart/SeriesPaint.h"
#include "chart/ValueList.h"
#include "platform/Colors.h"
#include "platform/ComponentOwner.h"

#include <functional>
#include <string>
#include <vector>

class TCustomAxisPanel;
class TCustomChartAxis;
class TFastLineSeries;

// Which horizontal axis maps a series' X values. A custom axis is not
// supported; aCustomHorizAxis maps to the bottom axis.
enum THorizAxis { aTopAxis, aBottomAxis, aBothHorizAxis, aCustomHorizAxis };
// Which vertical axis maps a series' Y values; aCustomVertAxis maps to the left axis.
enum TVertAxis { aLeftAxis, aRightAxis, aBothVertAxis, aCustomVertAxis };

// What changed in a series, as told to the series that copy its points.
enum TSeriesChange { scCleared, scAdded, scDeleted, scWholeChange, scModified };

// Which changes of its data source a series follows (a combination of bits).
enum TRecalcOption : unsigned { rOnDelete = 1, rOnModify = 2, rOnInsert = 4, rOnClear = 8 };
inline constexpr unsigned rOnAllChanges = rOnDelete | rOnModify | rOnInsert | rOnClear;

// The data of one plotted line: X and Y value lists, one colour and one
// optional label per point, and the link to the chart that shows it.
//
// A series is a component of its owner (platform::ComponentOwner): the owner
// destroys it unless it was destroyed before. Attached to a chart
// (SetParentChart), it is referenced by the chart's SeriesList, and the chart
// destroys it when the chart itself goes, so an attached series must live on
// the heap and be owned by its owner or by nobody. Destroyed first, a series
// leaves its chart and its owner itself.
//
// Nothing here draws: changes ask the chart to repaint (InvalidateChart), and
// the chart calls the drawing hooks during its paint.
class TChartSeries : public platform::OwnedComponent {
public:
    explicit TChartSeries(platform::ComponentOwner* owner = nullptr);
    ~TChartSeries() override;

    // Published settings.
    bool Active() const { return active_; }
    virtual void SetActive(bool value);
    bool ColorEachPoint() const { return colorEachPoint_; }
    // Setting False (also when already False) resets every point colour to clDefault.
    virtual void SetColorEachPoint(bool value);
    const std::string& ColorSource() const { return colorSource_; }
    void SetColorSource(const std::string& value) { colorSource_ = value; }
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor value) { cursor_ = value; }
    THorizAxis HorizAxis() const { return horizAxis_; }
    void SetHorizAxis(THorizAxis value);
    TVertAxis VertAxis() const { return vertAxis_; }
    void SetVertAxis(TVertAxis value);
    TSeriesMarks& Marks() { return marks_; }
    const TSeriesMarks& Marks() const { return marks_; }
    TCustomAxisPanel* ParentChart() const { return parentChart_; }
    // Detaches from the current chart and attaches to the new one (or to none).
    virtual void SetParentChart(TCustomAxisPanel* chart);
    // Another series whose points this series copies and follows. Needs a
    // parent chart; a chain of sources that leads back here is refused.
    TChartSeries* DataSource() const;
    void SetDataSource(TChartSeries* source);
    const std::string& PercentFormat() const { return percentFormat_; }
    void SetPercentFormat(const std::string& value);
    TColor SeriesColor() const { return seriesColor_; }
    virtual void SetSeriesColor(TColor value);
    bool ShowInLegend() const { return showInLegend_; }
    void SetShowInLegend(bool value);
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& value);
    const std::string& ValueFormat() const { return valueFormat_; }
    void SetValueFormat(const std::string& value);
    const std::string& XLabelsSource() const { return xLabelsSource_; }
    void SetXLabelsSource(const std::string& value) { xLabelsSource_ = value; }
    const std::string& Name() const { return name_; }
    void SetName(const std::string& value) { name_ = value; }
    int Tag() const { return tag_; }
    void SetTag(int value) { tag_ = value; }

    // The X and Y value lists. Assigning copies Order, DateTime, Multiplier
    // and ValueSource of the given list, not its values.
    TChartValueList& XValues() { return *xValues_; }
    const TChartValueList& XValues() const { return *xValues_; }
    void SetXValues(const TChartValueList& source);
    TChartValueList& YValues() { return *yValues_; }
    const TChartValueList& YValues() const { return *yValues_; }
    void SetYValues(const TChartValueList& source);
    const TChartValueLists& ValuesLists() const { return valueLists_; }
    // The list whose values are given one per point; the other one is ordered.
    virtual const TChartValueList& MandatoryValueList() const { return *yValues_; }

    // Events.
    std::function<void(TChartSeries& sender)> AfterDrawValues;
    std::function<void(TChartSeries& sender)> BeforeDrawValues;
    std::function<void(TChartSeries& sender, int valueIndex)> OnAfterAdd;
    // Asked before a point is stored; false cancels the add.
    std::function<bool(TChartSeries& sender)> OnBeforeAdd;
    std::function<void(TChartSeries& sender)> OnClearValues;

    // Stores a point where the X list's order wants it; its Y, colour and
    // label land at the same index. Returns the index, or -1 when OnBeforeAdd refused.
    virtual int AddPoint(double x, double y, const std::string& label = {}, TColor color = clDefault);
    // A point at the next index: x = PointCount() when Y is the mandatory list.
    virtual int AddSequentialPoint(double value, const std::string& label = {}, TColor color = clDefault);
    virtual int AddNullPoint(double x, double y, const std::string& label = {});
    // A null point with value 0 at the next index.
    virtual int AddNullValue(const std::string& label = {});

    int PointCount() const { return xValues_->ValueCount(); }
    // Room for count points in all in every parallel list, allocated once,
    // for a caller that knows how many points will come.
    void ReservePoints(int count);
    virtual double XValueAt(int index) const { return xValues_->ValueAt(index); }
    virtual double YValueAt(int index) const { return yValues_->ValueAt(index); }
    // The point's own colour, clDefault resolved to the series colour (or a
    // palette colour with ColorEachPoint); the series colour beyond the list.
    virtual TColor PointColor(int index) const;
    // Overwrites the stored colour of an existing point and invalidates the chart.
    void SetPointColor(int index, TColor color);
    bool IsNullPoint(int index) const { return PointColor(index) == clNone; }
    // The stored label; empty beyond the list.
    virtual std::string PointLabel(int index) const { return labels_.At(index); }

    virtual void ClearPoints();
    virtual void DeletePoint(int index);
    // Exchanges two points in every list; no repaint.
    virtual void SwapPoints(int a, int b);

    // Over all points; 0 without points.
    virtual double MinX() const { return xValues_->LowestValue(); }
    virtual double MaxX() const { return xValues_->HighestValue(); }
    virtual double MinY() const { return yValues_->LowestValue(); }
    virtual double MaxY() const { return yValues_->HighestValue(); }

    // The axes the series maps through; null without a chart.
    TCustomChartAxis* GetHorizAxis() const { return resolvedHorizAxis_; }
    TCustomChartAxis* GetVertAxis() const { return resolvedVertAxis_; }
    // Pixel of a point through the resolved axes; raises ChartException when
    // the series is not attached.
    virtual int PointPixelX(int index) const;
    virtual int PointPixelY(int index) const;
    virtual bool IsAssociatedWithAxis(const TCustomChartAxis& axis) const;
    virtual bool UsesAxes() const { return true; }
    // Pixels the series needs free beside the plot; none by default.
    virtual void HorizontalMargins(int& left, int& right) const;
    virtual void VerticalMargins(int& top, int& bottom) const;

    // The index range of the points in view, set before each drawing; -1 when none.
    void ComputeVisibleRange();
    int FirstVisibleIndex() const { return firstVisibleIndex_; }
    int LastVisibleIndex() const { return lastVisibleIndex_; }
    bool ComputesVisibleRange() const { return computeVisibleRange_; }
    void SetComputesVisibleRange(bool value) { computeVisibleRange_ = value; }
    bool DrawsBetweenPoints() const { return drawBetweenPoints_; }

    // Drawing hooks the chart calls during a paint.
    virtual void BeforeChartPaint() {}
    virtual void DoBeforeDrawValues();
    virtual void DoAfterDrawValues();
    // The one drawing entry of a chart's paint: the visible points (after
    // ComputeVisibleRange) with what the paint draws with. By default
    // DrawAllPoints, clipped to the paint's clip.
    virtual void DrawValues(const SeriesPaint& paint);
    // The fast line whose strip of segments a paint draws this series'
    // values through (TFastLineSeries::PrepareStrip): the paint works out the
    // strips of all such series before it draws any and leaves out the
    // segments that later drawing covers. Null for a series that draws its
    // values otherwise; a class derived from TFastLineSeries that draws its
    // own way (overriding DrawValues or DrawAllPoints) answers null, so that
    // a strip it does not draw hides nothing.
    virtual TFastLineSeries* StripLine() { return nullptr; }
    // DrawPoint for every visible index.
    virtual void DrawAllPoints();
    virtual void DrawPoint(int index);
    // The point under a mouse position, or -1.
    virtual int HitTest(int x, int y) const;
    // A pen or brush of the series changed.
    virtual void PenChanged() { InvalidateChart(); }

    // After a point was stored: OnAfterAdd, dependents, then a repaint request.
    virtual void NotifyPointAdded(TChartSeries& sender, int index);
    // Asks the parent chart, if any, to repaint.
    void InvalidateChart() const;

    // The series that copy this one's points, and what they follow of it.
    void NotifyDependents(TSeriesChange kind, int index);
    const std::vector<TChartSeries*>& Dependents() const { return dependents_; }
    unsigned RecalcOptions() const { return recalcOptions_; }
    void SetRecalcOptions(unsigned value) { recalcOptions_ = value; }
    // Copies one point of a source series and returns its index here.
    virtual int AddPointFromSource(const TChartSeries& source, int index);
    // Replaces all points by those of a source series.
    virtual void CopyAllPointsFrom(const TChartSeries& source);

    // -1 is automatic: the chart decides.
    int ZOrder() const { return zOrder_; }
    void SetZOrder(int value) { zOrder_ = value; }

protected:
    // Creates a further value list, appended after X and Y.
    TChartValueList& AddValueList(const std::string& name);
    void SetDrawsBetweenPoints(bool value) { drawBetweenPoints_ = value; }
    // The list part of ClearPoints: empties every list and releases the memory.
    virtual void ClearPointLists();

private:
    friend class TCustomAxisPanel;

    // Stores a setting; a value that differs from the stored one asks the
    // chart, if any, to repaint.
    template <typename T>
    void StoreSetting(T& field, const T& value)
    {
        if (field == value)
            return;
        field = value;
        InvalidateChart();
    }
    void ResolveAxes();
    bool DependsOn(const TChartSeries& other) const;
    void UnlinkFromSources();
    void LinkToSources();
    void CheckPointIndex(int index) const;
    // Stores a point (no events, no notification) and returns its index.
    int StorePoint(double x, double y, const std::string& label, TColor color);

    TChartValueLists valueLists_;
    TChartValueList* xValues_;
    TChartValueList* yValues_;
    std::vector<TColor> colors_;
    TPointLabels labels_;
    TSeriesMarks marks_;

    bool active_ = true;
    bool colorEachPoint_ = false;
    std::string colorSource_;
    TCursor cursor_ = crDefault;
    THorizAxis horizAxis_ = aBottomAxis;
    TVertAxis vertAxis_ = aLeftAxis;
    TCustomAxisPanel* parentChart_ = nullptr;
    std::string percentFormat_;
    TColor seriesColor_ = clDefault;
    bool showInLegend_ = true;
    std::string title_;
    std::string valueFormat_;
    std::string xLabelsSource_;
    std::string name_;
    int tag_ = 0;

    TCustomChartAxis* resolvedHorizAxis_ = nullptr;
    TCustomChartAxis* resolvedVertAxis_ = nullptr;
    int firstVisibleIndex_ = -1;
    int lastVisibleIndex_ = -1;
    std::vector<TChartSeries*> dataSources_;
    std::vector<TChartSeries*> dependents_;
    unsigned recalcOptions_ = rOnAllChanges;
    bool computeVisibleRange_ = true;
    bool drawBetweenPoints_ = false;
    int zOrder_ = -1;
};
