#pragma once

#include "runchart/RunAxes.h"
#include "web/core/RunChartTarget.h"
#include "web/core/RunHost.h"
#include "web/core/RunRecord.h"
#include "web/core/RunStack.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace web_testing {

// A page that never waits: it records what the run control asks of it and, at
// chosen dispatch steps (counted from 1 across all runs, as the desktop's
// tests count them), does what a user would have done since the last one.
class FakePage final : public web::RunHost {
public:
    void Schedule(int milliseconds) override
    {
        EXPECT_FALSE(timer.has_value()) << "a second timer while one is pending";
        timer = milliseconds;
        sleeps.push_back(milliseconds);
    }

    void Dispatching() override
    {
        ++dispatches;
        if (const auto action = actions_.find(dispatches); action != actions_.end())
            action->second();
    }

    void DrawFrame(double length, double fi) override
    {
        ++frames;
        if (drawFrame)
            drawFrame(length, fi);
    }

    void SetClearEnabled(bool enabled) override { clearEnabled = enabled; }

    void ShowError(const std::string& text) override
    {
        errors.push_back(text);
        errorBoxOpen = true;
        if (whileErrorBoxOpen)
            whileErrorBoxOpen();
    }

    void At(int dispatch, std::function<void()> action) { actions_[dispatch] = std::move(action); }

    // Plays the page's event loop: closes the error box and lets the timer
    // run out until nothing is pending.
    void RunUntilIdle(web::RunStack& runs)
    {
        for (int turn = 0; turn < 1000000; ++turn) {
            if (errorBoxOpen) {
                errorBoxOpen = false;
                runs.ErrorBoxClosed();
            } else if (timer) {
                timer.reset();
                runs.TimerFired();
            } else {
                return;
            }
        }
        ADD_FAILURE() << "the runs did not end";
    }

    std::optional<int> timer;
    std::vector<int> sleeps;
    int dispatches = 0;
    int frames = 0;
    bool clearEnabled = true;
    bool errorBoxOpen = false;
    std::vector<std::string> errors;
    std::function<void()> whileErrorBoxOpen;
    // Draws the frame, where a test looks at the figure.
    std::function<void(double length, double fi)> drawFrame;

private:
    std::map<int, std::function<void()>> actions_;
};

// The chart's series as a RunRecord keeps them, and the state of the time
// axis that the runs' set-up gives it.
class TrackingChart final : public web::RunChartTarget {
public:
    void SetStartRanges() override
    {
        ++startRangesSet;
        timeAxisAutomatic = false;
        record.SetStartRanges();
    }
    void AddRunSeries(int seriesIndex) override { record.AddRunSeries(seriesIndex); }
    void AddPoint(int seriesIndex, double time, double degrees) override
    {
        record.AddPoint(seriesIndex, time, degrees);
    }
    void FollowDataPastStartRange(double time) override
    {
        if (time > runchart::TimeAxisEnd)
            timeAxisAutomatic = true;
        record.FollowDataPastStartRange(time);
    }
    void RemoveAllSeries() override { record.RemoveAllSeries(); }

    web::RunRecord record;
    int startRangesSet = 0;
    bool timeAxisAutomatic = false;
};

// The run control on a fake page, with "." as the decimal separator.
class RunStackFixture : public ::testing::Test {
protected:
    const std::vector<web::RunRecord::Series>& Series() const { return chart.record.SeriesList(); }

    // Starts a run with the fields given and lets "Stop" end it in the
    // dispatch step of the given pass (from 1) of a run that nests nothing.
    void RunPasses(int passes, const web::StartFields& fields = {})
    {
        page.At(page.dispatches + passes + 1, [this] { runs.ClickStop(); });
        runs.ClickStart(fields);
        page.RunUntilIdle(runs);
    }

    FakePage page;
    TrackingChart chart;
    web::RunStack runs{page, chart, u'.'};
};

} // namespace web_testing
