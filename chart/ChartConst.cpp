#include "chart/ChartConst.h"

namespace ChartConst {

std::string DefaultFontName()
{
    return std::string("Arial");
}

int DefaultFontSize()
{
    return std::stoi("8");
}

std::string XValuesName()
{
    return std::string("X");
}

std::string YValuesName()
{
    return std::string("Y");
}

std::string DefaultValueFormat()
{
    return std::string("#,##0.###");
}

std::string DefaultPercentFormat()
{
    return std::string("##0.## %");
}

std::string AxisMinimumTooLarge()
{
    return std::string("Axis Minimum Value must be <= Maximum");
}

std::string AxisMaximumTooSmall()
{
    return std::string("Axis Maximum Value must be >= Minimum");
}

std::string AxisIncrementNegative()
{
    return std::string("Axis increment must be >= 0");
}

std::string LabelsSeparationNegative()
{
    return std::string("Labels Separation % must be greater than 0");
}

std::string DateTimeAxisNotLogarithmic()
{
    return std::string("DateTime Axis cannot be Logarithmic");
}

std::string LogarithmicRangeNegative()
{
    return std::string("Logarithmic Axis Min and Max values should be >= 0");
}

std::string LogarithmicBaseTooSmall()
{
    return std::string("Axis Logarithmic Base should be >= 2");
}

std::string AngleOutOfRange()
{
    return std::string("%s Angle must be between 0 and 359 degrees");
}

std::string AxisLabelsWord()
{
    return std::string("Axis Labels");
}

std::string AxisTitleWord()
{
    return std::string("Axis Title");
}

std::string Chart3DPercentOutOfRange()
{
    return std::string("3D effect percent must be between %d and %d");
}

std::string NoParentChartForDataSource()
{
    return std::string("No ParentChart to validate DataSource");
}

std::string CircularSeriesSources()
{
    return std::string("Circular Series dependences are not allowed");
}

std::string SeriesNotAttached()
{
    return std::string("Series is not attached to a chart");
}

std::string Format(const std::string& entry, std::initializer_list<std::string> arguments)
{
    std::string result;
    result.reserve(entry.size());
    auto next = arguments.begin();
    for (std::size_t i = 0; i < entry.size(); ++i) {
        const char c = entry[i];
        const bool placeholder = c == '%' && i + 1 < entry.size() && (entry[i + 1] == 's' || entry[i + 1] == 'd');
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
