// What the page's run control does that the window has no need of: input
// waiting for the next dispatch step, the error box holding everything while
// it is open, and the refused 258th run. DesktopParityTest compares the rest
// with the window.
#include "RunStackTestSupport.h"

using web_testing::RunStackFixture;

class RunStack : public RunStackFixture {};

TEST_F(RunStack, InputDuringARunWaitsForTheNextDispatchStep)
{
    runs.ClickStart({});
    // Started at once: the first frame drawn and shown, its hold pending.
    EXPECT_EQ(page.dispatches, 1);
    EXPECT_EQ(page.frames, 1);
    EXPECT_EQ(runs.RunDepth(), 1);
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

TEST_F(RunStack, ChartMouseActionsWaitLikeClicksAndChartFailuresOpenTheBox)
{
    std::vector<std::string> order;
    // Idle: a mouse action is handled at once.
    runs.ChartInput([&] { order.push_back("idle"); });
    EXPECT_EQ(order, std::vector<std::string>{"idle"});

    // During a run it waits for the dispatch step, in order with the clicks.
    page.At(2, [&] {
        runs.ClickStop();
        runs.ChartInput([&] { order.push_back("after the Stop, with it set: " + std::to_string(runs.StopFlag())); });
    });
    runs.ClickStart({});
    runs.ChartInput([&] { order.push_back("first dispatch"); });
    EXPECT_EQ(order.size(), 1u);
    page.RunUntilIdle(runs);
    EXPECT_EQ(order, (std::vector<std::string>{"idle", "first dispatch", "after the Stop, with it set: 1"}));

    // A failure while the pictures are shown holds the dispatch step until
    // the box is closed; a second one meanwhile opens no second box.
    page.At(4, [&] {
        runs.ReportFailure("paint failed");
        runs.ReportFailure("paint failed again");
        EXPECT_TRUE(runs.ErrorBoxOpen());
    });
    page.At(5, [&] { runs.ClickStop(); });
    runs.ClickStart({});
    page.RunUntilIdle(runs);
    EXPECT_EQ(page.errors, std::vector<std::string>{"paint failed."});
    EXPECT_EQ(page.dispatches, 5) << "the run went on after the box";
    EXPECT_EQ(runs.RunDepth(), 0);
}
