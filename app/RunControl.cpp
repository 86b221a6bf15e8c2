// The handlers behind "Start", "Stop", "Clear" and "pomalu", and the run loop.
#include "app/ImageControl.h"
#include "figure/PendulumFigure.h"
#include "app/Unit1.h"
#include "app/WindowDescriptions.h"
#include "chart/qt/Chart.h"
#include "chart/FastLineSeries.h"
#include "model/RunPass.h"
#include "platform/Canvas.h"
#include "platform/qt/QtPixels.h"
#include "platform/qt/RunLoop.h"
#include "runchart/RunAxes.h"
#include "runchart/RunChart.h"

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

// Tells the window's descriptions that a run has ended when its handler
// leaves, however it leaves.
class RunEndNotice {
public:
    explicit RunEndNotice(WindowDescriptions& descriptions)
        : descriptions_(descriptions)
    {
    }
    ~RunEndNotice() { descriptions_.RunEnded(); }
    RunEndNotice(const RunEndNotice&) = delete;
    RunEndNotice& operator=(const RunEndNotice&) = delete;

private:
    WindowDescriptions& descriptions_;
};

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
    // Made before the depth, so that the run no longer counts when it is told.
    const RunEndNotice ended(*descriptions_);
    const RunDepthScope depth(runDepth_);

    runchart::SetStartRanges(*Chart1);
    Button3->setEnabled(false);

    ++run_.SeriesIndex;
    // The window owns the series; the slot only refers to it.
    auto* const series = new TFastLineSeries(this);
    run_.SeriesSlots[run_.SeriesIndex] = series;
    runchart::AttachRunSeries(*series, run_.SeriesIndex, *Chart1);
    run_.StopFlag = false;
    descriptions_->RunStarted(run_.SeriesIndex);

    descriptions_->InputsRead(run_.SeriesIndex, ReadStartValues());
    pendulum_.AdvanceStep();
    DrawFrame();
    runLoop_.DispatchPending();
    runLoop_.Sleep(FirstFrameHold);
    RunPasses();
}

// The fields are read one after the other into the shared model, so a field
// that is not a number leaves the ones before it stored. Gives the three
// numbers as read, the angle in degrees.
model::RunInputs TForm1::ReadStartValues()
{
    model::RunInputs inputs;
    inputs.length = ReadNumber(*Edit1);
    pendulum_.Length = inputs.length;
    inputs.angle = ReadNumber(*Edit2);
    model::SetStartAngle(pendulum_, inputs.angle);
    inputs.inertia = ReadNumber(*Edit3);
    model::SetStartInertia(pendulum_, inputs.inertia);
    return inputs;
}

// Every pass reads the current series and the model afresh: a "Start" nested
// in the dispatch step takes both over, and the outer run goes on with them
// once the inner one has ended.
void TForm1::RunPasses()
{
    for (;;) {
        const model::RunSample sample = model::AdvancePass(pendulum_);
        // The current series is missing only when "Stop" and "Clear" were
        // both handled before this run's first pass: no point to record then.
        if (run_.SeriesIndex >= 0) {
            if (TChartSeries* const series = run_.SeriesSlots[run_.SeriesIndex])
                series->AddPoint(sample.Time, sample.Degrees, {}, clDefault);
        }
        DrawFrame();
        runLoop_.Sleep(FrameSleep);
        runLoop_.Sleep(run_.Delay);
        descriptions_->Slept(FrameSleep + run_.Delay);
        runLoop_.DispatchPending();
        runchart::FollowDataPastStartRange(*Chart1, pendulum_.Time);
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
        delete run_.SeriesSlots[i].Get();
    }
    run_.SeriesIndex = -1;
    descriptions_->Cleared();
}

void TForm1::CheckBox1Click(QObject* /*Sender*/)
{
    run_.Delay = CheckBox1->isChecked() ? SlowDelay : 0;
}

void TForm1::ClearImage(const QRect& area)
{
    platform::Canvas& canvas = Image1->Canvas();
    canvas.Brush().SetColor(clWhite);
    canvas.FillRect(area.left(), area.top(), area.left() + area.width(), area.top() + area.height());
}

QRect TForm1::WholeImage()
{
    // The bitmap is made at the canvas's first use.
    Image1->Canvas();
    return QRect(QPoint(0, 0), Image1->PictureSize());
}

QRect TForm1::FramePixels(const FrameInputs& frame)
{
    return platform::qt::ToQRect(figure::FrameBounds(frame.X, frame.Y, frame.L, frame.Fi));
}

// The bitmap is white but for the frame before, if any: clearing that
// frame's box clears the whole bitmap, and only the pixels of the two
// frames' boxes change.
void TForm1::DrawFrame()
{
    const std::optional<FrameInputs> before = lastFrame_;
    lastFrame_ = FrameInputs{PivotX, PivotY, figure::BarLength(pendulum_.Length), pendulum_.Fi};
    const QRect cleared = before ? FramePixels(*before) : WholeImage();
    ClearImage(cleared);
    figure::DrawPendulum(Image1->Canvas(), lastFrame_->X, lastFrame_->Y, lastFrame_->L, lastFrame_->Fi);
    Image1->Changed(cleared | FramePixels(*lastFrame_));
    descriptions_->FrameDrawn(lastFrame_->Fi, lastFrame_->L);
}

void TForm1::DrawLastFrame()
{
    if (!lastFrame_)
        return;
    ClearImage(WholeImage());
    figure::DrawPendulum(Image1->Canvas(), lastFrame_->X, lastFrame_->Y, lastFrame_->L, lastFrame_->Fi);
}
