#include "chart/ChartSeries.h"

#include "chart/AxisPanel.h"
#include "chart/ChartCanvas.h"
#include "chart/ChartConst.h"
#include "chart/ChartExceptions.h"
#include "platform/Exceptions.h"
#include "platform/RasterVectorUnit.h"

#include <algorithm>
#include <memory>

TChartSeries::TChartSeries(platform::ComponentOwner* owner)
    : OwnedComponent(owner)
    , marks_([this] { InvalidateChart(); })
{
    percentFormat_ = ChartConst::DefaultPercentFormat();
    valueFormat_ = ChartConst::DefaultValueFormat();
    xValues_ = &AddValueList(ChartConst::XValuesName());
    yValues_ = &AddValueList(ChartConst::YValuesName());
    xValues_->SetOrder(loAscending);
}

// Unlinks the series from its sources and dependents, empties it and detaches
// it from its chart; the component base then leaves the owner.
TChartSeries::~TChartSeries()
{
    UnlinkFromSources();
    dataSources_.clear();
    for (TChartSeries* dependent : dependents_)
        std::erase(dependent->dataSources_, this);
    dependents_.clear();
    try {
        TChartSeries::ClearPoints();
    } catch (...) {
        // An OnClearValues handler that fails cannot stop the destruction.
    }
    if (parentChart_ != nullptr)
        TChartSeries::SetParentChart(nullptr);
}

TChartValueList& TChartSeries::AddValueList(const std::string& name)
{
    return valueLists_.Add(std::make_unique<TChartValueList>(this, name));
}

void TChartSeries::SetActive(bool value)
{
    StoreSetting(active_, value);
}

void TChartSeries::SetColorEachPoint(bool value)
{
    if (colorEachPoint_ != value) {
        colorEachPoint_ = value;
        InvalidateChart();
    }
    if (!value) {
        for (int i = 0; i < static_cast<int>(colors_.size()); ++i)
            SetPointColor(i, clDefault);
    }
}

void TChartSeries::SetHorizAxis(THorizAxis value)
{
    if (horizAxis_ == value)
        return;
    horizAxis_ = value;
    ResolveAxes();
    InvalidateChart();
}

void TChartSeries::SetVertAxis(TVertAxis value)
{
    if (vertAxis_ == value)
        return;
    vertAxis_ = value;
    ResolveAxes();
    InvalidateChart();
}

void TChartSeries::SetParentChart(TCustomAxisPanel* chart)
{
    if (chart == parentChart_)
        return;
    if (parentChart_ != nullptr)
        parentChart_->DetachSeries(*this);
    parentChart_ = chart;
    ResolveAxes();
    if (chart != nullptr)
        chart->AttachSeries(*this);
}

void TChartSeries::ResolveAxes()
{
    if (parentChart_ == nullptr) {
        resolvedHorizAxis_ = nullptr;
        resolvedVertAxis_ = nullptr;
        return;
    }
    resolvedHorizAxis_ = horizAxis_ == aTopAxis ? &parentChart_->TopAxis() : &parentChart_->BottomAxis();
    resolvedVertAxis_ = vertAxis_ == aRightAxis ? &parentChart_->RightAxis() : &parentChart_->LeftAxis();
}

TChartSeries* TChartSeries::DataSource() const
{
    return dataSources_.empty() ? nullptr : dataSources_.front();
}

void TChartSeries::SetDataSource(TChartSeries* source)
{
    if (source == DataSource())
        return;
    if (source != nullptr) {
        if (parentChart_ == nullptr)
            throw ChartException(ChartConst::NoParentChartForDataSource());
        if (source == this || source->DependsOn(*this))
            throw ChartException(ChartConst::CircularSeriesSources());
    }
    UnlinkFromSources();
    dataSources_.clear();
    if (source != nullptr)
        dataSources_.push_back(source);
    if (parentChart_ != nullptr)
        parentChart_->CheckDataSource(*this);
}

