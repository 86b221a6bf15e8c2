// Where the window opens: the designed position where it fits the screen,
// else the least move that brings it on. WindowPlacement cases check the rule;
// LaptopScreen and FullHdScreen open the real window on an offscreen screen
// of 1366 x 768 (tests/support/LaptopScreen.json) and 1920 x 1080
// (FullHdScreen.json).
#include "AppTestSupport.h"

#include "app/WindowPlacement.h"
#include "FigureFrames.h"
#include "chart/Chart.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

constexpr QPoint Designed(565, 218);
constexpr QSize Frame(1108, 731);

TEST(WindowPlacement, KeepsTheDesignedPositionWhereTheFrameFits)
{
    EXPECT_EQ(PlacedPosition(Designed, Frame, QRect(0, 0, 1920, 1080)), Designed);
    EXPECT_EQ(PlacedPosition(Designed, Frame, QRect(0, 0, 1673, 949)), Designed) << "touching both far edges";
}

TEST(WindowPlacement, MovesTheLeastThatBringsTheFrameInside)
{
    EXPECT_EQ(PlacedPosition(Designed, Frame, QRect(0, 0, 1366, 768)), QPoint(258, 37));
    // An area that starts beyond the designed position (a panel at the top
    // and left), and one on a second screen to the right.
    EXPECT_EQ(PlacedPosition(Designed, Frame, QRect(600, 250, 1400, 900)), QPoint(600, 250));
    EXPECT_EQ(PlacedPosition(Designed, Frame, QRect(1920, 0, 1366, 768)), QPoint(1920, 37));
}

TEST(WindowPlacement, StartsAtTheAreasStartAlongAnAxisWhereTheFrameIsLarger)
{
    EXPECT_EQ(PlacedPosition(Designed, Frame, QRect(0, 27, 1024, 600)), QPoint(0, 27));
    EXPECT_EQ(PlacedPosition(Designed, Frame, QRect(0, 27, 1280, 700)), QPoint(172, 27)) << "only too low";
    EXPECT_EQ(PlacedPosition(Designed, Frame, QRect(10, 0, 1100, 768)), QPoint(10, 37)) << "only too narrow";
}

class ScreenPlacement : public app_testing::FormFixture {
protected:
    void ExpectWholeWindowOnScreen() const
    {
        ASSERT_EQ(QGuiApplication::screens().size(), 1) << "registered with one screen's configuration";
        EXPECT_EQ(form->size(), QSize(1092, 692)) << "client area";
        EXPECT_EQ(form->Chart1->geometry(), QRect(593, 1, 498, 690)) << "layout as designed";
        const QRect available = form->screen()->availableGeometry();
        EXPECT_TRUE(available.contains(form->frameGeometry()))
            << "frame " << form->frameGeometry().x() << "," << form->frameGeometry().y() << " "
            << form->frameGeometry().width() << "x" << form->frameGeometry().height();
    }
};

class LaptopScreen : public ScreenPlacement {};
class FullHdScreen : public ScreenPlacement {};

TEST_F(LaptopScreen, TheWholeWindowIsOnScreenMovedUpAndLeftTheLeast)
{
    ASSERT_EQ(form->screen()->geometry(), QRect(0, 0, 1366, 768));
    ExpectWholeWindowOnScreen();
    const QRect frame = form->frameGeometry();
    EXPECT_EQ(frame.right(), 1365) << "moved left to the screen's edge, no further";
    EXPECT_EQ(frame.bottom(), 767) << "moved up to the screen's edge, no further";

    // A picture of the whole screen with the window where it stands.
    QCoreApplication::processEvents();
    testing_support::saveScreenshot(form->screen()->grabWindow(0).toImage(), QStringLiteral("screen-1366x768"));
}

TEST_F(FullHdScreen, TheWindowOpensWhereDesigned)
{
    ASSERT_EQ(form->screen()->geometry(), QRect(0, 0, 1920, 1080));
    ExpectWholeWindowOnScreen();
    EXPECT_EQ(form->pos(), Designed);
}

} // namespace
