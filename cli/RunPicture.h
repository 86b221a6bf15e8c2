#pragma once

#include "chart/CustomChart.h"
#include "chart/FastLineSeries.h"
#include "cli/Simulation.h"

#include <QByteArray>
#include <QImage>

#include <cstdint>
#include <memory>
#include <vector>

namespace cli {

// The window's chart after the runs, drawn offscreen by the same chart code:
// set up as the window sets up its chart, one line per run in the run
// colours, and the axes as the runs leave them (each run starts them at
// -15 .. 15 and 0 .. 3; the time axis follows the data once a run has passed
// 3 s). Needs a QGuiApplication for the fonts when it renders.
class RunPicture final : public RunObserver {
public:
    // pointsPerRun: the points each run records at most; each run's series
    // takes room for that many at once.
    RunPicture(int width, int height, std::int64_t pointsPerRun);

    // As "Start" does after the fields: the start ranges, and a new series
    // in the run's colour attached as the chart's last.
    void BeginRun(int run, const RunInputs& inputs) override;
    void AddSample(const Sample& sample) override;
    // The window's axis check with the time after the run's last pass.
    void EndRun(const RunEnd& end) override;

    // The chart's picture, as its off-screen bitmap holds it after a paint.
    QImage Render();

    const TCustomChart& Chart() const { return chart_; }

private:
    TCustomChart chart_;
    int pointsPerRun_;
    // Declared after the chart: each series leaves the chart before it goes.
    std::vector<std::unique_ptr<TFastLineSeries>> series_;
};

// The picture as a PNG file's bytes.
QByteArray EncodePng(const QImage& image);

} // namespace cli
