#pragma once

#include "platform/GraphicsTypes.h"

#include <functional>

// Pens, brushes and fonts owned by chart objects. Each reports a change of any
// of its values through OnChange (the owning chart connects it to its
// NotifySubObjectChanged, which requests a repaint). Setters notify only when
// the stored value really changes; Assign copies every value and notifies once.

class TChartPen {
public:
    TChartPen() = default;
    explicit TChartPen(std::function<void()> onChange);
    virtual ~TChartPen() = default;
    TChartPen(const TChartPen&) = delete;
    TChartPen& operator=(const TChartPen&) = delete;

    TColor Color() const { return data_.color; }
    int Width() const { return data_.width; }
    TPenStyle Style() const { return data_.style; }
    TPenMode Mode() const { return data_.mode; }
    bool Visible() const { return visible_; }
    bool SmallDots() const { return smallDots_; }

    void SetColor(TColor value);
    void SetWidth(int value);
    void SetStyle(TPenStyle value);
    void SetMode(TPenMode value);
    void SetVisible(bool value);
    void SetSmallDots(bool value);

    // Copies colour, width, style, mode, Visible and SmallDots.
    void Assign(const TChartPen& source);

    // The plain pen values (no Visible, no SmallDots).
    const TPenData& Data() const { return data_; }

    std::function<void()> OnChange;

protected:
    void Changed() const;
    TPenData data_;
    bool visible_ = true;
    bool smallDots_ = false;
};

// A chart pen that starts invisible.
class TChartHiddenPen : public TChartPen {
public:
    TChartHiddenPen() { visible_ = false; }
    explicit TChartHiddenPen(std::function<void()> onChange)
        : TChartPen(std::move(onChange))
    {
        visible_ = false;
    }
};

class TChartBrush {
public:
    TChartBrush() = default;
    explicit TChartBrush(std::function<void()> onChange);
    TChartBrush(const TChartBrush&) = delete;
    TChartBrush& operator=(const TChartBrush&) = delete;

    TColor Color() const { return data_.color; }
    TBrushStyle Style() const { return data_.style; }
    void SetColor(TColor value);
    void SetStyle(TBrushStyle value);
    void Assign(const TChartBrush& source);
    const TBrushData& Data() const { return data_; }

    std::function<void()> OnChange;

private:
    void Changed() const;
    TBrushData data_{clDefault, bsSolid};
};

// A chart font: by default the chart's own face "Arial" at 8 points, black.
class TChartFont {
public:
    TChartFont();
    explicit TChartFont(std::function<void()> onChange);
    TChartFont(const TChartFont&) = delete;
    TChartFont& operator=(const TChartFont&) = delete;

    const std::string& Name() const { return data_.name; }
    int Size() const { return data_.size; }
    TColor Color() const { return data_.color; }
    unsigned Styles() const { return data_.styles; }
    int PixelsPerInch() const { return data_.pixelsPerInch; }

    void SetName(const std::string& value);
    void SetSize(int value);
    void SetColor(TColor value);
    void SetStyles(unsigned value);
    // Not a visible change: no notification.
    void SetPixelsPerInch(int value) { data_.pixelsPerInch = value; }
    void Assign(const TChartFont& source);
    const TFontData& Data() const { return data_; }

    std::function<void()> OnChange;

private:
    void Changed() const;
    TFontData data_;
};
