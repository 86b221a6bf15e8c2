#include "chart/ValueList.h"

#include "chart/ChartSeries.h"
#include "chart/ValueStatistics.h"
#include "platform/Exceptions.h"

#include <algorithm>
#include <utility>

TChartValueList::TChartValueList(TChartSeries* owner, std::string name)
    : name_(std::move(name))
    , owner_(owner)
{
}

void TChartValueList::SetDateTime(bool value)
{
    if (dateTime_ == value)
        return;
    dateTime_ = value;
    Repaint();
}

void TChartValueList::SetMultiplier(double value)
{
    if (multiplier_ == value)
        return;
    multiplier_ = value;
    MarkChanged();
    if (owner_ != nullptr) {
        owner_->NotifyDependents(scWholeChange, -1);
        owner_->InvalidateChart();
    }
}

void TChartValueList::Assign(const TChartValueList& source)
{
    order_ = source.order_;
    SetDateTime(source.dateTime_);
    SetMultiplier(source.multiplier_);
    valueSource_ = source.valueSource_;
}

void TChartValueList::CheckIndex(int index) const
{
    if (index < 0 || index >= ValueCount())
        throw ListIndexError(index);
}

void TChartValueList::CheckInsertIndex(int index) const
{
    if (index < 0 || index > ValueCount())
        throw ListIndexError(index);
}

double TChartValueList::ValueAt(int index) const
{
    CheckIndex(index);
    return values_[static_cast<std::size_t>(index)] * multiplier_;
}

double TChartValueList::StoredValueAt(int index) const
{
    CheckIndex(index);
    return values_[static_cast<std::size_t>(index)];
}

void TChartValueList::Exchange(int a, int b)
{
    CheckIndex(a);
    CheckIndex(b);
    std::swap(values_[static_cast<std::size_t>(a)], values_[static_cast<std::size_t>(b)]);
    MarkChanged();
}

void TChartValueList::SetValueAt(int index, double value)
{
    CheckIndex(index);
    values_[static_cast<std::size_t>(index)] = value;
    MarkChanged();
    if (owner_ != nullptr)
        owner_->NotifyDependents(scModified, index);
}

void TChartValueList::RemoveAll()
{
    std::vector<double>().swap(values_);
    MarkChanged();
}

void TChartValueList::ReserveForOneMore()
{
    if (values_.size() == values_.capacity())
        values_.reserve(std::max<std::size_t>(16, values_.capacity() * 2));
}

void TChartValueList::Reserve(int count)
{
    values_.reserve(static_cast<std::size_t>(std::max(count, 0)));
}

int TChartValueList::AddInOrder(double value)
{
    ReserveForOneMore();
    const int count = ValueCount();
    int index = count;
    if (order_ != loNone && count > 0) {
        // Walk back over the stored values the new one must precede; equal
        // values stay in front of it, so equal keys keep their adding order.
        const auto precedes = [this, value](double stored) {
            return order_ == loAscending ? value < stored : value > stored;
        };
        while (index > 0 && precedes(values_[static_cast<std::size_t>(index - 1)]))
            --index;
    }
    values_.insert(values_.begin() + index, value);
    MarkChanged();
    return index;
}

void TChartValueList::InsertAt(int index, double value)
{
    CheckInsertIndex(index);
    ReserveForOneMore();
    values_.insert(values_.begin() + index, value);
    MarkChanged();
}

int TChartValueList::ValueCount() const
{
    return static_cast<int>(values_.size());
}

void TChartValueList::RemoveAt(int index)
{
    CheckIndex(index);
    values_.erase(values_.begin() + index);
    MarkChanged();
}

void TChartValueList::RotateValues()
{
    if (values_.empty())
        return;
    // The statistics stay as they were before the rotation. Once one pair has
    // been read since the last change, both count as read, so the other pair
    // is taken from the values in their old order too (the first of equal
    // extremes and the rounding of the sums depend on it).
    if (extremesDirty_ != sumsDirty_) {
        LowestValue();
        ValueSum();
    }
    std::rotate(values_.begin(), values_.begin() + 1, values_.end());
}

double TChartValueList::LastValue() const
{
    return ValueAt(ValueCount() - 1);
}

int TChartValueList::IndexOfValue(double value) const
{
    for (int i = 0; i < ValueCount(); ++i) {
        if (ValueAt(i) == value)
            return i;
    }
    return -1;
}

void TChartValueList::RecomputeExtremes() const
{
    const ValueExtremes extremes = ScanExtremes(values_, multiplier_);
    lowest_ = extremes.lowest;
    highest_ = extremes.highest;
    extremesDirty_ = false;
}

void TChartValueList::RecomputeSums() const
{
    const ValueSums sums = ScanSums(values_, multiplier_);
    sum_ = sums.sum;
    absoluteSum_ = sums.absoluteSum;
    sumsDirty_ = false;
}

double TChartValueList::LowestValue() const
{
    if (extremesDirty_)
        RecomputeExtremes();
    return lowest_;
}

double TChartValueList::HighestValue() const
{
    if (extremesDirty_)
        RecomputeExtremes();
    return highest_;
}

double TChartValueList::ValueSum() const
{
    if (sumsDirty_)
        RecomputeSums();
    return sum_;
}

double TChartValueList::AbsoluteSum() const
{
    if (sumsDirty_)
        RecomputeSums();
    return absoluteSum_;
}

int TChartValueList::CompareAt(int a, int b) const
{
    const double va = ValueAt(a);
    const double vb = ValueAt(b);
    const int result = va < vb ? -1 : (va > vb ? 1 : 0);
    return order_ == loDescending ? -result : result;
}

void TChartValueList::SwapPoints(int a, int b)
{
    if (owner_ != nullptr)
        owner_->SwapPoints(a, b);
    else
        Exchange(a, b);
}

// Quicksort over whole points. The pivot is an index that follows its point
// when that point is swapped away. The second recursion is a loop, which keeps
// the order of the swaps but not the depth of the stack.
void TChartValueList::QuickSort(int left, int right)
{
    while (true) {
        int i = left;
        int j = right;
        int pivot = (left + right) / 2;
        if (i < j) {
            do {
                while (CompareAt(i, pivot) < 0)
                    ++i;
                while (CompareAt(pivot, j) < 0)
                    --j;
                if (i < j) {
                    SwapPoints(i, j);
                    if (pivot == i)
                        pivot = j;
                    else if (pivot == j)
                        pivot = i;
                }
                if (i <= j) {
                    ++i;
                    --j;
                }
            } while (i < j);
        }
        if (left < j)
            QuickSort(left, j);
        if (i >= right)
            return;
        left = i;
    }
}

void TChartValueList::SortByOrder()
{
    if (order_ == loNone || ValueCount() < 2)
        return;
    QuickSort(0, ValueCount() - 1);
}

void TChartValueList::FillWithIndices()
{
    for (int i = 0; i < ValueCount(); ++i)
        SetValueAt(i, i);
}

void TChartValueList::Repaint() const
{
    if (owner_ != nullptr)
        owner_->InvalidateChart();
}

TChartValueList& TChartValueLists::Add(std::unique_ptr<TChartValueList> list)
{
    lists_.push_back(std::move(list));
    return *lists_.back();
}

TChartValueList& TChartValueLists::operator[](int index) const
{
    if (index < 0 || index >= Count())
        throw ListIndexError(index);
    return *lists_[static_cast<std::size_t>(index)];
}
