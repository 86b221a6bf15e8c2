#include "chart/AxisPanel.h"

#include "platform/Exceptions.h"

#include <algorithm>
#include <array>

TChartSeries* TChartSeriesList::operator[](int index) const
{
    if (index < 0 || index >= Count())
        throw ListIndexError(index);
    return items_[static_cast<std::size_t>(index)];
}

int TChartSeriesList::IndexOf(const TChartSeries* series) const
{
    const auto found = std::find(items_.begin(), items_.end(), series);
    return found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
}

TCustomAxisPanel::TCustomAxisPanel()
{
    // Each axis appends itself to the axis list: bottom, top, left, right, depth.
    bottomAxis_ = std::make_unique<TChartAxis>(*this);
    bottomAxis_->Place(true, false, false, 0);
    topAxis_ = std::make_unique<TChartAxis>(*this);
    topAxis_->Place(true, true, false, 0);
    leftAxis_ = std::make_unique<TChartAxis>(*this);
    leftAxis_->Place(false, false, false, 90);
    rightAxis_ = std::make_unique<TChartAxis>(*this);
    rightAxis_->Place(false, true, false, 270);
    depthAxis_ = std::make_unique<TChartDepthAxis>(*this);
    depthAxis_->Place(false, true, true, 0);
}

TCustomAxisPanel::~TCustomAxisPanel()
{
    // The window and the chart's derived parts are gone or going: nothing may
    // reach them while the series are destroyed.
    destroying_ = true;
    DisconnectHost();
    DestroyAllSeries();
}

void TCustomAxisPanel::DestroyAllSeries()
{
    while (NumberOfSeries() > 0) {
        TChartSeries* series = seriesList_.items_.front();
        series->SetParentChart(nullptr);
        if (seriesList_.Contains(series))
            DetachSeries(*series);
        delete series;
    }
}

void TCustomAxisPanel::AttachSeries(TChartSeries& series)
{
    if (seriesList_.Contains(&series))
        return;
    if (series.SeriesColor() == clDefault)
        series.SetSeriesColor(PickFreeSeriesColor(true));
    series.parentChart_ = this;
    CheckDataSource(series);
    seriesList_.items_.push_back(&series);
    RequestRepaint();
}

void TCustomAxisPanel::DetachSeries(TChartSeries& series)
{
    if (!seriesList_.Contains(&series))
        return;
    series.UnlinkFromSources();
    series.parentChart_ = nullptr;
    series.ResolveAxes();
    if (CurrentCursor() == series.Cursor())
        ShowCursor(Cursor());
    std::erase(seriesList_.items_, &series);
    RequestRepaint();
}

void TCustomAxisPanel::CheckDataSource(TChartSeries& series)
{
    const TChartSeries* source = series.DataSource();
    if (source == nullptr || IsLoading())
        return;
    series.LinkToSources();
    series.CopyAllPointsFrom(*source);
}

void TCustomAxisPanel::SetAxisVisible(bool value)
{
    StoreSetting(axisVisible_, value);
}

void TCustomAxisPanel::SetClipPoints(bool value)
{
    StoreSetting(clipPoints_, value);
}

void TCustomAxisPanel::SetView3DWalls(bool value)
{
    StoreSetting(view3DWalls_, value);
}

void TCustomAxisPanel::SetPage(int value)
{
    StoreSetting(page_, value);
}

void TCustomAxisPanel::SetMaxPointsPerPage(int value)
{
    StoreSetting(maxPointsPerPage_, value);
}

void TCustomAxisPanel::SetScaleLastPage(bool value)
{
    StoreSetting(scaleLastPage_, value);
}

bool TCustomAxisPanel::AxisIsShown(const TCustomChartAxis& axis) const
{
    if (!axisVisible_ || !axis.Visible())
        return false;
    if (axis.IsDepth() && !View3D())
        return false;
    bool anySeriesUsesAxes = false;
    for (const TChartSeries* series : seriesList_) {
        if (!series->Active() || !series->UsesAxes())
            continue;
        anySeriesUsesAxes = true;
        if (series->IsAssociatedWithAxis(axis))
            return true;
    }
    return !anySeriesUsesAxes;
}

namespace {

// Whether a series maps the given direction (X: horizontal) through the axis.
bool MapsThrough(const TChartSeries& series, const TCustomChartAxis& axis, bool horizontal)
{
    if (!series.UsesAxes())
        return false;
    if (horizontal)
        return series.HorizAxis() == aBothHorizAxis || series.GetHorizAxis() == &axis;
    return series.VertAxis() == aBothVertAxis || series.GetVertAxis() == &axis;
}

// Whether the series keeps its X values ordered (Y is given per point).
bool OrdersX(const TChartSeries& series)
{
    return &series.MandatoryValueList() == &series.YValues();
}

} // namespace

