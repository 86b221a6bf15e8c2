#include "embedded/ContainerPainter.h"
#include "embedded/EquationsPicture.h"
#include "embedded/qt/OleContainer.h"
#include "platform/qt/QtPixels.h"
#include "platform/qt/QtTextBackend.h"
#include "tests/embedded/InkScan.h"
#include "tests/support/TestImages.h"

#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

// Counts the input that reaches the control's own handlers.
class ProbedContainer : public TOleContainer {
public:
    using TOleContainer::TOleContainer;
    int inputCalls = 0;

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        ++inputCalls;
        TOleContainer::mousePressEvent(event);
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        ++inputCalls;
        TOleContainer::mouseDoubleClickEvent(event);
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        ++inputCalls;
        TOleContainer::keyPressEvent(event);
    }
};

QImage grabbed(QWidget& widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage engineReference(const TOleContainer& container)
{
    platform::PixelBuffer pixels(container.width(), container.height());
    platform::qt::QtTextBackend text;
    const VectorPicture* picture = container.Picture() ? &*container.Picture() : nullptr;
    PaintContainer(pixels, {0, 0, container.width(), container.height()},
                   ContainerLook{container.Color(), picture, container.logicalDpiX(), container.logicalDpiY()}, text);
    return platform::qt::WrapPixels(pixels);
}

} // namespace

TEST(OleContainer, StartsDisabledWithoutFocusAndWithoutPicture)
{
    const TOleContainer container;
    EXPECT_FALSE(container.isEnabled());
    EXPECT_EQ(container.focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(container.Color(), clWhite);
    EXPECT_FALSE(container.HasPicture());
}

TEST(OleContainer, PaintsThePictureInFullColourAtItsLogicalDensityAndWorksWithout)
{
    TOleContainer container;
    container.resize(161, 169);
    container.SetPicture(EquationsPicture());
    const QImage image = grabbed(container);
    testing_support::saveScreenshot(image, QStringLiteral("equations_panel_widget"));
    testing_support::saveScreenshot(image.scaled(image.size() * 4), QStringLiteral("equations_panel_widget_x4"));

    EXPECT_EQ(image, engineReference(container));
    // Disabled, yet the glyphs are black, not greyed.
    EXPECT_GT(ink_scan::blackCount(image, QRect(2, 2, 157, 165)), 200);

    // Without its picture the panel shows only the edge and the face colour.
    container.ClearPicture();
    EXPECT_FALSE(container.HasPicture());
    const QImage empty = grabbed(container);
    EXPECT_EQ(testing_support::countPixelsNot(empty, ToRgb(clBtnFace) & 0xFFFFFFu, 2, 2, 159, 167), 0);
    EXPECT_EQ(testing_support::rgbAt(empty, 0, 0), ToRgb(clBtnShadow) & 0xFFFFFFu);
    EXPECT_EQ(testing_support::rgbAt(empty, 160, 168), ToRgb(clBtnHighlight) & 0xFFFFFFu);
}

TEST(OleContainer, IgnoresClicksAndKeysAndIsSkippedByTab)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* before = new QLineEdit(&window);
    auto* container = new ProbedContainer(&window);
    auto* after = new QLineEdit(&window);
    container->setFixedSize(161, 169);
    container->SetPicture(EquationsPicture());
    layout->addWidget(before);
    layout->addWidget(container);
    layout->addWidget(after);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    const QImage untouched = grabbed(*container);
    QTest::mouseClick(container, Qt::LeftButton, {}, QPoint(40, 40));
    QTest::mouseDClick(container, Qt::LeftButton, {}, QPoint(40, 40));
    QTest::mouseClick(container, Qt::RightButton, {}, QPoint(40, 40));
    QTest::keyClick(container, Qt::Key_Return);
    QTest::keyClick(container, Qt::Key_Space);
    EXPECT_EQ(container->inputCalls, 0);
    EXPECT_FALSE(container->hasFocus());
    EXPECT_FALSE(container->isEnabled());
    EXPECT_EQ(grabbed(*container), untouched);

    before->setFocus();
    ASSERT_TRUE(before->hasFocus());
    QTest::keyClick(before, Qt::Key_Tab);
    EXPECT_TRUE(after->hasFocus());
    QTest::keyClick(after, Qt::Key_Backtab);
    EXPECT_TRUE(before->hasFocus());
}
