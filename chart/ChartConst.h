#pragma once

#include <QString>

#include <initializer_list>

// The chart component's string table: default texts and message texts.
// Entries are functions so that every use reads the table anew.
namespace ChartConst {

QString DefaultFontName();  // "Arial"
int DefaultFontSize();      // 8 (points), from the entry "8"

// Names of a series' value lists.
QString XValuesName();      // "X"
QString YValuesName();      // "Y"

// Default number formats of a series' mark texts.
QString DefaultValueFormat();    // "#,##0.###"
QString DefaultPercentFormat();  // "##0.## %"

// Axis settings.
QString AxisMinimumTooLarge();        // "Axis Minimum Value must be <= Maximum"
QString AxisMaximumTooSmall();        // "Axis Maximum Value must be >= Minimum"
QString AxisIncrementNegative();      // "Axis increment must be >= 0"
QString LabelsSeparationNegative();   // "Labels Separation % must be greater than 0"
QString DateTimeAxisNotLogarithmic(); // "DateTime Axis cannot be Logarithmic"
QString LogarithmicRangeNegative();   // "Logarithmic Axis Min and Max values should be >= 0"
QString LogarithmicBaseTooSmall();    // "Axis Logarithmic Base should be >= 2"
QString AngleOutOfRange();            // "%s Angle must be between 0 and 359 degrees"
QString AxisLabelsWord();             // "Axis Labels"
QString AxisTitleWord();              // "Axis Title"

// Chart settings.
QString Chart3DPercentOutOfRange();   // "3D effect percent must be between %d and %d"

// Series.
QString NoParentChartForDataSource(); // "No ParentChart to validate DataSource"
QString CircularSeriesSources();      // "Circular Series dependences are not allowed"
QString SeriesNotAttached();          // "Series is not attached to a chart"

// Fills the %s and %d placeholders of a table entry, in order, with the
// given texts. A placeholder without an argument is left as it is.
QString Format(const QString& entry, std::initializer_list<QString> arguments);

} // namespace ChartConst
