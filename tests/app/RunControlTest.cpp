#include "AppTestSupport.h"

#include "app/ImageControl.h"
#include "chart/qt/Chart.h"
#include "model/AngleConversion.h"
#include "tests/model/PendulumTestSupport.h"
#include "tests/support/TestImages.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

using app_testing::Click;
using app_testing::FormFixture;

namespace {

// The model of a default run after the given number of steps.
model::PendulumState DefaultRunAfterSteps(int steps)
{
    model::PendulumState state = model_testing::defaultPendulum();
    for (int i = 0; i < steps; ++i)
        state.AdvanceStep();
    return state;
}

} // namespace

class RunControl : public FormFixture {
protected:
    TChartSeries& Series(int index) const { return *form->Chart1->SeriesAt(index); }
    int SeriesCount() const { return form->Chart1->NumberOfSeries(); }
    TChartAxis& BottomAxis() const { return form->Chart1->BottomAxis(); }
    TChartAxis& LeftAxis() const { return form->Chart1->LeftAxis(); }

    void ExpectAxesAsAtStart() const
    {
        EXPECT_FALSE(BottomAxis().Automatic());
        EXPECT_EQ(BottomAxis().Minimum(), 0.0);
        EXPECT_EQ(BottomAxis().Maximum(), 3.0);
        EXPECT_FALSE(LeftAxis().Automatic());
        EXPECT_EQ(LeftAxis().Minimum(), -15.0);
        EXPECT_EQ(LeftAxis().Maximum(), 15.0);
    }
};

TEST_F(RunControl, DefaultRunRecordsOnePointPerPassFromTheSecondStep)
{
    bool clearEnabledDuringRun = true;
    runLoop.At(PassDispatch(2), [&] {
        clearEnabledDuringRun = form->Button3->isEnabled();
        Click(form->Button3); // refused: the series stays
    });
    RunPasses(5);
    EXPECT_FALSE(clearEnabledDuringRun);

    ASSERT_EQ(SeriesCount(), 1);
    const TChartSeries& series = Series(0);
    EXPECT_EQ(series.SeriesColor(), clRed);
    ASSERT_EQ(series.PointCount(), 5);
    // The first frame is one step after the start; the first sample is the
    // angle after two steps, at time 0.
    EXPECT_EQ(series.XValueAt(0), 0.0);
    EXPECT_EQ(series.YValueAt(0), model::ChartDegrees(DefaultRunAfterSteps(2).Fi));
    EXPECT_NEAR(series.YValueAt(0), -9.53, 0.01);
    EXPECT_EQ(series.YValueAt(4), model::ChartDegrees(DefaultRunAfterSteps(6).Fi));
    EXPECT_DOUBLE_EQ(series.XValueAt(4), 0.04);
    EXPECT_EQ(series.PointColor(0), clRed) << "points take the series colour";

    // One second on the first frame, then 10 ms and the "pomalu" delay per pass.
    const std::vector<int> sleeps{1000, 10, 0, 10, 0, 10, 0, 10, 0, 10, 0};
    EXPECT_EQ(runLoop.sleeps, sleeps);
    EXPECT_EQ(runLoop.dispatches, 6);
    EXPECT_TRUE(form->Run().StopFlag);
    EXPECT_TRUE(form->Button3->isEnabled());
    EXPECT_EQ(form->RunDepth(), 0);
    EXPECT_TRUE(errors.shown.empty());
    ExpectAxesAsAtStart();

    // The image shows the last frame: the body hangs left of the pivot.
    ASSERT_TRUE(form->Image1->HasBitmap());
    EXPECT_EQ(form->Image1->Picture()->size(), QSize(377, 673));
    EXPECT_EQ(testing_support::rgbAt(*form->Image1->Picture(), 200, 100), 0xFF0000u) << "pivot";
}

TEST_F(RunControl, RunsTakeRedGreenBlueBlackThenRedAgain)
{
    for (int run = 0; run < 5; ++run)
        RunPasses(1);
    ASSERT_EQ(SeriesCount(), 5);
    const TColor expected[] = {clRed, clGreen, clBlue, clBlack, clRed};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(Series(i).SeriesColor(), expected[i]) << i;
        EXPECT_EQ(form->Run().SeriesSlots[i].Get(), &Series(i)) << "slot i holds the chart's series i";
    }
    EXPECT_EQ(form->Run().SeriesIndex, 4);
}