bool TChartSeries::DependsOn(const TChartSeries& other) const
{
    return std::any_of(dataSources_.begin(), dataSources_.end(), [&other](const TChartSeries* source) {
        return source == &other || source->DependsOn(other);
    });
}

void TChartSeries::LinkToSources()
{
    for (TChartSeries* source : dataSources_) {
        auto& dependents = source->dependents_;
        if (std::find(dependents.begin(), dependents.end(), this) == dependents.end())
            dependents.push_back(this);
    }
}

void TChartSeries::UnlinkFromSources()
{
    for (TChartSeries* source : dataSources_)
        std::erase(source->dependents_, this);
}

void TChartSeries::SetPercentFormat(const std::string& value)
{
    StoreSetting(percentFormat_, value);
}

void TChartSeries::SetSeriesColor(TColor value)
{
    StoreSetting(seriesColor_, value);
}

void TChartSeries::SetShowInLegend(bool value)
{
    StoreSetting(showInLegend_, value);
}

void TChartSeries::SetTitle(const std::string& value)
{
    StoreSetting(title_, value);
}

void TChartSeries::SetValueFormat(const std::string& value)
{
    StoreSetting(valueFormat_, value);
}

void TChartSeries::SetXValues(const TChartValueList& source)
{
    xValues_->Assign(source);
    InvalidateChart();
}

void TChartSeries::SetYValues(const TChartValueList& source)
{
    yValues_->Assign(source);
    InvalidateChart();
}

int TChartSeries::AddPoint(double x, double y, const std::string& label, TColor color)
{
    xValues_->SetPendingValue(x);
    yValues_->SetPendingValue(y);
    if (OnBeforeAdd && !OnBeforeAdd(*this))
        return -1;
    const int index = StorePoint(xValues_->PendingValue(), yValues_->PendingValue(), label, color);
    NotifyPointAdded(*this, index);
    return index;
}

int TChartSeries::StorePoint(double x, double y, const std::string& label, TColor color)
{
    // Make room in every parallel list first: once the X value is stored,
    // nothing can fail, so a point lands in all lists or in none.
    xValues_->ReserveForOneMore();
    yValues_->ReserveForOneMore();
    if (colors_.size() == colors_.capacity())
        colors_.reserve(std::max<std::size_t>(16, colors_.capacity() * 2));
    labels_.ReserveForInsert(label);

    const int index = xValues_->AddInOrder(x);
    yValues_->InsertAt(index, y);
    const auto at = static_cast<std::size_t>(index);
    if (colors_.size() < at)
        colors_.resize(at, clDefault);
    colors_.insert(colors_.begin() + index, color);
    labels_.Insert(index, label);
    return index;
}

void TChartSeries::ReservePoints(int count)
{
    for (const auto& list : valueLists_)
        list->Reserve(count);
    colors_.reserve(static_cast<std::size_t>(std::max(count, 0)));
}

int TChartSeries::AddSequentialPoint(double value, const std::string& label, TColor color)
{
    if (&MandatoryValueList() == yValues_)
        return AddPoint(PointCount(), value, label, color);
    return AddPoint(value, PointCount(), label, color);
}

int TChartSeries::AddNullPoint(double x, double y, const std::string& label)
{
    return AddPoint(x, y, label, clNone);
}

int TChartSeries::AddNullValue(const std::string& label)
{
    return AddSequentialPoint(0, label, clNone);
}

TColor TChartSeries::PointColor(int index) const
{
    if (index < 0 || index >= static_cast<int>(colors_.size()))
        return seriesColor_;
    const TColor stored = colors_[static_cast<std::size_t>(index)];
    if (stored != clDefault)
        return stored;
    return colorEachPoint_ ? TCustomAxisPanel::DefaultPaletteColor(index) : seriesColor_;
}

void TChartSeries::SetPointColor(int index, TColor color)
{
    if (index < 0 || index >= static_cast<int>(colors_.size()))
        throw ListIndexError(index);
    colors_[static_cast<std::size_t>(index)] = color;
    InvalidateChart();
}

