#pragma once

#include <QString>

// The chart component's string table: default texts and message texts.
// Entries are functions so that every use reads the table anew.
namespace ChartConst {

QString DefaultFontName();  // "Arial"
int DefaultFontSize();      // 8 (points), from the entry "8"

} // namespace ChartConst
