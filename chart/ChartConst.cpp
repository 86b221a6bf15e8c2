#include "chart/ChartConst.h"

namespace ChartConst {

QString DefaultFontName()
{
    return QStringLiteral("Arial");
}

int DefaultFontSize()
{
    return QStringLiteral("8").toInt();
}

QString XValuesName()
{
    return QStringLiteral("X");
}

QString YValuesName()
{
    return QStringLiteral("Y");
}

QString DefaultValueFormat()
{
    return QStringLiteral("#,##0.###");
}

QString DefaultPercentFormat()
{
    return QStringLiteral("##0.## %");
}

QString AxisMinimumTooLarge()
{
    return QStringLiteral("Axis Minimum Value must be <= Maximum");
}

QString AxisMaximumTooSmall()
{
    return QStringLiteral("Axis Maximum Value must be >= Minimum");
}

QString AxisIncrementNegative()
{
    return QStringLiteral("Axis increment must be >= 0");
}

QString LabelsSeparationNegative()
{
    return QStringLiteral("Labels Separation % must be greater than 0");
}

QString DateTimeAxisNotLogarithmic()
{
    return QStringLiteral("DateTime Axis cannot be Logarithmic");
}

QString LogarithmicRangeNegative()
{
    return QStringLiteral("Logarithmic Axis Min and Max values should be >= 0");
}

QString LogarithmicBaseTooSmall()
{
    return QStringLiteral("Axis Logarithmic Base should be >= 2");
}

QString AngleOutOfRange()
{
    return QStringLiteral("%s Angle must be between 0 and 359 degrees");
}

QString AxisLabelsWord()
{
    return QStringLiteral("Axis Labels");
}

QString AxisTitleWord()
{
    return QStringLiteral("Axis Title");
}

QString Chart3DPercentOutOfRange()
{
    return QStringLiteral("3D effect percent must be between %d and %d");
}

QString NoParentChartForDataSource()
{
    return QStringLiteral("No ParentChart to validate DataSource");
}

QString CircularSeriesSources()
{
    return QStringLiteral("Circular Series dependences are not allowed");
}

QString SeriesNotAttached()
{
    return QStringLiteral("Series is not attached to a chart");
}

QString Format(const QString& entry, std::initializer_list<QString> arguments)
{
    QString result;
    result.reserve(entry.size());
    auto next = arguments.begin();
    for (qsizetype i = 0; i < entry.size(); ++i) {
        const QChar c = entry.at(i);
        const bool placeholder = c == QLatin1Char('%') && i + 1 < entry.size()
            && (entry.at(i + 1) == QLatin1Char('s') || entry.at(i + 1) == QLatin1Char('d'));
        if (placeholder && next != arguments.end()) {
            result += *next++;
            ++i;
        } else {
            result += c;
        }
    }
    return result;
}

} // namespace ChartConst