TEST_F(RunControl, CommaLocaleRefusesALengthWithAPointAndLeavesAnEmptySeries)
{
    CreateForm(QLocale(QLocale::Czech, QLocale::Czechia));
    form->Edit1->setText(QStringLiteral("0.8"));
    Click(form->Button1);

    ASSERT_EQ(errors.shown.size(), 1u);
    EXPECT_EQ(errors.shown[0].text, QStringLiteral("'0.8' is not a valid floating point value."));
    EXPECT_EQ(errors.shown[0].caption, QStringLiteral("app_tests")) << "the executable's name";
    ASSERT_EQ(SeriesCount(), 1) << "the series was made before the fields were read";
    EXPECT_EQ(Series(0).PointCount(), 0);
    EXPECT_EQ(Series(0).SeriesColor(), clRed);
    ExpectAxesAsAtStart();
    EXPECT_FALSE(form->Image1->HasBitmap()) << "no figure drawn";
    EXPECT_EQ(runLoop.dispatches, 0);
    EXPECT_TRUE(runLoop.sleeps.empty());

    EXPECT_FALSE(form->Button3->isEnabled());
    Click(form->Button3);
    EXPECT_EQ(SeriesCount(), 1) << "Clear stays disabled";
    Click(form->Button2);
    EXPECT_TRUE(form->Button3->isEnabled()) << "until Stop";

    // The same run with the locale's separator.
    form->Edit1->setText(QStringLiteral("0,8"));
    RunPasses(2);
    EXPECT_EQ(errors.shown.size(), 1u);
    ASSERT_EQ(SeriesCount(), 2);
    ASSERT_EQ(Series(1).PointCount(), 2);
    EXPECT_EQ(Series(1).YValueAt(0), model::ChartDegrees(DefaultRunAfterSteps(2).Fi));
}

TEST_F(RunControl, SpacesAroundANumberAreAcceptedButATabIsNot)
{
    form->Edit1->setText(QStringLiteral("  0.8  "));
    form->Edit2->setText(QStringLiteral(" 10"));
    RunPasses(1);
    EXPECT_TRUE(errors.shown.empty());
    EXPECT_EQ(Series(0).YValueAt(0), model::ChartDegrees(DefaultRunAfterSteps(2).Fi));

    form->Edit2->setText(QStringLiteral("\t10"));
    Click(form->Button1);
    ASSERT_EQ(errors.shown.size(), 1u);
    EXPECT_EQ(errors.shown[0].text, QStringLiteral("'\t10' is not a valid floating point value."));
    EXPECT_EQ(form->Pendulum().Length, 0.8) << "Edit1 was read before the failure";
}

TEST_F(RunControl, EmptyFieldForJKeepsTheOldVelocityAndInertia)
{
    RunPasses(3);
    const model::PendulumState before = form->Pendulum();
    ASSERT_NE(before.Omega, 0.0);

    form->Edit1->setText(QStringLiteral("0.5"));
    form->Edit2->setText(QStringLiteral("20"));
    form->Edit3->clear();
    Click(form->Button1);

    ASSERT_EQ(errors.Texts(), std::vector<QString>{QStringLiteral("'' is not a valid floating point value.")});
    const model::PendulumState& after = form->Pendulum();
    EXPECT_EQ(after.Length, 0.5);
    EXPECT_EQ(after.Fi0, model::StartAngleFromDegrees(20.0));
    EXPECT_EQ(after.Time, 0.0);
    EXPECT_EQ(after.Fi, after.Fi0);
    EXPECT_EQ(after.Omega, before.Omega);
    EXPECT_EQ(after.Inertia, before.Inertia);
    EXPECT_EQ(SeriesCount(), 2);
    EXPECT_EQ(Series(1).SeriesColor(), clGreen);
    EXPECT_FALSE(form->Button3->isEnabled());
    EXPECT_FALSE(form->Run().StopFlag);
}

TEST_F(RunControl, ZeroInertiaFailsInTheFirstStepWithoutAFigure)
{
    struct Case {
        QString length;
        QString angle;
        QString message;
    };
    const Case cases[] = {
        {QStringLiteral("0.8"), QStringLiteral("10"), QStringLiteral("Floating point division by zero.")},
        {QStringLiteral("0.8"), QStringLiteral("0"), QStringLiteral("Invalid floating point operation.")},
        {QStringLiteral("0"), QStringLiteral("10"), QStringLiteral("Invalid floating point operation.")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length.toStdString() + " " + c.angle.toStdString());
        CreateForm(QLocale::c());
        errors.shown.clear();
        form->Edit1->setText(c.length);
        form->Edit2->setText(c.angle);
        form->Edit3->setText(QStringLiteral("0"));
        Click(form->Button1);
        EXPECT_EQ(errors.Texts(), std::vector<QString>{c.message});
        EXPECT_FALSE(form->Image1->HasBitmap()) << "the step fails before the first frame";
        EXPECT_EQ(Series(0).PointCount(), 0);
        EXPECT_FALSE(form->Button3->isEnabled());
    }
}

