#pragma once

#include <functional>

class TChartSeries;
class TCustomChart;
class TCustomChartAxis;

// The mouse buttons, as the chart's mouse handling tells them apart.
enum TMouseButton { mbLeft, mbRight, mbMiddle };

// The keys and buttons held down with a mouse action, as a combination of bits.
using TShiftState = unsigned;
enum TShiftStateBit : unsigned {
    ssShift = 1u << 0,
    ssAlt = 1u << 1,
    ssCtrl = 1u << 2,
    ssLeft = 1u << 3,
    ssRight = 1u << 4,
    ssMiddle = 1u << 5,
    ssDouble = 1u << 6,
};
inline constexpr TShiftState ssNone = 0;

// Whether every key of wanted is held in shift.
constexpr bool AllKeysHeld(TShiftState shift, TShiftState wanted)
{
    return (shift & wanted) == wanted;
}

// The part of a chart under a mouse position.
enum TChartClickedPartStyle { cpNone, cpLegend, cpAxis, cpSeries, cpTitle, cpFoot, cpChartRect };

struct TChartClickedPart {
    TChartClickedPartStyle Part = cpNone;
    // The series and its point for cpSeries.
    TChartSeries* ASeries = nullptr;
    int PointIndex = -1;
    // The axis for cpAxis.
    TCustomChartAxis* AAxis = nullptr;
};

// The range settings of one axis, as a zoom or scroll found them.
struct TAxisRangeMemo {
    bool automatic = true;
    bool automaticMinimum = true;
    bool automaticMaximum = true;
    double minimum = 0;
    double maximum = 0;
};

// The ranges of the four side axes before the first zoom or scroll.
struct TChartRangeMemo {
    TAxisRangeMemo top;
    TAxisRangeMemo bottom;
    TAxisRangeMemo left;
    TAxisRangeMemo right;
};

// The range one axis zooms to.
struct TAxisZoomTarget {
    double minimum = 0;
    double maximum = 0;
};

// The ranges of a zoom, one per side axis.
struct TChartZoomTargets {
    TAxisZoomTarget left;
    TAxisZoomTarget right;
    TAxisZoomTarget top;
    TAxisZoomTarget bottom;
};

// What the chart's mouse handling keeps between two mouse actions, besides
// the drags themselves.
struct TChartMouseState {
    // False while remembered ranges wait for an undo.
    bool rangesRestored = true;
    TChartRangeMemo rememberedRanges;
    // True after a zoom, false after an undo.
    bool zoomed = false;
    // Set while a click handler runs; a handler that clears it lets the
    // press go on to a zoom or scroll.
    bool clickConsumed = false;
    // The last paint drew the rubber band into the kept picture.
    bool zoomBandInPicture = false;
};

// Events of the chart's mouse handling.
using TChartNotifyEvent = std::function<void(TCustomChart& sender)>;
using TChartMouseEvent =
    std::function<void(TCustomChart& sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TChartMouseMoveEvent = std::function<void(TCustomChart& sender, TShiftState shift, int x, int y)>;
using TChartClickAxisEvent = std::function<void(TCustomChart& sender, TCustomChartAxis& axis, TMouseButton button,
                                                TShiftState shift, int x, int y)>;
using TChartClickSeriesEvent = std::function<void(TCustomChart& sender, TChartSeries& series, int valueIndex,
                                                  TMouseButton button, TShiftState shift, int x, int y)>;
// Asked before a scroll moves an axis to the proposed range; it may change
// the range or clear allowScroll.
using TChartAllowScrollEvent =
    std::function<void(TCustomChartAxis& sender, double& newMinimum, double& newMaximum, bool& allowScroll)>;