void TChartSeries::ClearPointLists()
{
    for (const auto& list : valueLists_)
        list->RemoveAll();
    std::vector<TColor>().swap(colors_);
    labels_.Clear();
}

void TChartSeries::ClearPoints()
{
    ClearPointLists();
    if (OnClearValues)
        OnClearValues(*this);
    NotifyDependents(scCleared, -1);
    if (active_ && parentChart_ != nullptr && !parentChart_->IsDestroying())
        InvalidateChart();
}

void TChartSeries::CheckPointIndex(int index) const
{
    for (const auto& list : valueLists_) {
        if (index < 0 || index >= list->ValueCount())
            throw ListIndexError(index);
    }
}

void TChartSeries::DeletePoint(int index)
{
    CheckPointIndex(index);
    for (const auto& list : valueLists_)
        list->RemoveAt(index);
    if (index < static_cast<int>(colors_.size()))
        colors_.erase(colors_.begin() + index);
    if (index < labels_.Count())
        labels_.Remove(index);
    NotifyDependents(scDeleted, index);
    if (active_)
        InvalidateChart();
}

void TChartSeries::SwapPoints(int a, int b)
{
    // Every list is checked before anything moves, so a bad index leaves the
    // points as they were.
    const auto check = [a, b](int count) {
        if (a < 0 || a >= count)
            throw ListIndexError(a);
        if (b < 0 || b >= count)
            throw ListIndexError(b);
    };
    for (const auto& list : valueLists_)
        check(list->ValueCount());
    check(static_cast<int>(colors_.size()));
    check(labels_.Count());

    for (const auto& list : valueLists_)
        list->Exchange(a, b);
    std::swap(colors_[static_cast<std::size_t>(a)], colors_[static_cast<std::size_t>(b)]);
    labels_.Exchange(a, b);
}

int TChartSeries::PointPixelX(int index) const
{
    if (resolvedHorizAxis_ == nullptr)
        throw ChartException(ChartConst::SeriesNotAttached());
    return resolvedHorizAxis_->ValueToPixelX(XValueAt(index));
}

int TChartSeries::PointPixelY(int index) const
{
    if (resolvedVertAxis_ == nullptr)
        throw ChartException(ChartConst::SeriesNotAttached());
    return resolvedVertAxis_->ValueToPixelY(YValueAt(index));
}

bool TChartSeries::IsAssociatedWithAxis(const TCustomChartAxis& axis) const
{
    if (!UsesAxes())
        return false;
    // Every series has a place in depth.
    if (axis.IsDepth())
        return true;
    if (axis.IsHorizontal())
        return horizAxis_ == aBothHorizAxis || resolvedHorizAxis_ == &axis;
    return vertAxis_ == aBothVertAxis || resolvedVertAxis_ == &axis;
}

void TChartSeries::HorizontalMargins(int& left, int& right) const
{
    left = 0;
    right = 0;
}

void TChartSeries::VerticalMargins(int& top, int& bottom) const
{
    top = 0;
    bottom = 0;
}

