#pragma once

#include "chart/Axis.h"
#include "chart/ChartPanel.h"
#include "chart/ChartSeries.h"
#include "chart/NumberFormat.h"

#include <functional>
#include <memory>
#include <vector>

// The chart's ordered list of series: the paint order. It references the
// series; their owners own them.
class TChartSeriesList {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    // Raises ListIndexError outside 0 .. Count() - 1.
    TChartSeries* operator[](int index) const;
    int IndexOf(const TChartSeries* series) const;
    bool Contains(const TChartSeries* series) const { return IndexOf(series) >= 0; }

    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }
    auto rbegin() const { return items_.rbegin(); }
    auto rend() const { return items_.rend(); }

private:
    friend class TCustomAxisPanel;
    std::vector<TChartSeries*> items_;
};

// The chart's label handlers (see TCustomAxisPanel::OnGetAxisLabel and
// OnGetNextAxisLabel).
using TGetAxisLabelEvent =
    std::function<void(const TCustomChartAxis& sender, TChartSeries* series, int valueIndex, std::string& labelText)>;
using TGetNextAxisLabelEvent =
    std::function<void(const TCustomChartAxis& sender, int labelIndex, double& labelValue, bool& stop)>;

// The chart's axis level: the series list, the five axes and the data
// ranges the axes take from the series.
class TCustomAxisPanel : public TCustomChartPanelExtended {
public:
    TCustomAxisPanel();
    // Destroys the series still attached, then the axes.
    ~TCustomAxisPanel() override;

    // Series.
    const TChartSeriesList& SeriesList() const { return seriesList_; }
    int NumberOfSeries() const { return seriesList_.Count(); }
    TChartSeries* SeriesAt(int index) const { return seriesList_[index]; }
    // Detaches and destroys every attached series, first to last.
    void DestroyAllSeries();
    // True while the chart is being destroyed.
    bool IsDestroying() const { return destroying_; }

    // Axes, in list order: bottom, top, left, right, depth.
    TChartAxis& BottomAxis() const { return *bottomAxis_; }
    TChartAxis& TopAxis() const { return *topAxis_; }
    TChartAxis& LeftAxis() const { return *leftAxis_; }
    TChartAxis& RightAxis() const { return *rightAxis_; }
    TChartDepthAxis& DepthAxis() const { return *depthAxis_; }
    const std::vector<TCustomChartAxis*>& AxisList() const { return axisList_; }
    // Whether the axis takes part in layout and drawing.
    bool AxisIsShown(const TCustomChartAxis& axis) const;

    // The data range of the series on an axis; 0 when no series counts.
    double ChartMinX(const TCustomChartAxis& axis) const;
    double ChartMaxX(const TCustomChartAxis& axis) const;
    double ChartMinY(const TCustomChartAxis& axis) const;
    double ChartMaxY(const TCustomChartAxis& axis) const;

    // The first palette colour no series uses (nor, with checkBackground,
    // the chart's Color or BackColor); red when all are taken.
    TColor PickFreeSeriesColor(bool checkBackground) const;
    // Entry i mod 16 of the default palette.
    static TColor DefaultPaletteColor(int index);
    // The colour of the plot's back wall; the chart control supplies it.
    virtual TColor BackColor() const { return clDefault; }

    // Settings.
    bool AxisVisible() const { return axisVisible_; }
    void SetAxisVisible(bool value);
    bool ClipPoints() const { return clipPoints_; }
    void SetClipPoints(bool value);
    bool View3DWalls() const { return view3DWalls_; }
    void SetView3DWalls(bool value);
    // Paging: with MaxPointsPerPage > 0 the axes along the ordered values
    // show page Page of the first series.
    int Page() const { return page_; }
    void SetPage(int value);
    int MaxPointsPerPage() const { return maxPointsPerPage_; }
    void SetMaxPointsPerPage(int value);
    bool ScaleLastPage() const { return scaleLastPage_; }
    void SetScaleLastPage(bool value);

    // The depth of the 3D view in pixels; 0 in two dimensions.
    int ChartDepth() const { return chartDepth_; }
    // The highest z-order of the series; 0 without series.
    int HighestZOrder() const;

    // The separators the axes write numbers with; a change requests a repaint.
    // "." and "," until the platform gives the locale's.
    const TNumberSeparators& NumberSeparators() const { return numberSeparators_; }
    void SetNumberSeparators(const TNumberSeparators& value) { StoreSetting(numberSeparators_, value); }

    // The thickness of the wall beside an axis; 0 in two dimensions.
    virtual int WallSizeForAxis(const TCustomChartAxis& /*axis*/) const { return 0; }
    // Whether the picture goes to a printer (white texts are then written black).
    virtual bool IsPrinting() const { return false; }
    // The width of the widest line of the point labels of the active series,
    // in the canvas font; 0 without labels. A point's mark text is its label.
    int MaxPointLabelWidth() const;

    // Label handlers. OnGetAxisLabel may change the text of a label: value
    // labels come with no series and index -1, series texts with their series
    // and point index.
    TGetAxisLabelEvent OnGetAxisLabel;
    // OnGetNextAxisLabel supplies the values of an axis's value labels: it is
    // called with the indexes 0, 1, 2, ... and the value of the last call
    // (RangeMin at first), with stop set. Clearing stop places a label at the
    // value it leaves; leaving stop set ends the labels, and at index 0 lets
    // the axis place its own.
    TGetNextAxisLabelEvent OnGetNextAxisLabel;

    // Drawing events, raised by the paint.
    std::function<void(TCustomAxisPanel& sender)> OnBeforeDrawAxes;
    std::function<void(TCustomAxisPanel& sender)> OnBeforeDrawSeries;
    std::function<void(TCustomAxisPanel& sender)> OnAfterDraw;

protected:
    void SetChartDepth(int value) { chartDepth_ = value; }

private:
    friend class TChartSeries;
    friend class TCustomChartAxis;

    // Run by TChartSeries::SetParentChart only.
    void AttachSeries(TChartSeries& series);
    void DetachSeries(TChartSeries& series);
    void CheckDataSource(TChartSeries& series);
    void RegisterAxis(TCustomChartAxis& axis) { axisList_.push_back(&axis); }

    enum class RangeEnd { Low, High };
    double SeriesRange(const TCustomChartAxis& axis, bool horizontal, RangeEnd end) const;
    double DepthRange(const TCustomChartAxis& axis, RangeEnd end) const;
    double PagedRange(const TChartSeries& series, RangeEnd end) const;

    TChartSeriesList seriesList_;
    std::vector<TCustomChartAxis*> axisList_;
    std::unique_ptr<TChartAxis> bottomAxis_;
    std::unique_ptr<TChartAxis> topAxis_;
    std::unique_ptr<TChartAxis> leftAxis_;
    std::unique_ptr<TChartAxis> rightAxis_;
    std::unique_ptr<TChartDepthAxis> depthAxis_;
    bool axisVisible_ = true;
    bool clipPoints_ = true;
    bool view3DWalls_ = true;
    int page_ = 1;
    int maxPointsPerPage_ = 0;
    bool scaleLastPage_ = true;
    int chartDepth_ = 0;
    bool destroying_ = false;
    TNumberSeparators numberSeparators_;
};
