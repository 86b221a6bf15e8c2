// The run control of the page: its sleeps as timeouts, input waiting for the
// next dispatch step, the modal error box, and the limit of runs.
#include "RunStackTestSupport.h"

using web_testing::RunStackFixture;

class RunStack : public RunStackFixture {};

TEST_F(RunStack, SleepsBecomeTimeoutsAndPomaluLengthensTheNextPasses)
{
    page.At(3, [&] { runs.SetSlow(true); });
    page.At(5, [&] { runs.SetSlow(false); });
    page.At(6, [&] { runs.ClickStop(); });
    runs.ClickStart({});
    // Started at once: the first frame is drawn and the hold is pending.
    EXPECT_EQ(page.dispatches, 1);
    EXPECT_EQ(page.frames, 1);
    EXPECT_EQ(page.timer, 1000);
    EXPECT_EQ(runs.RunDepth(), 1);
    EXPECT_FALSE(page.clearEnabled);
    page.RunUntilIdle(runs);

    EXPECT_EQ(page.sleeps, (std::vector<int>{1000, 10, 10, 60, 60, 10}));
    EXPECT_EQ(runs.RunDepth(), 0);
    EXPECT_EQ(page.frames, 6);
    ASSERT_EQ(Series().size(), 1u);
    EXPECT_EQ(Series()[0].times.size(), 5u);
    EXPECT_TRUE(page.clearEnabled);
}

TEST_F(RunStack, InputDuringARunWaitsForTheNextDispatchStep)
{
    runs.ClickStart({});
    // The hold is pending.
    runs.ClickClear(); // still disabled when its turn comes
    runs.ClickStop();
    EXPECT_FALSE(runs.StopFlag());
    EXPECT_FALSE(page.clearEnabled);

    // The hold ends: the first pass, then its dispatch step handles the Stop.
    ASSERT_EQ(page.timer, 1000);
    page.timer.reset();
    runs.TimerFired();
    EXPECT_FALSE(runs.StopFlag());
    page.RunUntilIdle(runs);
    EXPECT_TRUE(runs.StopFlag());
    EXPECT_TRUE(page.clearEnabled);
    ASSERT_EQ(Series().size(), 1u) << "the Clear was refused while disabled";
    EXPECT_EQ(Series()[0].times.size(), 1u) << "every run records at least one point";

    // Idle: handled at once.
    runs.ClickClear();
    EXPECT_TRUE(Series().empty());
    EXPECT_EQ(runs.SeriesIndex(), -1);
}

TEST_F(RunStack, TheErrorBoxHoldsEverythingUntilItIsClosed)
{
    // A Start that fails inside a running run's dispatch step.
    page.At(3, [&] { runs.ClickStart({"0.8", "5", "x"}); });
    page.whileErrorBoxOpen = [&] {
        // Input waiting behind the failed Start and input while the box is
        // open are lost; no timer runs.
        EXPECT_FALSE(page.timer.has_value());
        runs.ClickStop();
        runs.SetSlow(true);
        runs.TimerFired();
    };
    page.At(5, [&] { runs.ClickStop(); });
    runs.ClickStart({});
    page.RunUntilIdle(runs);

    EXPECT_EQ(page.errors, std::vector<std::string>{"'x' is not a valid floating point value."});
    EXPECT_EQ(runs.Delay(), 0);
    // The outer run finished its dispatch step after the box closed and went
    // on into the failed Start's empty series until the Stop at step 5.
    ASSERT_EQ(Series().size(), 2u);
    EXPECT_EQ(Series()[0].times.size(), 2u);
    EXPECT_EQ(Series()[1].times.size(), 2u);
    EXPECT_EQ(page.dispatches, 5);
    EXPECT_EQ(runs.RunDepth(), 0);
}

TEST_F(RunStack, AFaultEndsTheRunAndTheRunBelowGoesOnFromTheSameModel)
{
    // J so small that the angle overflows after 229 passes; started inside
    // a run, which then steps the same overflowing model and fails too.
    page.At(3, [&] { runs.ClickStart({"0.8", "10", "1e-308"}); });
    runs.ClickStart({});
    page.RunUntilIdle(runs);

    ASSERT_EQ(page.errors.size(), 2u);
    EXPECT_EQ(page.errors[0], "Floating point overflow.");
    EXPECT_EQ(page.errors[1], page.errors[0]);
    EXPECT_EQ(runs.RunDepth(), 0);
    EXPECT_FALSE(page.clearEnabled) << "only Stop enables Clear after a failure";
    ASSERT_EQ(Series().size(), 2u);
    EXPECT_EQ(Series()[0].times.size(), 2u) << "no point from the outer run's failed pass";
}

TEST_F(RunStack, The258thStartWithoutClearIsRefusedBeforeAnythingChanges)
{
    for (int run = 0; run < web::RunStack::MaxRuns; ++run)
        RunPasses(1);
    const int dispatches = page.dispatches;
    const int startRangesSet = chart.startRangesSet;
    runs.ClickStart({});
    EXPECT_EQ(page.errors, std::vector<std::string>{"The chart already holds 257 runs, as many as it can keep; "
                                                    "click Clear before starting another run."});
    EXPECT_EQ(page.dispatches, dispatches);
    EXPECT_EQ(chart.startRangesSet, startRangesSet);
    EXPECT_EQ(Series().size(), 257u);
    EXPECT_TRUE(page.clearEnabled);

    page.RunUntilIdle(runs);
    runs.ClickClear();
    RunPasses(1);
    ASSERT_EQ(Series().size(), 1u);
    EXPECT_EQ(Series()[0].seriesIndex, 0);
}