void TChartSeries::ComputeVisibleRange()
{
    firstVisibleIndex_ = -1;
    lastVisibleIndex_ = -1;
    const int count = PointCount();
    if (count == 0)
        return;
    const int lastIndex = count - 1;
    const bool xOrdered = &MandatoryValueList() == yValues_;
    const TChartValueList& ordered = xOrdered ? *xValues_ : *yValues_;
    const TCustomChartAxis* axis = xOrdered ? resolvedHorizAxis_ : resolvedVertAxis_;
    if (!computeVisibleRange_ || ordered.Order() == loNone || axis == nullptr) {
        firstVisibleIndex_ = 0;
        lastVisibleIndex_ = lastIndex;
        return;
    }

    // The pixel ends of the chart rectangle where the axis has its low and its high values.
    const TChartRect& area = parentChart_->ChartArea();
    const bool inverted = axis->Inverted();
    const int lowPixel = xOrdered ? (inverted ? area.right : area.left) : (inverted ? area.top : area.bottom);
    const int highPixel = xOrdered ? (inverted ? area.left : area.right) : (inverted ? area.bottom : area.top);

    // The values as the list reads them, scanned in place.
    platform::raster::ClearUpperVectorHalves();
    const double* const stored = ordered.StoredValues().data();
    const double multiplier = ordered.Multiplier();
    const auto valueAt = [stored, multiplier](int index) { return stored[index] * multiplier; };

    const double low = axis->PixelToValue(lowPixel);
    int first = 0;
    while (valueAt(first) < low) {
        if (++first > lastIndex)
            return;
    }
    firstVisibleIndex_ = first;

    const double high = axis->PixelToValue(highPixel);
    if (valueAt(lastIndex) <= high) {
        lastVisibleIndex_ = lastIndex;
        return;
    }
    // The first point at or beyond the high end; a series that draws segments
    // keeps it, so that the segment leaving the plot is drawn.
    int last = first;
    while (last < lastIndex && valueAt(last) < high)
        ++last;
    if (!drawBetweenPoints_ && valueAt(last) > high)
        --last;
    lastVisibleIndex_ = last;
}

void TChartSeries::DoBeforeDrawValues()
{
    if (BeforeDrawValues)
        BeforeDrawValues(*this);
}

void TChartSeries::DoAfterDrawValues()
{
    if (AfterDrawValues)
        AfterDrawValues(*this);
}

void TChartSeries::DrawValues(const SeriesPaint& paint)
{
    if (paint.clip)
        paint.canvas.ClipRectangle(*paint.clip);
    DrawAllPoints();
    if (paint.clip)
        paint.canvas.RemoveClipping();
}

void TChartSeries::DrawAllPoints()
{
    if (firstVisibleIndex_ < 0)
        return;
    for (int i = firstVisibleIndex_; i <= lastVisibleIndex_; ++i)
        DrawPoint(i);
}

void TChartSeries::DrawPoint(int /*index*/)
{
}

int TChartSeries::HitTest(int /*x*/, int /*y*/) const
{
    return -1;
}

void TChartSeries::NotifyPointAdded(TChartSeries& /*sender*/, int index)
{
    if (OnAfterAdd)
        OnAfterAdd(*this, index);
    NotifyDependents(scAdded, index);
    if (active_)
        InvalidateChart();
}

void TChartSeries::InvalidateChart() const
{
    if (parentChart_ != nullptr)
        parentChart_->RequestRepaint();
}

void TChartSeries::NotifyDependents(TSeriesChange kind, int index)
{
    // A dependent's reaction may change the list (a handler detaching a
    // series); walk a copy.
    const std::vector<TChartSeries*> dependents = dependents_;
    for (TChartSeries* dependent : dependents) {
        const unsigned options = dependent->recalcOptions_;
        switch (kind) {
        case scCleared:
            if (options & rOnClear)
                dependent->ClearPoints();
            break;
        case scAdded:
            if (options & rOnInsert) {
                const int added = dependent->AddPointFromSource(*this, index);
                dependent->NotifyPointAdded(*dependent, added);
            }
            break;
        case scDeleted:
            if (options & rOnDelete)
                dependent->DeletePoint(index);
            break;
        case scWholeChange:
            dependent->CopyAllPointsFrom(*this);
            break;
        case scModified:
            if (options & rOnModify)
                dependent->CopyAllPointsFrom(*this);
            break;
        }
    }
}

int TChartSeries::AddPointFromSource(const TChartSeries& source, int index)
{
    const TColor color = index < static_cast<int>(source.colors_.size())
        ? source.colors_[static_cast<std::size_t>(index)]
        : clDefault;
    return StorePoint(source.XValueAt(index), source.YValueAt(index), source.PointLabel(index), color);
}

void TChartSeries::CopyAllPointsFrom(const TChartSeries& source)
{
    ClearPoints();
    for (int i = 0; i < source.PointCount(); ++i)
        AddPointFromSource(source, i);
    NotifyDependents(scWholeChange, -1);
    InvalidateChart();
}
