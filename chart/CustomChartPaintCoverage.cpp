// Leaving out the segments of fast line series that later drawing covers:
// series drawn later lie on top, and a plain one-pixel line drawn again over
// its own colour changes nothing. Each left-out segment would only have set
// pixels that end up the same without it, so the picture stays the one that
// drawing every segment gives, at a fraction of the pixel writes when many
// points fall on the same pixels.
#include "chart/AxisPixelMaps.h"
#include "chart/ChartCanvas.h"
#include "chart/CustomChart.h"
#include "chart/FastLineSeries.h"

#include <algorithm>

namespace {

// Handlers around a series' drawing may draw or change anything, so with
// them every segment is drawn as it comes.
bool HasDrawingHandlers(const TChartSeries& series)
{
    return series.BeforeDrawValues != nullptr || series.AfterDrawValues != nullptr;
}

} // namespace

std::vector<TFastLineSeries*> TCustomChart::HideCoveredSegments(const std::vector<TChartSeries*>& series,
                                                                const AxisPixelMaps& maps)
{
    std::vector<TFastLineSeries*> prepared;
    if (std::any_of(series.begin(), series.end(), [](const TChartSeries* s) { return HasDrawingHandlers(*s); }))
        return prepared;
    // The lines' pixels depend on the size of the surface they are drawn on,
    // which is known for the canvas's own bitmap: the drawing area.
    if (!Canvas().UseOffscreenBuffer())
        return prepared;

    // The pixels series can set: the drawing area, within the series clip,
    // in the bitmap's device pixels, where the lines are worked out, and
    // with the device width of a one-pixel pen.
    const TChartRect& bounds = DrawBounds();
    TChartRect box = bounds;
    if (ClipPoints()) {
        const TChartRect clip = SeriesClipRect();
        box = {std::max(bounds.left, clip.left), std::max(bounds.top, clip.top), std::min(bounds.right, clip.right),
            std::min(bounds.bottom, clip.bottom)};
    }
    const platform::DeviceMapping& mapping = Canvas().Mapping();
    coverage_.Reset(mapping.Size(bounds.Width()), mapping.Size(bounds.Height()), mapping.Edge(box.left),
        mapping.Edge(box.top), mapping.Edge(box.right), mapping.Edge(box.bottom), mapping.PenWidth(1));

    // From the series drawn last to the first: what a later series or an
    // earlier segment of the same series sets is known when a segment is judged.
    for (auto s = series.rbegin(); s != series.rend(); ++s) {
        TFastLineSeries* const line = (*s)->StripLine();
        if (line == nullptr || !line->Active() || !line->CanHideSegments())
            continue;
        line->ComputeVisibleRange();
        // A handler before the series may have detached one: it is not drawn
        // in this paint, so it covers nothing.
        if (line->FirstVisibleIndex() < 0 || line->ParentChart() != this)
            continue;
        line->PrepareStrip(coverage_, maps.Of(*line->GetHorizAxis()), maps.Of(*line->GetVertAxis()));
        prepared.push_back(line);
    }
    return prepared;
}
