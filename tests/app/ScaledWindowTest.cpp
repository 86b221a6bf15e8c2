// The window on a screen scaled by QT_SCALE_FACTOR, registered at 200 % and
// at 150 %: the image control draws the figure at the screen's resolution.
#include "AppTestSupport.h"
#include "FigureFrames.h"

#include "app/ImageControl.h"
#include "platform/DeviceMapping.h"

#include <QFile>

#include <cmath>

using app_testing::DifferingPixels;
using app_testing::FigureFrame;
using app_testing::ImageHeight;
using app_testing::ImageWidth;

namespace {

class ScaledWindow : public app_testing::FormFixture {
protected:
    // The scale the test program was started with, which the window must have.
    static double ScreenScale() { return qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(); }

    void SetUp() override
    {
        FormFixture::SetUp();
        ASSERT_GT(ScreenScale(), 1.0) << "registered with QT_SCALE_FACTOR above 1";
        ASSERT_EQ(form->devicePixelRatioF(), ScreenScale());
    }

    // The window's picture at the control's place, the size of its bitmap
    // less the last row and column, which a fractional ratio can place
    // beyond the control's last device pixel.
    QImage ShownInWindow(const QWidget& control, QSize size) const
    {
        const QImage window = form->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QPoint at = control.mapTo(form.get(), QPoint(0, 0));
        const double ratio = ScreenScale();
        return window.copy(static_cast<int>(std::lround(at.x() * ratio)),
                           static_cast<int>(std::lround(at.y() * ratio)), size.width() - 1, size.height() - 1);
    }
};

TEST_F(ScaledWindow, RunDrawsTheFigureAtTheScreensResolutionAndShowsItOneToOne)
{
    // Started level to the right, the body reaches across the bitmap's right
    // edge and swings down fast: each frame sets other pixels at the edge.
    form->Edit2->setText(QStringLiteral("-90"));
    runLoop.deliverQtEvents = true;
    RunPasses(8);
    QCoreApplication::processEvents();

    const double ratio = ScreenScale();
    const platform::DeviceMapping mapping{ratio};
    ASSERT_TRUE(form->Image1->HasBitmap());
    const QImage bitmap = *form->Image1->Picture();
    EXPECT_EQ(bitmap.devicePixelRatio(), ratio);
    EXPECT_EQ(bitmap.size(), QSize(mapping.Edge(ImageWidth), mapping.Edge(ImageHeight)));
    EXPECT_EQ(form->Image1->PictureSize(), QSize(ImageWidth, ImageHeight));
    // The whole bitmap is the last frame as the figure draws it at this
    // ratio: the frames before it were cleared away to the last device pixel.
    ASSERT_GT(form->Pendulum().Fi, 0.5) << "still across the edge";
    EXPECT_EQ(DifferingPixels(bitmap, FigureFrame(320, form->Pendulum().Fi, ratio)), 0);

    const QImage shown = ShownInWindow(*form->Image1, bitmap.size());
    EXPECT_EQ(DifferingPixels(shown, bitmap.copy(shown.rect())), 0)
        << "the bitmap lands one to one on the device pixels";
}

// The README's picture at the screen's scale; docs/screenshot-2x.png is the
// one at 200 %.
TEST_F(ScaledWindow, WindowAfterTwoRunsForTheScreenshot)
{
    app_testing::MakeTheScreenshotRuns(runLoop, *form);
    ASSERT_TRUE(errors.shown.empty());
    QCoreApplication::processEvents();

    const QImage window = form->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString path = testing_support::saveScreenshot(
        window, QStringLiteral("main-window-two-runs-%1x").arg(ScreenScale()));
    EXPECT_TRUE(QFile::exists(path));
    const platform::DeviceMapping mapping{ScreenScale()};
    EXPECT_EQ(window.size(), QSize(mapping.Edge(form->width()), mapping.Edge(form->height())));
}

} // namespace
