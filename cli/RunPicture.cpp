#include "cli/RunPicture.h"

#include "platform/Canvas.h"
#include "platform/qt/QtCanvasTarget.h"
#include "platform/qt/QtPixels.h"
#include "runchart/RunAxes.h"
#include "runchart/RunChart.h"

#include <QBuffer>
#include <QImageWriter>

#include <algorithm>
#include <limits>

namespace cli {

RunPicture::RunPicture(int width, int height, std::int64_t pointsPerRun)
    : pointsPerRun_(static_cast<int>(std::min<std::int64_t>(pointsPerRun, std::numeric_limits<int>::max())))
{
    runchart::ConfigureRunChart(chart_);
    chart_.SetClientSize(width, height);
}

void RunPicture::BeginRun(int run, const RunInputs& /*inputs*/)
{
    runchart::SetStartRanges(chart_);
    series_.push_back(std::make_unique<TFastLineSeries>());
    series_.back()->ReservePoints(pointsPerRun_);
    runchart::AttachRunSeries(*series_.back(), run, chart_);
}

void RunPicture::AddSample(const Sample& sample)
{
    series_.back()->AddPoint(sample.time, sample.degrees, {}, clDefault);
}

void RunPicture::EndRun(const RunEnd& end)
{
    runchart::FollowDataPastStartRange(chart_, end.time);
}

QImage RunPicture::Render()
{
    // The chart paints into its off-screen bitmap and copies it onto its
    // window canvas; here an image stands for the window.
    QImage window(chart_.ClientWidth(), chart_.ClientHeight(), QImage::Format_RGB32);
    platform::Canvas windowCanvas;
    platform::qt::BindImage(windowCanvas, &window);
    chart_.SetWindowCanvas(&windowCanvas);
    chart_.RequestRepaint();
    chart_.HandlePaint();
    chart_.SetWindowCanvas(nullptr);
    return platform::qt::WrapPixels(chart_.Canvas().Bitmap()->Pixels()).copy();
}

QByteArray EncodePng(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image))
        throw std::runtime_error("cannot encode the picture as PNG: " + writer.errorString().toStdString());
    return bytes;
}

} // namespace cli
