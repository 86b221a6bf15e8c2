// The handlers behind "Start", "Stop", "Clear" and "pomalu", and the run loop.
#include "app/ImageControl.h"
#include "app/PendulumFigure.h"
#include "app/Unit1.h"
#include "chart/Chart.h"
#include "chart/FastLineSeries.h"
#include "model/AngleConversion.h"
#include "platform/Canvas.h"
#include "platform/FloatingPoint.h"
#include "platform/RunLoop.h"

#include <QCheckBox>
#include <QPushButton>

namespace {

// Where the pendulum hangs in the image.
constexpr int PivotX = 200;
constexpr int PivotY = 100;
// The first frame stays this long before the run loop begins.
constexpr int FirstFrameHold = 1000;
// The sleep of every pass, before the "pomalu" delay.
constexpr int FrameSleep = 10;
constexpr int SlowDelay = 50;
// The span of the axes at the start of every run; the bottom axis follows
// the data once the time exceeds its end.
constexpr double AngleAxisEnd = 15.0;
constexpr double TimeAxisEnd = 3.0;

// Counts a run for as long as its handler is on the stack.
class RunDepthScope {
public:
    explicit RunDepthScope(int& depth)
        : depth_(depth)
    {
        ++depth_;
    }
    ~RunDepthScope() { --depth_; }
    RunDepthScope(const RunDepthScope&) = delete;
    RunDepthScope& operator=(const RunDepthScope&) = delete;

private:
    int& depth_;
};

// Gives a manual axis the range minimum .. maximum through its checking
// setters, in the order in which neither refuses, whatever range the user
// left by zooming or scrolling: the maximum first unless it lies below the
// axis's present minimum (then the minimum first).
void SetAxisRange(TChartAxis& axis, double minimum, double maximum)
{
    if (maximum < axis.Minimum()) {
        axis.SetMinimum(minimum);
        axis.SetMaximum(maximum);
    } else {
        axis.SetMaximum(maximum);
        axis.SetMinimum(minimum);
    }
}

} // namespace

void TForm1::FormCreate(QObject* /*Sender*/)
{
    run_.SeriesIndex = -1;
}

// A run. Its steps keep this order because a failure ends the handler where
// it happens and leaves the earlier steps done: the axes set, "Clear"
// disabled, the run's empty series on the chart, and the fields read before
// the failing one stored in the model.
void TForm1::Button1Click(QObject* /*Sender*/)
{
    // A run needs a slot of its own: refused before anything changes.
    if (run_.SeriesIndex + 1 >= SeriesSlotCount)
        throw SeriesSlotsFull();
    const RunDepthScope depth(runDepth_);

    TChartAxis& bottomAxis = Chart1->BottomAxis();
    TChartAxis& leftAxis = Chart1->LeftAxis();
    bottomAxis.SetAutomatic(false);
    leftAxis.SetAutomatic(false);
    SetAxisRange(leftAxis, -AngleAxisEnd, AngleAxisEnd);
    SetAxisRange(bottomAxis, 0.0, TimeAxisEnd);
    Button3->setEnabled(false);

    ++run_.SeriesIndex;
    // The window owns the series; the slot only refers to it.
    auto* const series = new TFastLineSeries(this);
    run_.SeriesSlots[run_.SeriesIndex] = series;
    series->SetSeriesColor(CurveColor(run_.SeriesIndex));
    series->SetParentChart(Chart1);
    run_.StopFlag = false;

    ReadStartValues();
    pendulum_.AdvanceStep();
    DrawFrame();
    runLoop_.dispatchPending();
    runLoop_.sleep(FirstFrameHold);
    RunPasses();
}

// The fields are read one after the other into the shared model, so a field
// that is not a number leaves the ones before it stored.
void TForm1::ReadStartValues()
{
    pendulum_.Length = ReadNumber(*Edit1);
    pendulum_.Fi0 = ReadNumber(*Edit2);
    pendulum_.Fi0 = model::startAngleFromDegrees(pendulum_.Fi0);
    pendulum_.Time = 0.0;
    pendulum_.TimeStep = model::standardTimeStep;
    pendulum_.Mass = model::standardMass;
    pendulum_.Gravity = model::standardGravity;
    pendulum_.Fi = pendulum_.Fi0;
    pendulum_.Inertia = ReadNumber(*Edit3);
    pendulum_.Omega = 0.0;
}

// Every pass reads the current series and the model afresh: a "Start" nested
// in the dispatch step takes both over, and the outer run goes on with them
// once the inner one has ended.
void TForm1::RunPasses()
{
    for (;;) {
        pendulum_.AdvanceStep();
        // The current series is missing only when "Stop" and "Clear" were
        // both handled before this run's first pass: no point to record then.
        if (run_.SeriesIndex >= 0) {
            if (TChartSeries* const series = run_.SeriesSlots[run_.SeriesIndex])
                series->AddPoint(pendulum_.Time, model::chartDegrees(pendulum_.Fi), QString(), clDefault);
        }
        pendulum_.Time =
            platform::storeAsDouble(static_cast<long double>(pendulum_.Time) + pendulum_.TimeStep);
        DrawFrame();
        runLoop_.sleep(FrameSleep);
        runLoop_.sleep(run_.Delay);
        runLoop_.dispatchPending();
        if (pendulum_.Time > TimeAxisEnd && !Chart1->BottomAxis().Automatic())
            Chart1->BottomAxis().SetAutomatic(true);
        if (run_.StopFlag)
            return;
    }
}

void TForm1::Button2Click(QObject* /*Sender*/)
{
    Button3->setEnabled(true);
    run_.StopFlag = true;
}

// Relies on the slots holding the chart's series in order, one per run since
// the last "Clear".
void TForm1::Button3Click(QObject* /*Sender*/)
{
    const int count = Chart1->NumberOfSeries();
    for (int i = 0; i < count; ++i) {
        // Destroying a series takes it off the chart, which repaints.
        delete run_.SeriesSlots[i].data();
    }
    run_.SeriesIndex = -1;
}

void TForm1::CheckBox1Click(QObject* /*Sender*/)
{
    run_.Delay = CheckBox1->isChecked() ? SlowDelay : 0;
}

void TForm1::ClearImage()
{
    platform::Canvas& canvas = Image1->Canvas();
    canvas.Brush().SetColor(clWhite);
    const QImage& bitmap = *Image1->Picture();
    canvas.FillRect(0, 0, bitmap.width(), bitmap.height());
}

void TForm1::DrawPendulum(int X, int Y, int L)
{
    figure::DrawPendulum(Image1->Canvas(), X, Y, L, pendulum_.Fi);
    Image1->Changed();
}

void TForm1::DrawFrame()
{
    ClearImage();
    DrawPendulum(PivotX, PivotY, figure::BarLength(pendulum_.Length));
}
