// The window with Qt's own event loop on the offscreen platform: real sleeps,
// real dispatching, the real error box.
#include "AppTestSupport.h"

#include "app/ImageControl.h"
#include "chart/qt/Chart.h"
#include "tests/support/TestImages.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <vector>

using app_testing::Click;
using app_testing::RecordingErrorBox;
using app_testing::ScriptedRunLoop;
using testing_support::rgbAt;

namespace {

constexpr unsigned RedRgb = 0xFF0000;
constexpr unsigned GreenRgb = 0x008000;

int CountPixels(const QImage& image, unsigned rgb, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (rgbAt(image, x, y) == rgb)
                ++count;
    return count;
}

// The area of a control in the window's picture.
QRect AreaInWindow(const QWidget& window, const QWidget& control)
{
    return QRect(control.mapTo(&window, QPoint(0, 0)), control.size());
}

// What a message box showed.
struct SeenBox {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    QWidget* parent = nullptr;
    bool applicationModal = false;
};

// Watches for modal message boxes, notes what they show and closes each with
// its OK button, as a user would. Watching goes on for the closer's lifetime.
class BoxCloser {
public:
    explicit BoxCloser(QObject* context)
    {
        timer_.setInterval(20);
        QObject::connect(&timer_, &QTimer::timeout, context, [this] { Look(); });
        timer_.start();
    }

    std::vector<SeenBox> seen;

private:
    void Look()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible())
            return;
        seen.push_back({box->windowTitle(), box->text(), box->icon(), static_cast<int>(box->buttons().size()),
                        box->parentWidget(), box->windowModality() == Qt::ApplicationModal});
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    }

    QTimer timer_;
};

// Ends the test's event loop with a failure if it is still running after a while.
void FailAfter(int milliseconds, QObject* context)
{
    QTimer::singleShot(milliseconds, context, [] {
        ADD_FAILURE() << "the event loop did not end in time";
        QCoreApplication::exit(1);
    });
}

} // namespace

TEST(EndToEnd, ShortRunWithTheRealLoopDrawsTheChartAndThePendulum)
{
    platform::SystemRunLoop runLoop;
    RecordingErrorBox errors;
    TForm1 form(runLoop, &errors, [] { return QLocale::c(); });
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    // Stop is clicked from a timer, handled in one of the run's dispatch steps.
    QTimer::singleShot(1400, &form, [&] { Click(form.Button2); });
    Click(form.Button1);

    EXPECT_TRUE(errors.shown.empty());
    ASSERT_EQ(form.Chart1->NumberOfSeries(), 1);
    const TChartSeries& series = *form.Chart1->SeriesAt(0);
    EXPECT_GE(series.PointCount(), 5) << "a few hundred ms of passes after the first second";
    EXPECT_LE(series.PointCount(), 45) << "each pass sleeps at least 10 ms";
    EXPECT_EQ(series.XValueAt(0), 0.0);
    EXPECT_NEAR(series.YValueAt(0), -9.53, 0.01);

    QCoreApplication::processEvents();
    const QImage window = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
    testing_support::saveScreenshot(window, QStringLiteral("main-window-short-run"));
    const QRect chartArea = AreaInWindow(form, *form.Chart1);
    const QRect imageArea = AreaInWindow(form, *form.Image1);
    EXPECT_GT(CountPixels(window, RedRgb, chartArea), 10) << "the red line on the chart";
    EXPECT_GT(CountPixels(window, 0x000000, imageArea), 500) << "the outline of the body";
    EXPECT_EQ(rgbAt(window, imageArea.left() + 200, imageArea.top() + 100), RedRgb) << "the pivot";
    const QImage shown = form.Image1->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage bitmap = *form.Image1->Picture();
    ASSERT_EQ(shown.size(), bitmap.size());
    int differing = 0;
    for (int y = 0; y < bitmap.height(); ++y)
        for (int x = 0; x < bitmap.width(); ++x)
            differing += rgbAt(shown, x, y) != rgbAt(bitmap, x, y) ? 1 : 0;
    EXPECT_EQ(differing, 0) << "the image shows its bitmap unscaled at its top-left corner";
}

TEST(EndToEnd, WindowAfterTwoRunsForTheScreenshot)
{
    ScriptedRunLoop runLoop;
    RecordingErrorBox errors;
    TForm1 form(runLoop, &errors, [] { return QLocale::c(); });
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    // docs/screenshot.png is this picture.
    app_testing::MakeTheScreenshotRuns(runLoop, form);
    ASSERT_TRUE(errors.shown.empty());
    QCoreApplication::processEvents();

    const QImage window = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString path = testing_support::saveScreenshot(window, QStringLiteral("main-window-two-runs"));
    EXPECT_TRUE(QFile::exists(path));
    const QRect chartArea = AreaInWindow(form, *form.Chart1);
    EXPECT_GT(CountPixels(window, RedRgb, chartArea), 100);
    EXPECT_GT(CountPixels(window, GreenRgb, chartArea), 100);
}

TEST(EndToEnd, BadInputShowsTheErrorBox)
{
    platform::SystemRunLoop runLoop;
    TForm1 form(runLoop, nullptr, [] { return QLocale::c(); });
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.Edit1->setText(QStringLiteral("abc"));

    BoxCloser closer(&form);
    Click(form.Button1);

    ASSERT_EQ(closer.seen.size(), 1u);
    const SeenBox& box = closer.seen[0];
    EXPECT_EQ(box.caption, QStringLiteral("app_tests"));
    EXPECT_EQ(box.text, QStringLiteral("'abc' is not a valid floating point value."));
    EXPECT_EQ(box.icon, QMessageBox::Critical);
    EXPECT_EQ(box.buttons, 1);
    EXPECT_EQ(box.parent, &form);
    EXPECT_TRUE(box.applicationModal);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(form.Button3->isEnabled());
}

TEST(EndToEnd, ClosingDuringARunEndsTheProgramWhenTheRunReturns)
{
    ScriptedRunLoop runLoop;
    runLoop.deliverQtEvents = true;
    TForm1 form(runLoop, nullptr, [] { return QLocale::c(); });
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    BoxCloser closer(&form);

    bool visibleAfterClose = false;
    int pointsWhenStopped = 0;
    runLoop.At(3, [&] {
        form.close();
        visibleAfterClose = form.isVisible();
    });
    runLoop.At(8, [&] {
        // A failure after the close still gets its box.
        form.Edit3->setText(QStringLiteral("?"));
        Click(form.Button1);
    });
    runLoop.At(10, [&] {
        pointsWhenStopped = form.Chart1->SeriesAt(1)->PointCount();
        Click(form.Button2);
    });
    QTimer::singleShot(0, &form, [&] { Click(form.Button1); });
    FailAfter(10000, &form);

    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(visibleAfterClose);
    EXPECT_EQ(pointsWhenStopped, 2) << "the run went on into the failed Start's series";
    ASSERT_EQ(closer.seen.size(), 1u) << "the box stays open until the user closes it";
    EXPECT_EQ(closer.seen[0].text, QStringLiteral("'?' is not a valid floating point value."));
    EXPECT_EQ(form.RunDepth(), 0);
}

TEST(EndToEnd, ClosingWhileIdleEndsTheProgram)
{
    ScriptedRunLoop runLoop;
    TForm1 form(runLoop, nullptr, [] { return QLocale::c(); });
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    QTimer::singleShot(0, &form, [&] { form.close(); });
    FailAfter(10000, &form);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(form.isVisible()) << "the window is not hidden, the program ends";
}
