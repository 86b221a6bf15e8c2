#pragma once

#include <memory>
#include <span>
#include <string>
#include <vector>

class TChartSeries;

// Where AddInOrder puts a new value.
enum TChartListOrder { loNone, loAscending, loDescending };

// One coordinate of the points of a series (the X values, the Y values).
// Values are stored as given; every read returns the stored value times
// Multiplier. Lowest, highest and the sums are cached and recomputed over all
// values at the first read after a change: the extremes at the first read of
// either, the sums at the first read of either, each pair in one pass.
class TChartValueList {
public:
    // owner may be null for a list that belongs to no series; such a list
    // sorts its own values and tells nobody about changes.
    TChartValueList(TChartSeries* owner, std::string name);
    virtual ~TChartValueList() = default;
    TChartValueList(const TChartValueList&) = delete;
    TChartValueList& operator=(const TChartValueList&) = delete;

    TChartSeries* Owner() const { return owner_; }

    // Published settings.
    bool DateTime() const { return dateTime_; }
    void SetDateTime(bool value);
    double Multiplier() const { return multiplier_; }
    void SetMultiplier(double value);
    const std::string& Name() const { return name_; }
    void SetName(const std::string& value) { name_ = value; }
    TChartListOrder Order() const { return order_; }
    // Only decides where later values go; stored values keep their places.
    void SetOrder(TChartListOrder value) { order_ = value; }
    const std::string& ValueSource() const { return valueSource_; }
    void SetValueSource(const std::string& value) { valueSource_ = value; }

    // Copies Order, DateTime, Multiplier and ValueSource, not the values.
    void Assign(const TChartValueList& source);

    // Indices run from 0 to ValueCount() - 1; any other index raises
    // ListIndexError and leaves the list as it was.
    virtual double ValueAt(int index) const;
    virtual void SetValueAt(int index, double value);
    virtual void RemoveAll();
    // Stores the value where Order wants it (after equal values) and returns its index.
    virtual int AddInOrder(double value);
    // index may be ValueCount() (append).
    virtual void InsertAt(int index, double value);
    virtual int ValueCount() const;
    virtual void RemoveAt(int index);
    // The first value moves to the end; the statistics stay valid.
    virtual void RotateValues();

    double LastValue() const;
    // First index whose ValueAt equals value, or -1.
    int IndexOfValue(double value) const;
    // The stored value without Multiplier.
    double StoredValueAt(int index) const;
    // All stored values, without Multiplier, for reading many at once.
    std::span<const double> StoredValues() const { return values_; }
    // Exchanges two values of this list only.
    void Exchange(int a, int b);

    double LowestValue() const;
    double HighestValue() const;
    double ValueSum() const;
    double AbsoluteSum() const;
    // True until a statistic is read after a change.
    bool StatisticsDirty() const { return extremesDirty_ && sumsDirty_; }

    // Reorders all points of the owner series (or this list's values when it
    // has no owner) by this list's values, following Order.
    void SortByOrder();
    // SetValueAt(i, i) for every index.
    void FillWithIndices();

    // The value AddPoint stages for this list before it is stored.
    double PendingValue() const { return pendingValue_; }
    void SetPendingValue(double value) { pendingValue_ = value; }

    // Makes sure that one more value can be stored without allocating, so that
    // a series can add a point to all its lists or to none.
    void ReserveForOneMore();
    // Room for count values in all, allocated once, for a caller that knows
    // how many values will come.
    void Reserve(int count);

private:
    void CheckIndex(int index) const;
    void CheckInsertIndex(int index) const;
    void RecomputeExtremes() const;
    void RecomputeSums() const;
    void MarkChanged() { extremesDirty_ = sumsDirty_ = true; }
    int CompareAt(int a, int b) const;
    void QuickSort(int left, int right);
    void SwapPoints(int a, int b);
    void Repaint() const;

    bool dateTime_ = false;
    std::vector<double> values_;
    mutable double highest_ = 0;
    mutable double lowest_ = 0;
    double multiplier_ = 1.0;
    std::string name_;
    TChartListOrder order_ = loNone;
    TChartSeries* owner_;
    double pendingValue_ = 0;
    mutable double sum_ = 0;
    mutable double absoluteSum_ = 0;
    std::string valueSource_;
    mutable bool extremesDirty_ = true;
    mutable bool sumsDirty_ = true;
};

// The value lists of a series in creation order: 0 is X, 1 is Y, further
// lists are extra values of series types that have them. Owns the lists.
class TChartValueLists {
public:
    TChartValueList& Add(std::unique_ptr<TChartValueList> list);
    int Count() const { return static_cast<int>(lists_.size()); }
    TChartValueList& operator[](int index) const;

    auto begin() const { return lists_.begin(); }
    auto end() const { return lists_.end(); }

private:
    std::vector<std::unique_ptr<TChartValueList>> lists_;
};
