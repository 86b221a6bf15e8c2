#include "platform/qt/QtPixels.h"

#include <memory>

namespace platform::qt {

namespace {

using Storage = std::shared_ptr<std::uint32_t[]>;

void ReleaseStorage(void* owner)
{
    delete static_cast<Storage*>(owner);
}

} // namespace

QImage WrapPixels(const PixelBuffer& buffer)
{
    if (buffer.IsEmpty())
        return {};
    // QImage's const-less constructor takes the pixels as writable.
    auto* const bits = reinterpret_cast<uchar*>(const_cast<std::uint32_t*>(buffer.Data()));
    const qsizetype bytesPerLine = static_cast<qsizetype>(buffer.Stride() * sizeof(std::uint32_t));
    QImage image = buffer.OwnsPixels()
        ? QImage(bits, buffer.Width(), buffer.Height(), bytesPerLine, QImage::Format_RGB32, ReleaseStorage,
                 new Storage(buffer.Storage()))
        : QImage(bits, buffer.Width(), buffer.Height(), bytesPerLine, QImage::Format_RGB32);
    image.setDevicePixelRatio(buffer.Ratio());
    return image;
}

QImage ShareReadOnly(const PixelBuffer& buffer)
{
    if (buffer.IsEmpty() || !buffer.OwnsPixels())
        return {};
    const qsizetype bytesPerLine = static_cast<qsizetype>(buffer.Stride() * sizeof(std::uint32_t));
    QImage image(reinterpret_cast<const uchar*>(buffer.Data()), buffer.Width(), buffer.Height(), bytesPerLine,
                 QImage::Format_RGB32, ReleaseStorage, new Storage(buffer.Storage()));
    image.setDevicePixelRatio(buffer.Ratio());
    return image;
}

PixelBuffer BorrowPixels(QImage& image)
{
    auto* const pixels = reinterpret_cast<std::uint32_t*>(image.bits());
    return PixelBuffer::Borrow(pixels, image.width(), image.height(),
                               image.bytesPerLine() / static_cast<qsizetype>(sizeof(std::uint32_t)),
                               image.devicePixelRatio());
}

} // namespace platform::qt
