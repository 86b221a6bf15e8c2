// The program's samples and picture against the real window driven through
// its run loop: "Start" pressed once per angle, "Stop" after the chosen
// number of passes.
#include "CliTestSupport.h"

#include "chart/qt/Chart.h"
#include "cli/RunPicture.h"
#include "platform/NumberConversion.h"
#include "platform/qt/QtCanvasTarget.h"
#include "platform/qt/QtPixels.h"
#include "runchart/RunChart.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/TestImages.h"

#include <QImage>
#include <QLineEdit>
#include <QTemporaryDir>

#include <string>
#include <vector>

using app_testing::Click;
using cli_testing::SameBits;

namespace {

// A run's inputs as typed into the window's fields.
struct FieldTexts {
    std::string length;
    std::string angle;
    std::string inertia;
};

double Number(const std::string& text)
{
    return platform::TextToDouble(text, ".");
}

cli::RunInputs InputsOf(const FieldTexts& texts)
{
    return {Number(texts.length), Number(texts.inertia), Number(texts.angle)};
}

// The same picture: size and every pixel.
::testing::AssertionResult SamePicture(const QImage& expected, const QImage& actual)
{
    if (expected.size() != actual.size())
        return ::testing::AssertionFailure() << "sizes differ";
    const QImage a = expected.convertToFormat(QImage::Format_RGB32);
    const QImage b = actual.convertToFormat(QImage::Format_RGB32);
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            differing += testing_support::rgbAt(a, x, y) != testing_support::rgbAt(b, x, y) ? 1 : 0;
    if (differing == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << differing << " pixels differ";
}

} // namespace

class WindowAndProgram : public app_testing::FormFixture {
protected:
    void TypeInputs(const FieldTexts& texts)
    {
        form->Edit1->setText(QString::fromStdString(texts.length));
        form->Edit2->setText(QString::fromStdString(texts.angle));
        form->Edit3->setText(QString::fromStdString(texts.inertia));
    }

    // One Start with the texts, stopped in the given pass (or ended earlier by a fault).
    void WindowRun(const FieldTexts& texts, int passes)
    {
        TypeInputs(texts);
        RunPasses(passes);
    }

    // The window's chart bitmap once the chart has painted what the runs left.
    QImage WindowChart()
    {
        QCoreApplication::processEvents();
        EXPECT_FALSE(form->Chart1->PictureStale());
        return platform::qt::WrapPixels(form->Chart1->Canvas().Bitmap()->Pixels());
    }

