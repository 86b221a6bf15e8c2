// The window moved between two screens, one at 100 % and one at 200 %
// (tests/support/TwoScreens.json): the image follows with a bitmap at the new ratio
// that shows the last frame again, sharp at once.
#include "AppTestSupport.h"
#include "FigureFrames.h"

#include "app/ImageControl.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

using app_testing::Click;
using app_testing::DifferingPixels;
using app_testing::FigureFrame;

namespace {

class ScreenMove : public app_testing::FormFixture {
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        ASSERT_EQ(QGuiApplication::screens().size(), 2) << "registered with the two screens' configuration";
        ASSERT_EQ(form->devicePixelRatioF(), 1.0) << "shown on the first screen";
        runLoop.deliverQtEvents = true;
    }

    void MoveToScreen(int index)
    {
        form->windowHandle()->setScreen(QGuiApplication::screens().at(index));
        QCoreApplication::processEvents();
    }

    // What the image control shows: its bitmap, and the control's picture at
    // its own ratio, which must be the bitmap pixel for pixel.
    QImage Shown() const
    {
        const QImage shown = form->Image1->grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(DifferingPixels(shown, *form->Image1->Picture()), 0) << "the control shows its bitmap";
        return *form->Image1->Picture();
    }
};

TEST_F(ScreenMove, TheLastFrameIsDrawnAgainAtTheRatioOfTheScreenMovedTo)
{
    // Moved in the third pass: the passes after it draw at 200 %.
    runLoop.At(3, [this] { MoveToScreen(1); });
    RunPasses(6);
    const double fi = form->Pendulum().Fi;
    ASSERT_EQ(form->devicePixelRatioF(), 2.0);
    EXPECT_EQ(form->Image1->Picture()->devicePixelRatio(), 2.0);
    EXPECT_EQ(DifferingPixels(Shown(), FigureFrame(320, fi, 2.0)), 0);

    // A Start that fails after storing the new length draws no frame: the
    // picture, and what it is drawn again from, stay those of the last frame.
    form->Edit1->setText(QStringLiteral("0.5"));
    form->Edit2->setText(QStringLiteral("x"));
    Click(form->Button1);
    ASSERT_EQ(errors.shown.size(), 1u);
    ASSERT_EQ(form->Pendulum().Length, 0.5);

    MoveToScreen(0);
    EXPECT_EQ(form->Image1->Picture()->devicePixelRatio(), 1.0);
    EXPECT_EQ(form->Image1->PictureSize(), QSize(app_testing::ImageWidth, app_testing::ImageHeight));
    EXPECT_EQ(DifferingPixels(Shown(), FigureFrame(320, fi, 1.0)), 0);
    MoveToScreen(1);
    EXPECT_EQ(DifferingPixels(Shown(), FigureFrame(320, fi, 2.0)), 0);
}

TEST_F(ScreenMove, BeforeTheFirstStartTheImageHasNothingToDrawOnEitherScreen)
{
    MoveToScreen(1);
    ASSERT_EQ(form->devicePixelRatioF(), 2.0);
    EXPECT_FALSE(form->Image1->HasBitmap());
    MoveToScreen(0);
    EXPECT_FALSE(form->Image1->HasBitmap());
}

} // namespace
