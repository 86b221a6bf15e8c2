#include "chart/AxisLabelText.h"

#include "chart/AxisPanel.h"
#include "chart/ChartCanvas.h"

#include <algorithm>

std::vector<std::string> LabelLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = text.find_first_of("\r\n"); end != std::string_view::npos;
         end = text.find_first_of("\r\n", start)) {
        lines.emplace_back(text.substr(start, end - start));
        // CR LF is one line end.
        start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
    }
    lines.emplace_back(text.substr(start));
    return lines;
}

int WidestLineWidth(const TChartCanvas3D& canvas, const std::string& text)
{
    int widest = 0;
    for (const std::string& line : LabelLines(text))
        widest = std::max(widest, canvas.TextWidth(line));
    return widest;
}

int TCustomAxisPanel::MaxPointLabelWidth() const
{
    int widest = 0;
    for (const TChartSeries* series : SeriesList()) {
        if (!series->Active())
            continue;
        for (int i = 0; i < series->PointCount(); ++i) {
            const std::string label = series->PointLabel(i);
            if (!label.empty())
                widest = std::max(widest, WidestLineWidth(Canvas(), label));
        }
    }
    return widest;
}
