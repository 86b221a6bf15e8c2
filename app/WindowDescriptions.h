#pragma once

#include "description/CzechNumbers.h"
#include "model/RunInputs.h"
#include "runchart/RunChartDescription.h"

#include <QString>

#include <optional>

class TForm1;

// What the main window tells a screen reader, in Czech like its texts: the
// three fields are named after their labels, the chart after its title, and
// the chart, the pendulum figure and the equations panel are named and
// described. The descriptions change with the runs (the chart's when a run
// starts or ends and on "Clear", the figure's at most every FigureInterval
// of a run's sleeping), never on every pass, and each change is announced on
// the accessibility bus.
class WindowDescriptions {
public:
    // Sleeping between two descriptions of the figure during a run [ms]:
    // at most four a second.
    static constexpr int FigureInterval = 250;

    // Names and first descriptions; the labels become their fields' buddies.
    explicit WindowDescriptions(TForm1& form);
    ~WindowDescriptions();
    WindowDescriptions(const WindowDescriptions&) = delete;
    WindowDescriptions& operator=(const WindowDescriptions&) = delete;

    // A run's series is on the chart in its slot; its inputs are not read yet.
    void RunStarted(int seriesIndex);
    // The run of the slot has read its fields: the chart is told with the
    // run (a start that fails before is told when it ends).
    void InputsRead(int seriesIndex, const model::RunInputs& inputs);
    // A run has ended, through "Stop" or a failure: the chart and the
    // figure are told as they are now.
    void RunEnded() noexcept;
    // "Clear" has taken every series away.
    void Cleared();
    // A frame of the pendulum was drawn: the angle fi [rad] and the bar's
    // length [px]. Told at once when the run has slept FigureInterval since
    // the figure was last told (and for a run's first frame).
    void FrameDrawn(double fi, int barLength);
    // A pass slept this long after its frame.
    void Slept(int milliseconds);
    // The decimal separator may have changed: everything is told anew.
    void LocaleChanged();

private:
    description::NumberStyle Style() const;
    QString ChartText() const;
    void TellFigure();

    TForm1& form_;
    // The inputs of the runs since the last "Clear", by slot.
    runchart::RunInputsList inputs_;
    struct Frame {
        double fi = 0.0;
        int barLength = 0;
    };
    std::optional<Frame> frame_;
    int sleptSinceFigure_ = 0;
};
