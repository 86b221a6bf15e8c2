// "Start" clicked while a run goes on, the table of runs filling up, and
// closing the window during a run.
#include "AppTestSupport.h"

#include "chart/qt/Chart.h"
#include "model/AngleConversion.h"

#include <QLineEdit>
#include <QPushButton>

using app_testing::Click;
using app_testing::FormFixture;

class RunNesting : public FormFixture {
protected:
    TChartSeries& Series(int index) const { return *form->Chart1->SeriesAt(index); }
    int SeriesCount() const { return form->Chart1->NumberOfSeries(); }
};

TEST_F(RunNesting, StartTwiceDuringARunGivesThreeSeriesAndOneStopEndsAll)
{
    // Dispatch steps: run 1 has 1 (first frame) and 2..4 (passes 1..3); the
    // second Start runs inside 4 with 5 (frame), 6 and 7 (passes 1, 2); the
    // third inside 7 with 8 (frame), 9..11 (passes 1..3).
    int depthSeen = 0;
    runLoop.At(4, [&] { Click(form->Button1); });
    runLoop.At(7, [&] { Click(form->Button1); });
    runLoop.At(11, [&] {
        depthSeen = form->RunDepth();
        Click(form->Button2);
    });
    Click(form->Button1);

    EXPECT_EQ(depthSeen, 3);
    EXPECT_EQ(form->RunDepth(), 0);
    ASSERT_EQ(SeriesCount(), 3);
    EXPECT_EQ(Series(0).PointCount(), 3);
    EXPECT_EQ(Series(1).PointCount(), 2);
    EXPECT_EQ(Series(2).PointCount(), 3);
    EXPECT_EQ(Series(2).SeriesColor(), clBlue);
    EXPECT_EQ(runLoop.dispatches, 11) << "the outer runs end without another pass";
    EXPECT_DOUBLE_EQ(form->Pendulum().Time, 0.03) << "no step after the innermost run's last";
    EXPECT_TRUE(form->Button3->isEnabled());
}

TEST_F(RunNesting, FailedNestedStartLeavesTheOuterRunRecordingIntoItsSlot)
{
    model::PendulumState leftByFailure;
    errors.whileOpen = [&] { leftByFailure = form->Pendulum(); };
    runLoop.At(4, [&] {
        form->Edit2->setText(QStringLiteral("5"));
        form->Edit3->setText(QStringLiteral("x"));
        Click(form->Button1);
    });
    runLoop.At(7, [&] { Click(form->Button2); });
    Click(form->Button1);

    ASSERT_EQ(errors.Texts(), std::vector<QString>{QStringLiteral("'x' is not a valid floating point value.")});
    EXPECT_EQ(leftByFailure.Time, 0.0);
    EXPECT_EQ(leftByFailure.Fi, model::StartAngleFromDegrees(5.0));
    EXPECT_NE(leftByFailure.Omega, 0.0) << "the old run's velocity";

    ASSERT_EQ(SeriesCount(), 2);
    EXPECT_EQ(Series(0).PointCount(), 3);
    // The old run's passes 4 to 6 went into the failed Start's series, from
    // the state that Start left behind.
    ASSERT_EQ(Series(1).PointCount(), 3);
    EXPECT_EQ(Series(1).SeriesColor(), clGreen);
    EXPECT_EQ(Series(1).XValueAt(0), 0.0);
    model::PendulumState expected = leftByFailure;
    expected.AdvanceStep();
    EXPECT_EQ(Series(1).YValueAt(0), model::ChartDegrees(expected.Fi));
}

TEST_F(RunNesting, The258thStartIsRefusedBeforeAnythingChanges)
{
    for (int run = 0; run < SeriesSlotCount; ++run)
        RunPasses(1);
    ASSERT_EQ(SeriesCount(), SeriesSlotCount);
    ASSERT_TRUE(errors.shown.empty());

    // Settings a refused Start would otherwise change.
    form->Chart1->BottomAxis().SetAutomatic(true);
    const int dispatches = runLoop.dispatches;
    const std::size_t sleeps = runLoop.sleeps.size();

    Click(form->Button1);
    ASSERT_EQ(errors.shown.size(), 1u);
    EXPECT_EQ(errors.shown[0].text,
              QStringLiteral("The chart already holds 257 runs, as many as it can keep; click Clear "
                             "before starting another run."));
    EXPECT_EQ(SeriesCount(), SeriesSlotCount);
    EXPECT_EQ(form->Run().SeriesIndex, SeriesSlotCount - 1);
    EXPECT_TRUE(form->Chart1->BottomAxis().Automatic());
    EXPECT_TRUE(form->Button3->isEnabled());
    EXPECT_TRUE(form->Run().StopFlag);
    EXPECT_EQ(runLoop.dispatches, dispatches);
    EXPECT_EQ(runLoop.sleeps.size(), sleeps);
    for (int i = 0; i < SeriesSlotCount; ++i)
        ASSERT_EQ(Series(i).PointCount(), 1) << i;

    Click(form->Button3);
    EXPECT_EQ(SeriesCount(), 0);
    RunPasses(1);
    EXPECT_EQ(SeriesCount(), 1);
    EXPECT_EQ(Series(0).SeriesColor(), clRed);
}

TEST_F(RunNesting, NestingStopsAtTheLastSlotAndTheInnermostRunGoesOn)
{
    // Every run starts the next one in its first frame's dispatch step, until
    // a Start is refused; the innermost run then records until Stop.
    int refusedAtDepth = 0;
    int stopAt = 0;
    errors.whileOpen = [&] {
        refusedAtDepth = form->RunDepth();
        stopAt = runLoop.dispatches + 3;
    };
    runLoop.everyDispatch = [&](int dispatch) {
        if (stopAt == 0)
            Click(form->Button1);
        else if (dispatch == stopAt)
            Click(form->Button2);
    };
    Click(form->Button1);

    EXPECT_EQ(refusedAtDepth, SeriesSlotCount);
    EXPECT_EQ(errors.shown.size(), 1u);
    ASSERT_EQ(SeriesCount(), SeriesSlotCount);
    // The innermost run's three passes, then one pass of each outer run: they
    // were waiting in their first frame's dispatch step, so each still takes
    // the pass that every run takes, into the current series.
    EXPECT_EQ(Series(SeriesSlotCount - 1).PointCount(), 3 + SeriesSlotCount - 1);
    EXPECT_EQ(Series(0).PointCount(), 0);
    EXPECT_EQ(form->RunDepth(), 0);
}

TEST_F(RunNesting, ClosingDuringARunKeepsTheWindowUntilTheRunEnds)
{
    bool closed = true;
    bool visibleAfterClose = false;
    bool quitPendingDuringRun = false;
    runLoop.At(3, [&] {
        closed = form->close();
        visibleAfterClose = form->isVisible();
    });
    runLoop.At(5, [&] { quitPendingDuringRun = form->QuitPending(); });
    runLoop.At(7, [&] { Click(form->Button2); });
    Click(form->Button1);

    EXPECT_FALSE(closed);
    EXPECT_TRUE(visibleAfterClose);
    EXPECT_TRUE(quitPendingDuringRun);
    EXPECT_EQ(Series(0).PointCount(), 6) << "the run went on after the close";
    EXPECT_FALSE(form->QuitPending()) << "asked to quit once the run returned";
    EXPECT_TRUE(form->isVisible());
}