    // The program's picture for the runs, through its PNG file.
    QImage ProgramPicture(std::vector<std::string> arguments, int expectedStatus)
    {
        const QTemporaryDir folder;
        const std::string png = folder.filePath(QStringLiteral("chart.png")).toStdString();
        arguments.insert(arguments.end(), {"--png", png});
        const cli_testing::Captured run = cli_testing::RunInProcess(arguments);
        EXPECT_EQ(run.status, expectedStatus) << run.err;
        return QImage(QString::fromStdString(png));
    }
};

TEST_F(WindowAndProgram, SamplesAreTheWindowsPointsBitForBit)
{
    const FieldTexts cases[] = {
        {"0.8", "10", "0.05"},  // the defaults
        {"0.5", "12", "0.05"},
        {"1.2", "170", "0.9"},  // a large swing
        {"0.8", "-45", "0.05"}, // starts right of the pivot
        {"0.3", "90", "-0.02"}, // negative J: swings about the top
        {"0.8", "1e-3", "0.05"},
        {"0.8", "0", "0.05"},
    };
    constexpr int passes = 350; // past 3 s
    for (const FieldTexts& texts : cases) {
        SCOPED_TRACE(texts.length + " " + texts.angle + " " + texts.inertia);
        CreateForm(QLocale::c());
        WindowRun(texts, passes);
        ASSERT_TRUE(errors.shown.empty());
        const TChartSeries& series = *form->Chart1->SeriesAt(0);
        ASSERT_EQ(series.PointCount(), passes);

        const cli_testing::SampleCollector program = cli_testing::Simulate(InputsOf(texts), passes);
        ASSERT_EQ(program.samples.size(), static_cast<std::size_t>(passes));
        EXPECT_FALSE(program.end.fault);
        for (int i = 0; i < passes; ++i) {
            ASSERT_TRUE(SameBits(series.XValueAt(i), program.samples[i].time)) << "time of point " << i;
            ASSERT_TRUE(SameBits(series.YValueAt(i), program.samples[i].degrees)) << "angle of point " << i;
        }
        EXPECT_TRUE(SameBits(form->Pendulum().Time, program.end.time));
        EXPECT_TRUE(SameBits(form->Pendulum().Omega, program.samples.back().omega));
    }
}

// a = 5.87e307, J = 1: the first step throws the body to an angle whose sine
// is 0, after which it turns at a constant huge rate until its degrees no
// longer fit a double, a little after 3 s.
TEST_F(WindowAndProgram, AFaultEndsTheRunAtTheSamePointAsInTheWindow)
{
    const FieldTexts texts{"5.87e307", "10", "1"};
    WindowRun(texts, 1000);
    ASSERT_EQ(errors.Texts(), std::vector<QString>{QStringLiteral("Floating point overflow.")});
    const TChartSeries& series = *form->Chart1->SeriesAt(0);
    ASSERT_GT(series.PointCount(), 301);
    ASSERT_LT(series.PointCount(), 1000);

    const cli_testing::SampleCollector program = cli_testing::Simulate(InputsOf(texts), 1000);
    ASSERT_EQ(program.end.fault, std::string("Floating point overflow"));
    ASSERT_EQ(program.samples.size(), static_cast<std::size_t>(series.PointCount()));
    EXPECT_EQ(program.end.points, series.PointCount());
    for (int i = 0; i < series.PointCount(); ++i) {
        ASSERT_TRUE(SameBits(series.XValueAt(i), program.samples[i].time)) << i;
        ASSERT_TRUE(SameBits(series.YValueAt(i), program.samples[i].degrees)) << i;
    }
    EXPECT_TRUE(SameBits(form->Pendulum().Time, program.end.time));
}

// The program's default run, through its CSV text, against the window
// stopped after 1001 passes.
TEST_F(WindowAndProgram, TenSecondsAreTheWindowsFirst1001Points)
{
    RunPasses(1001);
    const TChartSeries& series = *form->Chart1->SeriesAt(0);
    const cli_testing::Captured run = cli_testing::RunInProcess({});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::vector<double>> rows = cli_testing::CsvRows(run.out);
    ASSERT_EQ(rows.size(), 1001u);
    for (int i = 0; i < 1001; ++i) {
        ASSERT_EQ(rows[i].size(), 5u);
        ASSERT_EQ(rows[i][0], 1.0);
        ASSERT_TRUE(SameBits(series.XValueAt(i), rows[i][1])) << i;
        ASSERT_TRUE(SameBits(series.YValueAt(i), rows[i][2])) << i;
    }
    EXPECT_EQ(rows.back()[1], 9.999999999999831) << "the window's time after 1000 additions of 0.01";
}

TEST_F(WindowAndProgram, PictureIsTheWindowsChartAfterTheSameRuns)
{
    runLoop.deliverQtEvents = true; // the window paints in every pass, as it does for the user
    for (const char* angle : {"10", "45", "170"})
        WindowRun({"0.8", angle, "0.05"}, 320);
    ASSERT_TRUE(errors.shown.empty());
    ASSERT_TRUE(form->Chart1->BottomAxis().Automatic()) << "the last run passed 3 s";
    const QImage window = WindowChart();

    const QImage program = ProgramPicture({"--angle", "10,45,170", "--points", "320"}, 0);
    testing_support::saveScreenshot(program, QStringLiteral("kyvadlo-run-three-runs"));
    EXPECT_TRUE(SamePicture(window, program));
    EXPECT_EQ(program.size(), QSize(runchart::ChartWidth, runchart::ChartHeight));
}

TEST_F(WindowAndProgram, PictureOfRunsWithinThreeSecondsKeepsTheStartRanges)
{
    runLoop.deliverQtEvents = true;
    for (const char* angle : {"5", "-12", "14", "8", "20"}) // the fifth line is red again
        WindowRun({"0.6", angle, "0.04"}, 150);
    ASSERT_FALSE(form->Chart1->BottomAxis().Automatic());
    const QImage window = WindowChart();

    const QImage program =
        ProgramPicture({"--length", "0.6", "--inertia", "0.04", "--angle", "5,-12,14,8,20", "--points", "150"}, 0);
    EXPECT_TRUE(SamePicture(window, program));
}

TEST_F(WindowAndProgram, PictureAfterAFaultInTheFirstStepShowsTheEmptyRun)
{
    WindowRun({"0.8", "10", "0"}, 5);
    ASSERT_EQ(errors.Texts(), std::vector<QString>{QStringLiteral("Floating point division by zero.")});
    ASSERT_EQ(form->Chart1->NumberOfSeries(), 1);
    const QImage window = WindowChart();

    const QImage program = ProgramPicture({"--inertia", "0", "--angle", "10,20"}, 1);
    EXPECT_TRUE(SamePicture(window, program)) << "one empty series: only the left and bottom axes";
}

TEST_F(WindowAndProgram, PictureAfterAFaultLaterInTheRun)
{
    WindowRun({"5.87e307", "10", "1"}, 1000);
    ASSERT_EQ(errors.shown.size(), 1u);
    const QImage window = WindowChart();

    const QImage program = ProgramPicture({"--length", "5.87e307", "--inertia", "1", "--points", "1000"}, 1);
    EXPECT_TRUE(SamePicture(window, program));
}

TEST_F(WindowAndProgram, DefaultPictureSizeIsTheWindowsChart)
{
    EXPECT_EQ(form->Chart1->width(), runchart::ChartWidth);
    EXPECT_EQ(form->Chart1->height(), runchart::ChartHeight);
}
