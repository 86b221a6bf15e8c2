// The engine's pixel buffer, and Qt's images over the same memory.
#include "platform/PixelBuffer.h"
#include "platform/qt/QtPixels.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

using platform::PixelBuffer;
using platform::qt::BorrowPixels;
using platform::qt::WrapPixels;

TEST(PixelBuffer, OwnedAndBorrowedPixelsWithTheirRowsAndRatio)
{
    PixelBuffer owned(3, 2, 1.5, 0xFF112233u);
    EXPECT_TRUE(owned.OwnsPixels());
    EXPECT_EQ(owned.Stride(), 3);
    EXPECT_EQ(owned.Ratio(), 1.5);
    EXPECT_EQ(owned.At(2, 1), 0xFF112233u);

    // A view of five-pixel rows of which three are used.
    std::vector<std::uint32_t> memory(10, 0);
    PixelBuffer view = PixelBuffer::Borrow(memory.data(), 3, 2, 5);
    EXPECT_FALSE(view.OwnsPixels());
    view.Fill(0xFFFFFFFFu);
    EXPECT_EQ(memory, (std::vector<std::uint32_t>{~0u, ~0u, ~0u, 0, 0, ~0u, ~0u, ~0u, 0, 0}));
    view.Row(1)[2] = 7;
    EXPECT_EQ(memory[7], 7u);

    EXPECT_TRUE(PixelBuffer(0, 4).IsEmpty());
    EXPECT_EQ(PixelBuffer(-2, 4).Width(), 0);
    EXPECT_TRUE(WrapPixels(PixelBuffer()).isNull());
}

TEST(PixelBuffer, AQtImageWrapsTheSameMemoryAndKeepsOwnedPixelsAlive)
{
    QImage image;
    std::uint32_t* pixels = nullptr;
    {
        PixelBuffer buffer(4, 3, 2.0, 0xFFFFFFFFu);
        image = WrapPixels(buffer);
        pixels = buffer.Data();
        EXPECT_EQ(image.format(), QImage::Format_RGB32);
        EXPECT_EQ(image.size(), QSize(4, 3));
        EXPECT_EQ(image.devicePixelRatio(), 2.0);
        EXPECT_EQ(image.constBits(), reinterpret_cast<const uchar*>(pixels)) << "no copy";
        buffer.Row(2)[1] = 0xFF00FF00u;
        EXPECT_EQ(image.pixel(1, 2), 0xFF00FF00u);
    }
    // The buffer is gone; the image still has its pixels, and they are the image's to draw on.
    image.setPixel(3, 0, 0xFF0000FFu);
    EXPECT_EQ(image.constBits(), reinterpret_cast<const uchar*>(pixels));
    EXPECT_EQ(image.pixel(1, 2), 0xFF00FF00u);
    EXPECT_EQ(image.pixel(3, 0), 0xFF0000FFu);

    // A copy of the image that is drawn into while shared takes pixels of its own.
    QImage copy = image;
    copy.setPixel(0, 0, 0xFF000000u);
    EXPECT_NE(copy.constBits(), image.constBits());
    EXPECT_EQ(image.pixel(0, 0), 0xFFFFFFFFu);
}

TEST(PixelBuffer, ABorrowedViewOfAnImageWritesIntoItsOwnPixels)
{
    QImage image(5, 2, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDevicePixelRatio(1.25);
    const QImage handedOver = image;
    PixelBuffer view = BorrowPixels(image);
    EXPECT_EQ(view.Width(), 5);
    EXPECT_EQ(view.Height(), 2);
    EXPECT_EQ(view.Ratio(), 1.25);
    view.Row(1)[4] = 0xFFFF0000u;
    EXPECT_EQ(image.pixel(4, 1), 0xFFFF0000u);
    EXPECT_EQ(handedOver.pixel(4, 1), 0xFFFFFFFFu) << "a copy handed over keeps what it had";
}
