#pragma once

#include <vector>

// Where the value labels of an axis go: the step between neighbouring labels
// and the label values themselves. Pure arithmetic; the axis supplies the
// measured label size and its range.

// The smallest step there is; also the answer when no usable step exists.
inline constexpr double minimumLabelStep = 1e-12;
// A range that would need this many labels or more gets none.
inline constexpr double maximumLabelCount = 10000;

struct TLabelStepRequest {
    int labelSize = 0;   // size of one label along the axis, in pixels
    int pixelSize = 0;   // length of the axis, in pixels
    double span = 0;     // the value range of the axis
    double increment = 0; // the smallest step wanted; 0 lets the labels decide
    int separation = 10; // room between labels, in percent of the label size; 0: no search
};

// The step between value labels: the smallest step on the 1-2-5 ladder (or
// the increment, when given, and the ladder rungs above it) that keeps the
// labels, each widened by the separation, within the axis length. With
// separation 0 the increment (or 1, or 1e-12 for spans below 1) is taken as it
// is. Never below 1e-12; 1e-12 also when no label fits or no finite step exists.
double NiceLabelStep(const TLabelStepRequest& request);

// The values of linear value labels, from the top of the range downward: the
// first is rangeMax, or with roundFirstLabel (and a range wider than 0) the
// highest whole multiple of step not above rangeMax; then one step less each,
// down to rangeMin. Values that floating-point error puts a hair beyond
// either end of the range (about 1e-12 of the span, or a few units in the last
// place of the values, never more than a millionth of the step) still count
// as inside it. No values for a reversed
// range, and none when 10000 or more steps fit into the range.
std::vector<double> LinearLabelValues(double rangeMin, double rangeMax, double step, bool roundFirstLabel);

// The powers of base (at least 2) from the lowest at or above rangeMin up to
// rangeMax, upward; none when the range does not lie above 0.
std::vector<double> LogarithmicLabelValues(double rangeMin, double rangeMax, int base);
