#pragma once

#include <initializer_list>
#include <string>

// The chart component's string table: default texts and message texts.
// Entries are functions so that every use reads the table anew.
namespace ChartConst {

std::string DefaultFontName();  // "Arial"
int DefaultFontSize();      // 8 (points), from the entry "8"

// Names of a series' value lists.
std::string XValuesName();      // "X"
std::string YValuesName();      // "Y"

// Default number formats of a series' mark texts.
std::string DefaultValueFormat();    // "#,##0.###"
std::string DefaultPercentFormat();  // "##0.## %"

// Axis settings.
std::string AxisMinimumTooLarge();        // "Axis Minimum Value must be <= Maximum"
std::string AxisMaximumTooSmall();        // "Axis Maximum Value must be >= Minimum"
std::string AxisIncrementNegative();      // "Axis increment must be >= 0"
std::string LabelsSeparationNegative();   // "Labels Separation % must be greater than 0"
std::string DateTimeAxisNotLogarithmic(); // "DateTime Axis cannot be Logarithmic"
std::string LogarithmicRangeNegative();   // "Logarithmic Axis Min and Max values should be >= 0"
std::string LogarithmicBaseTooSmall();    // "Axis Logarithmic Base should be >= 2"
std::string AngleOutOfRange();            // "%s Angle must be between 0 and 359 degrees"
std::string AxisLabelsWord();             // "Axis Labels"
std::string AxisTitleWord();              // "Axis Title"

// Chart settings.
std::string Chart3DPercentOutOfRange();   // "3D effect percent must be between %d and %d"

// Series.
std::string NoParentChartForDataSource(); // "No ParentChart to validate DataSource"
std::string CircularSeriesSources();      // "Circular Series dependences are not allowed"
std::string SeriesNotAttached();          // "Series is not attached to a chart"

// Fills the %s and %d placeholders of a table entry, in order, with the
// given texts. A placeholder without an argument is left as it is.
std::string Format(const std::string& entry, std::initializer_list<std::string> arguments);

} // namespace ChartConst
