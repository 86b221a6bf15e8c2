#pragma once

#include "chart/ChartFontObject.h"

#include <string>

class TCustomChartAxis;

// The title of an axis: a caption written beside the axis at an angle.
class TChartAxisTitle : public TChartFontObject {
public:
    explicit TChartAxisTitle(TCustomChartAxis& axis);

    TCustomChartAxis& Axis() const { return axis_; }

    const std::string& Caption() const { return caption_; }
    // A different text invalidates the chart.
    void SetCaption(const std::string& value);
    int Angle() const { return angle_; }
    // A different angle must lie in 0 .. 359 (ChartException otherwise); it is
    // stored and the chart repainted.
    void SetAngle(int value);

    // Copies caption, angle and font.
    void Assign(const TChartAxisTitle& source);

private:
    friend class TCustomChartAxis;
    // The angle the chart gives the title when it places the axis; no checks, no repaint.
    void InitAngle(int value) { angle_ = value; }

    TCustomChartAxis& axis_;
    std::string caption_;
    int angle_ = 0;
};
