// What the window repaints of the image during a run: all of it for the
// first frame, then only where the frame before and the new one lie, and
// what it shows is still the whole bitmap.
#include "AppTestSupport.h"

#include "app/ImageControl.h"
#include "figure/PendulumFigure.h"
#include "platform/qt/QtPixels.h"

#include <QBackingStore>
#include <QPaintEvent>

#include <vector>

namespace {

// Records the areas the image control is asked to paint.
class PaintAreas : public QObject {
public:
    std::vector<QRect> areas;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            areas.push_back(static_cast<QPaintEvent*>(event)->rect());
        return false;
    }
};

class FigureRepaint : public app_testing::FormFixture {};

TEST_F(FigureRepaint, AfterTheFirstFrameOnlyTheBoxesOfTheLastTwoFramesArePainted)
{
    PaintAreas painted;
    form->Image1->installEventFilter(&painted);
    std::vector<double> angles;
    runLoop.deliverQtEvents = true;
    runLoop.everyDispatch = [&](int) { angles.push_back(form->Pendulum().Fi); };
    RunPasses(40);
    QCoreApplication::processEvents();

    ASSERT_GE(painted.areas.size(), 30u);
    EXPECT_EQ(painted.areas.front(), form->Image1->rect()) << "the first frame shows the new bitmap whole";
    const int length = figure::BarLength(form->Pendulum().Length);
    for (std::size_t i = 1; i < angles.size(); ++i) {
        const QRect changed = platform::qt::ToQRect(figure::FrameBounds(200, 100, length, angles[i - 1]))
                              | platform::qt::ToQRect(figure::FrameBounds(200, 100, length, angles[i]));
        EXPECT_TRUE(changed.contains(painted.areas.at(i))) << "pass " << i;
        EXPECT_LT(painted.areas.at(i).width(), form->Image1->width() / 2);
    }

    // The window shows the last frame whole: no pixel of an earlier one is left.
    QPaintDevice* const device = form->backingStore()->paintDevice();
    ASSERT_EQ(device->devType(), QInternal::Image);
    const QImage& window = *static_cast<QImage*>(device);
    const QPoint at = form->Image1->mapTo(form.get(), QPoint(0, 0));
    const QImage shown = window.copy(QRect(at, form->Image1->size())).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown, form->Image1->Picture()->convertToFormat(QImage::Format_RGB32));
}

} // namespace
