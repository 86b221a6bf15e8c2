// The page's run control against the desktop window: the same clicks at the
// same dispatch steps give the same samples in the same series, the same
// sleeps, errors and states, and the same last frame of the figure.
#include "RunStackTestSupport.h"

#include "tests/app/AppTestSupport.h"

#include "app/ImageControl.h"
#include "chart/qt/Chart.h"
#include "platform/qt/QtPixels.h"
#include "runchart/RunChart.h"
#include "web/core/PageFigure.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include <cstring>
#include <string>
#include <vector>

using app_testing::Click;

namespace {

// What a user does, at a dispatch step (from 1) or, with dispatch 0, while
// no run goes on (after everything before it has ended).
struct Step {
    enum Kind { Start, Stop, Clear, SlowOn, SlowOff };
    int dispatch = 0;
    Kind kind = Start;
    web::StartFields fields{};
};

bool SameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// The desktop's sleeps with each pass's two (10 ms, then the delay) as one.
std::vector<int> PassSleeps(const std::vector<int>& sleeps)
{
    std::vector<int> joined;
    for (std::size_t i = 0; i < sleeps.size(); ++i) {
        if (sleeps[i] == 10 && i + 1 < sleeps.size())
            joined.push_back(10 + sleeps[++i]);
        else
            joined.push_back(sleeps[i]);
    }
    return joined;
}

} // namespace

class DesktopParity : public app_testing::FormFixture {
protected:
    void DoOnDesktop(const Step& step)
    {
        switch (step.kind) {
        case Step::Start:
            form->Edit1->setText(QString::fromStdString(step.fields.length));
            form->Edit2->setText(QString::fromStdString(step.fields.angle));
            form->Edit3->setText(QString::fromStdString(step.fields.inertia));
            Click(form->Button1);
            break;
        case Step::Stop:
            Click(form->Button2);
            break;
        case Step::Clear:
            Click(form->Button3);
            break;
        case Step::SlowOn:
        case Step::SlowOff:
            if (form->CheckBox1->isChecked() != (step.kind == Step::SlowOn))
                Click(form->CheckBox1);
            break;
        }
    }

    void DoOnPage(const Step& step)
    {
        switch (step.kind) {
        case Step::Start:
            runs.ClickStart(step.fields);
            break;
        case Step::Stop:
            runs.ClickStop();
            break;
        case Step::Clear:
            runs.ClickClear();
            break;
        case Step::SlowOn:
        case Step::SlowOff:
            runs.SetSlow(step.kind == Step::SlowOn);
            break;
        }
    }

    // Plays the script on both and compares everything the user can tell.
    void PlayAndCompare(const std::vector<Step>& script)
    {
        std::map<int, std::vector<Step>> atDispatch;
        for (const Step& step : script) {
            if (step.dispatch > 0)
                atDispatch[step.dispatch].push_back(step);
        }
        for (const auto& [dispatch, steps] : atDispatch) {
            runLoop.At(dispatch, [this, steps] {
                for (const Step& step : steps)
                    DoOnDesktop(step);
            });
            page.At(dispatch, [this, steps] {
                for (const Step& step : steps)
                    DoOnPage(step);
            });
        }
        for (const Step& step : script) {
            if (step.dispatch > 0)
                continue;
            DoOnDesktop(step);
            DoOnPage(step);
            page.RunUntilIdle(runs);
        }
        Compare();
    }