TEST_F(RunControl, BottomAxisFollowsTheDataFromThe301stPoint)
{
    bool automaticWhenPoint301Added = true;
    double timeAfter300Additions = 0.0;
    runLoop.At(PassDispatch(300), [&] { timeAfter300Additions = form->Pendulum().Time; });
    runLoop.At(PassDispatch(301), [&] {
        // The check of pass 301 comes after this dispatch step.
        automaticWhenPoint301Added = BottomAxis().Automatic();
        EXPECT_EQ(Series(0).PointCount(), 301);
    });
    RunPasses(302);

    EXPECT_LT(timeAfter300Additions, 3.0) << "300 additions of 0.01 stay below 3";
    EXPECT_FALSE(automaticWhenPoint301Added);
    EXPECT_TRUE(BottomAxis().Automatic());
    EXPECT_FALSE(LeftAxis().Automatic());
    EXPECT_EQ(LeftAxis().Minimum(), -15.0);
    EXPECT_EQ(LeftAxis().Maximum(), 15.0);
}

TEST_F(RunControl, StartAfterARunResetsTheAxesForAllLines)
{
    RunPasses(305);
    ASSERT_TRUE(BottomAxis().Automatic());

    bool checked = false;
    runLoop.At(runLoop.dispatches + 1, [&] {
        ExpectAxesAsAtStart();
        checked = true;
    });
    RunPasses(1);
    EXPECT_TRUE(checked);
    ExpectAxesAsAtStart();
    EXPECT_EQ(Series(0).PointCount(), 305) << "older lines keep their points";
}

TEST_F(RunControl, StopWhileIdleOnlyEnablesClear)
{
    RunPasses(1);
    form->Edit3->setText(QStringLiteral("0"));
    Click(form->Button1); // fails: Clear stays disabled
    ASSERT_FALSE(form->Button3->isEnabled());
    const int dispatches = runLoop.dispatches;

    Click(form->Button2);
    EXPECT_TRUE(form->Button3->isEnabled());
    EXPECT_TRUE(form->Run().StopFlag);
    EXPECT_EQ(SeriesCount(), 2);
    EXPECT_EQ(runLoop.dispatches, dispatches);
}

TEST_F(RunControl, StopDuringTheFirstSecondStillRecordsOnePoint)
{
    runLoop.At(1, [&] { Click(form->Button2); }); // handled before the 1000 ms sleep
    Click(form->Button1);
    EXPECT_EQ(Series(0).PointCount(), 1);
    EXPECT_EQ(runLoop.sleeps, (std::vector<int>{1000, 10, 0}));

    runLoop.At(runLoop.dispatches + 2, [&] { Click(form->Button2); }); // first pass
    Click(form->Button1);
    EXPECT_EQ(Series(1).PointCount(), 1);
}

TEST_F(RunControl, ClearAfterThreeRunsStartsAgainInRed)
{
    for (int run = 0; run < 3; ++run)
        RunPasses(2);
    const platform::ComponentPointer<TChartSeries> third = form->Run().SeriesSlots[2];
    Click(form->Button3);

    EXPECT_EQ(SeriesCount(), 0);
    EXPECT_EQ(form->Run().SeriesIndex, -1);
    EXPECT_EQ(third.Get(), nullptr) << "the series are destroyed, not only detached";
    ASSERT_TRUE(form->Image1->HasBitmap()) << "Clear leaves the image";

    RunPasses(1);
    ASSERT_EQ(SeriesCount(), 1);
    EXPECT_EQ(Series(0).SeriesColor(), clRed);
    EXPECT_EQ(form->Run().SeriesIndex, 0);
}

TEST_F(RunControl, SlowModeChangesThePaceFromTheNextPass)
{
    runLoop.At(PassDispatch(2), [&] { Click(form->CheckBox1); });
    runLoop.At(PassDispatch(4), [&] { Click(form->CheckBox1); });
    RunPasses(5);
    const std::vector<int> sleeps{1000, 10, 0, 10, 0, 10, 50, 10, 50, 10, 0};
    EXPECT_EQ(runLoop.sleeps, sleeps);
    EXPECT_EQ(form->Run().Delay, 0);

    form->CheckBox1->setChecked(true);
    EXPECT_EQ(form->Run().Delay, 50) << "any change of the state, also while idle";
}

TEST_F(RunControl, StopAndClearBeforeTheFirstPassLeaveNothingToRecordInto)
{
    // Both clicks are handled in the first frame's dispatch step, before the
    // run has recorded anything; the run must not write into a series that
    // no longer exists.
    runLoop.At(1, [&] {
        Click(form->Button2);
        Click(form->Button3);
    });
    Click(form->Button1);

    EXPECT_EQ(SeriesCount(), 0);
    EXPECT_EQ(form->Run().SeriesIndex, -1);
    EXPECT_EQ(runLoop.dispatches, 2) << "the pass ran and the stop ended it";
    EXPECT_TRUE(errors.shown.empty());

    RunPasses(2);
    ASSERT_EQ(SeriesCount(), 1);
    EXPECT_EQ(Series(0).SeriesColor(), clRed);
    EXPECT_EQ(Series(0).PointCount(), 2);
}
