// Where the window opens: PlacedPosition's rule, then the real window on an
// offscreen screen of 1366 x 768 (LaptopScreen, tests/support/LaptopScreen.json)
// and one of 1920 x 1080 (FullHdScreen, FullHdScreen.json).
#include "AppTestSupport.h"

#include "app/WindowPlacement.h"
#include "chart/qt/Chart.h"
#include "tests/support/TestImages.h"

#include <QScreen>

namespace {

constexpr QPoint Designed(565, 218);

TEST(WindowPlacement, KeepsTheDesignedPositionElseMovesTheLeastElseStartsAtTheArea)
{
    const QSize frame(1108, 731);
    EXPECT_EQ(PlacedPosition(Designed, frame, QRect(0, 0, 1673, 949)), Designed) << "fits exactly";
    EXPECT_EQ(PlacedPosition(Designed, frame, QRect(0, 0, 1366, 768)), QPoint(258, 37));
    EXPECT_EQ(PlacedPosition(Designed, frame, QRect(600, 250, 1400, 900)), QPoint(600, 250));
    EXPECT_EQ(PlacedPosition(Designed, frame, QRect(0, 27, 1280, 700)), QPoint(172, 27)) << "too tall only";
    EXPECT_EQ(PlacedPosition(Designed, frame, QRect(0, 27, 1024, 600)), QPoint(0, 27)) << "too large";
}

// The window on the one screen of its registration: whole, with its size and layout.
class WindowOnScreen : public app_testing::FormFixture {
protected:
    QRect CheckedFrame() const
    {
        EXPECT_EQ(form->size(), QSize(1092, 692)) << "client area";
        EXPECT_EQ(form->Chart1->geometry(), QRect(593, 1, 498, 690));
        const QRect frame = form->frameGeometry();
        EXPECT_TRUE(form->screen()->availableGeometry().contains(frame));
        return frame;
    }
};
using LaptopScreen = WindowOnScreen;
using FullHdScreen = WindowOnScreen;

TEST_F(LaptopScreen, TheWholeWindowIsOnScreenMovedUpAndLeftTheLeast)
{
    ASSERT_EQ(form->screen()->geometry(), QRect(0, 0, 1366, 768));
    const QRect frame = CheckedFrame();
    EXPECT_EQ(frame.bottomRight(), QPoint(1365, 767));
    QCoreApplication::processEvents();
    testing_support::saveScreenshot(form->screen()->grabWindow(0).toImage(), QStringLiteral("screen-1366x768"));
}

TEST_F(FullHdScreen, TheWindowOpensWhereDesigned)
{
    ASSERT_EQ(form->screen()->geometry(), QRect(0, 0, 1920, 1080));
    EXPECT_EQ(CheckedFrame().topLeft(), Designed);
}

} // namespace