    void Compare()
    {
        EXPECT_EQ(page.dispatches, runLoop.dispatches);
        EXPECT_EQ(page.sleeps, PassSleeps(runLoop.sleeps));
        std::vector<std::string> desktopErrors;
        for (const QString& text : errors.Texts())
            desktopErrors.push_back(text.toStdString());
        EXPECT_EQ(page.errors, desktopErrors);

        const auto& series = chart.record.SeriesList();
        ASSERT_EQ(static_cast<int>(series.size()), form->Chart1->NumberOfSeries());
        for (std::size_t s = 0; s < series.size(); ++s) {
            const TChartSeries& desktop = *form->Chart1->SeriesAt(static_cast<int>(s));
            EXPECT_EQ(runchart::CurveColor(series[s].seriesIndex), desktop.SeriesColor()) << s;
            ASSERT_EQ(static_cast<int>(series[s].times.size()), desktop.PointCount()) << "series " << s;
            for (std::size_t i = 0; i < series[s].times.size(); ++i) {
                const int at = static_cast<int>(i);
                ASSERT_TRUE(SameBits(series[s].times[i], desktop.XValueAt(at))) << s << ", " << i;
                ASSERT_TRUE(SameBits(series[s].degrees[i], desktop.YValueAt(at))) << s << ", " << i;
            }
        }

        EXPECT_EQ(runs.SeriesIndex(), form->Run().SeriesIndex);
        EXPECT_EQ(runs.StopFlag(), form->Run().StopFlag);
        EXPECT_EQ(runs.Delay(), form->Run().Delay);
        EXPECT_EQ(page.clearEnabled, form->Button3->isEnabled());
        EXPECT_EQ(chart.timeAxisAutomatic, form->Chart1->BottomAxis().Automatic());
        const model::PendulumState& desktopModel = form->Pendulum();
        EXPECT_TRUE(SameBits(runs.Pendulum().Fi, desktopModel.Fi));
        EXPECT_TRUE(SameBits(runs.Pendulum().Omega, desktopModel.Omega));
        EXPECT_TRUE(SameBits(runs.Pendulum().Time, desktopModel.Time));
        EXPECT_EQ(runs.RunDepth(), 0);

        // The last frame, pixel for pixel.
        ASSERT_EQ(figure.Picture().IsEmpty(), !form->Image1->HasBitmap());
        if (form->Image1->HasBitmap()) {
            const QImage shown = platform::qt::WrapPixels(figure.Picture());
            EXPECT_EQ(shown, form->Image1->Picture()->convertToFormat(QImage::Format_RGB32));
        }
    }

    void SetUp() override
    {
        FormFixture::SetUp();
        page.drawFrame = [this](double length, double fi) { figure.DrawFrame(length, fi); };
    }

    web_testing::FakePage page;
    web::PageFigure figure;
    web_testing::TrackingChart chart;
    web::RunStack runs{page, chart, u'.'};
};

TEST_F(DesktopParity, RunsOneAfterAnotherWithPomaluAndPastTheTimeAxisEnd)
{
    PlayAndCompare({
        {0, Step::Start},
        {3, Step::SlowOn},
        {5, Step::SlowOff},
        {7, Step::Stop},
        {0, Step::Start, {"0.5", "12", "0.05"}},
        {312, Step::Stop},
        {0, Step::Start, {" 1.2 ", "-45", "0.3"}},
        {316, Step::Stop},
    });
}

TEST_F(DesktopParity, NestedStartsAndOneStopForAll)
{
    PlayAndCompare({
        {0, Step::Start},
        {4, Step::Start, {"0.5", "30", "0.05"}},
        {7, Step::Start, {"0.3", "5", "0.02"}},
        {11, Step::Stop},
        {0, Step::Clear},
        {0, Step::Start},
        {13, Step::Stop},
    });
}

TEST_F(DesktopParity, StopAndClearBeforeTheFirstPassAndAFailedNestedStart)
{
    PlayAndCompare({
        {0, Step::Start},
        {1, Step::Stop},
        {1, Step::Clear},
        {0, Step::Start},
        {5, Step::Start, {"0.8", "5", "x"}},
        {8, Step::Stop},
    });
}

TEST_F(DesktopParity, BadNumbersAndFaultsOfTheModel)
{
    PlayAndCompare({
        {0, Step::Start, {"0.8", "10", "0"}},
        {0, Step::Start, {"0", "0", "0"}},
        {0, Step::Start, {"0.8", "+", "0.05"}},
        {0, Step::Start, {"0,8", "\t10", ""}},
        {0, Step::Start, {" 0.8 ", "\t10", "0.05"}},
        {0, Step::Start, {"0.8", "10", ""}},
        {0, Step::Start, {"1e400", "10", "0.05"}},
        {0, Step::Stop},
        {0, Step::Clear},
        {0, Step::Start},
        {3, Step::Start, {"0.8", "10", "1e-308"}},
    });
}

TEST_F(DesktopParity, NestingUpToTheLastSlotAndTheRefusedStart)
{
    // Every run starts the next in its first frame's dispatch step; the 258th
    // Start is refused there and the innermost run goes on until Stop.
    std::vector<Step> script{{0, Step::Start}};
    for (int dispatch = 1; dispatch <= runchart::MaxRuns; ++dispatch)
        script.push_back({dispatch, Step::Start});
    script.push_back({runchart::MaxRuns + 3, Step::Stop});
    PlayAndCompare(script);
}
