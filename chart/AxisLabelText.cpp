#include "chart/AxisLabelText.h"

#include "chart/AxisPanel.h"
#include "chart/ChartCanvas.h"

#include <QRegularExpression>

#include <algorithm>

QStringList LabelLines(const QString& text)
{
    // Most labels are one line: no need to search them for line ends.
    if (!text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n')))
        return {text};
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    return text.split(lineEnd);
}

int WidestLineWidth(const TChartCanvas3D& canvas, const QString& text)
{
    int widest = 0;
    for (const QString& line : LabelLines(text))
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
            const QString label = series->PointLabel(i);
            if (!label.isEmpty())
                widest = std::max(widest, WidestLineWidth(Canvas(), label));
        }
    }
    return widest;
}
