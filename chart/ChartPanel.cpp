#include "chart/ChartPanel.h"

#include "chart/ChartConst.h"
#include "chart/ChartExceptions.h"

TCustomChartPanel::TCustomChartPanel()
    : canvas_(std::make_unique<TChartCanvas3D>(nullptr))
{
    // Everything is set up: from now on changes reach the window.
    repaintEnabled_ = true;
}

TCustomChartPanel::~TCustomChartPanel() = default;

int TCustomChartPanel::ClientWidth() const
{
    return host_ != nullptr ? host_->ClientWidth() : width_;
}

int TCustomChartPanel::ClientHeight() const
{
    return host_ != nullptr ? host_->ClientHeight() : height_;
}

void TCustomChartPanel::SetClientSize(int width, int height)
{
    if (width_ == width && height_ == height)
        return;
    width_ = width;
    height_ = height;
    RequestRepaint();
}

void TCustomChartPanel::SetChartArea(const TChartRect& area)
{
    chartArea_ = area;
    NormalizeChartArea();
}

void TCustomChartPanel::NormalizeChartArea()
{
    TChartRect& r = chartArea_;
    if (r.left < drawBounds_.left)
        r.left = drawBounds_.left;
    if (r.top < drawBounds_.top)
        r.top = drawBounds_.top;
    if (r.right < r.left)
        r.right = r.left + 1;
    else if (r.right == r.left)
        r.right = r.left + ClientWidth();
    if (r.bottom < r.top)
        r.bottom = r.top + 1;
    else if (r.bottom == r.top)
        r.bottom = r.top + ClientHeight();
}

void TCustomChartPanel::SetMarginLeft(int value)
{
    StoreSetting(marginLeft_, value);
}

void TCustomChartPanel::SetMarginTop(int value)
{
    StoreSetting(marginTop_, value);
}

void TCustomChartPanel::SetMarginRight(int value)
{
    StoreSetting(marginRight_, value);
}

void TCustomChartPanel::SetMarginBottom(int value)
{
    StoreSetting(marginBottom_, value);
}

void TCustomChartPanel::SetColor(TColor value)
{
    StoreSetting(color_, value);
}

void TCustomChartPanel::SetView3D(bool value)
{
    StoreSetting(view3D_, value);
}

void TCustomChartPanel::SetChart3DPercent(int value)
{
    constexpr int lowest = 1;
    constexpr int highest = 100;
    if (value < lowest || value > highest) {
        throw ChartException(ChartConst::Format(ChartConst::Chart3DPercentOutOfRange(),
            {std::to_string(lowest), std::to_string(highest)}));
    }
    StoreSetting(chart3DPercent_, value);
}

void TCustomChartPanel::SetCursor(TCursor value)
{
    cursor_ = value;
    ShowCursor(value);
}

void TCustomChartPanel::SetWindowCanvas(platform::Canvas* canvas)
{
    windowCanvas_ = canvas;
    canvas_->SetTarget(canvas);
}

void TCustomChartPanel::SelectChartFont(TChartFont& font)
{
    canvas_->SelectFont(font);
}

void TCustomChartPanel::ShowCursor(TCursor cursor)
{
    currentCursor_ = cursor;
    if (host_ != nullptr)
        host_->SetWindowCursor(cursor);
}

void TCustomChartPanel::RequestRepaint()
{
    if (!repaintEnabled_)
        return;
    canvas_->MarkDirty();
    ++repaintRequests_;
    if (host_ != nullptr)
        host_->InvalidateWindow();
}

void TCustomChartPanel::Repaint()
{
    RequestRepaint();
    if (repaintEnabled_ && host_ != nullptr)
        host_->RepaintNow();
}

void TCustomChartPanel::NotifySubObjectChanged()
{
    RequestRepaint();
}

void TCustomChartPanel::DisconnectHost()
{
    repaintEnabled_ = false;
    host_ = nullptr;
}