double TCustomAxisPanel::ChartMinX(const TCustomChartAxis& axis) const
{
    return SeriesRange(axis, true, RangeEnd::Low);
}

double TCustomAxisPanel::ChartMaxX(const TCustomChartAxis& axis) const
{
    return SeriesRange(axis, true, RangeEnd::High);
}

double TCustomAxisPanel::ChartMinY(const TCustomChartAxis& axis) const
{
    return SeriesRange(axis, false, RangeEnd::Low);
}

double TCustomAxisPanel::ChartMaxY(const TCustomChartAxis& axis) const
{
    return SeriesRange(axis, false, RangeEnd::High);
}

double TCustomAxisPanel::SeriesRange(const TCustomChartAxis& axis, bool horizontal, RangeEnd end) const
{
    if (axis.IsDepth())
        return DepthRange(axis, end);

    // Inactive series count only while no active series uses the axis.
    const bool activeSeriesUses = std::any_of(seriesList_.begin(), seriesList_.end(),
        [&](const TChartSeries* s) { return s->Active() && MapsThrough(*s, axis, horizontal); });
    const auto counts = [&](const TChartSeries& s) {
        return (s.Active() || !activeSeriesUses) && MapsThrough(s, axis, horizontal);
    };

    if (maxPointsPerPage_ > 0) {
        const auto first = std::find_if(seriesList_.begin(), seriesList_.end(),
            [&](const TChartSeries* s) { return counts(*s); });
        if (first != seriesList_.end() && OrdersX(**first) == horizontal)
            return PagedRange(**first, end);
    }

    bool found = false;
    double result = 0;
    for (const TChartSeries* series : seriesList_) {
        if (series->PointCount() == 0 || !counts(*series))
            continue;
        const double value = end == RangeEnd::Low ? (horizontal ? series->MinX() : series->MinY())
                                                  : (horizontal ? series->MaxX() : series->MaxY());
        if (!found || (end == RangeEnd::Low ? value < result : value > result))
            result = value;
        found = true;
    }
    return result;
}

double TCustomAxisPanel::PagedRange(const TChartSeries& series, RangeEnd end) const
{
    const int count = series.PointCount();
    if (count == 0)
        return 0;
    const int perPage = maxPointsPerPage_;
    int first = std::max(0, perPage * (page_ - 1));
    if (first >= count)
        first = perPage * std::max(0, count / perPage - 1);
    int last = first + perPage - 1;
    if (last >= count)
        last = first + count % perPage - 1;

    const TChartValueList& ordered = OrdersX(series) ? series.XValues() : series.YValues();
    const double low = ordered.ValueAt(first);
    if (end == RangeEnd::Low)
        return low;
    const double high = ordered.ValueAt(last);
    const int shown = last - first + 1;
    if (shown < perPage && !scaleLastPage_)
        return low + (high - low) * perPage / shown;
    return high;
}

double TCustomAxisPanel::DepthRange(const TCustomChartAxis& axis, RangeEnd end) const
{
    if (axis.LabelStyle() != talValue)
        return end == RangeEnd::Low ? -0.5 : HighestZOrder() + 0.5;
    const auto active = std::find_if(seriesList_.begin(), seriesList_.end(),
        [](const TChartSeries* s) { return s->Active(); });
    return active == seriesList_.end() ? 0 : std::max(0, (*active)->ZOrder());
}

int TCustomAxisPanel::HighestZOrder() const
{
    int highest = 0;
    for (const TChartSeries* series : seriesList_)
        highest = std::max(highest, series->ZOrder());
    return highest;
}

TColor TCustomAxisPanel::DefaultPaletteColor(int index)
{
    static constexpr std::array<TColor, 16> palette = {clRed, clGreen, clYellow, clBlue, clWhite,
        clGray, clFuchsia, clTeal, clNavy, clMaroon, clLime, clOlive, clPurple, clSilver, clAqua,
        clBlack};
    return palette[static_cast<std::size_t>(index) % palette.size()];
}

TColor TCustomAxisPanel::PickFreeSeriesColor(bool checkBackground) const
{
    const auto isFree = [&](TColor color) {
        const bool used = std::any_of(seriesList_.begin(), seriesList_.end(),
            [color](const TChartSeries* s) { return s->SeriesColor() == color; });
        return !used && (!checkBackground || (color != Color() && color != BackColor()));
    };
    for (int i = 0; i < 16; ++i) {
        const TColor color = DefaultPaletteColor(i);
        if (isFree(color))
            return color;
    }
    // Every palette colour is taken: start again at the first.
    return DefaultPaletteColor(16);
}
