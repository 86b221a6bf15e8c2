#pragma once

#include <span>

// The statistics of a value list, computed over the values as a list reads
// them (each stored value times the multiplier), in index order.

struct ValueExtremes {
    double lowest = 0;
    double highest = 0;
};

struct ValueSums {
    double sum = 0;
    double absoluteSum = 0;
};

// Lowest and highest as the scan "lowest = highest = first value; then for
// each further v: if v < lowest, lowest = v; else if v > highest, highest =
// v" leaves them: values that are no number are passed over (a first value
// that is no number stays both), and of equal values the first is kept, which
// decides between 0 and -0. Both 0 for no values.
ValueExtremes ScanExtremes(std::span<const double> stored, double multiplier);

// Sum and sum of magnitudes, added in index order. Both 0 for no values.
ValueSums ScanSums(std::span<const double> stored, double multiplier);
